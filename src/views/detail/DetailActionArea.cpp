#include "views/detail/DetailActionArea.h"

#include "engine/EngineServices.h"
#include "engine/InstallEngine.h"
#include "engine/facts/CaskFactsService.h"
#include "engine/facts/UpdateChecker.h"
#include "views/card/RevertButton.h"
#include "views/style/Brand.h"
#include "views/style/Controls.h"
#include "views/style/Typography.h"
#include "views/widgets/SpinnerRow.h"
#include "views/widgets/SymbolLabel.h"

#include <QHBoxLayout>
#include <QPushButton>

#include <algorithm>

using namespace Qt::StringLiterals;
using Action = AppCardContent::Action;
using Button = AppCardContent::Button;
using Look = BrandStyle::Look;

DetailActionArea::DetailActionArea(const CatalogApp &app, InstallEngine *engine, QWidget *parent)
    : QWidget(parent)
    , m_app(app)
    , m_engine(engine)
    , m_progress(new SpinnerRow)
    , m_cancel(Controls::button(tr("Cancel"), Look::Plain, Brand::primary, Typography::font(13, QFont::Medium)))
    , m_install(Controls::button(tr("Install"), Look::Filled, Brand::onPrimary, Typography::font(14, QFont::Medium)))
    , m_open(Controls::button(
          tr("Open", "verb: open the app"), Look::Outlined, Brand::primary, Typography::font(14, QFont::Medium)))
    , m_installed(new SymbolLabel(u"checkmark"_s, tr("Installed"), Typography::font(14, QFont::Medium), Brand::forest))
    , m_uninstall(
          Controls::button(tr("Uninstall"), Look::Destructive, Brand::deepTerra, Typography::font(13, QFont::Medium)))
    , m_setUp(Controls::button(tr("Set up Homebrew"), Look::Filled, Brand::onPrimary,
          Typography::font(14, QFont::Medium), u"wrench.and.screwdriver"_s))
    , m_unavailable(
          new SymbolLabel(u"nosign"_s, tr("Unavailable"), Typography::font(14, QFont::Medium), Brand::deepTerra))
    , m_finder(
          Controls::button(tr("Show in Finder"), Look::Filled, Brand::onPrimary, Typography::font(14, QFont::Medium)))
    , m_refresh(
          Controls::button(tr("Refresh Homebrew"), Look::Filled, Brand::onPrimary, Typography::font(14, QFont::Medium)))
    , m_dismiss(Controls::button(tr("Dismiss"), Look::Plain, Brand::primary, Typography::font(13, QFont::Medium)))
{
    setObjectName(u"detailAction"_s);
    m_progress->setObjectName(u"progressRow"_s);
    m_cancel->setObjectName(u"cancelButton"_s);
    m_install->setObjectName(u"installButton"_s);
    m_install->setProperty("padding", QSize(18, 8));
    m_open->setObjectName(u"openButton"_s);
    m_open->setProperty("padding", QSize(14, 8));
    m_open->setAccessibleName(tr("Open %1").arg(app.name));
    m_installed->setObjectName(u"installedBox"_s);
    m_uninstall->setObjectName(u"uninstallButton"_s);
    m_uninstall->setAccessibleName(tr("Uninstall %1").arg(app.name));
    m_setUp->setObjectName(u"setUpHomebrewButton"_s);
    m_setUp->setAccessibleName(tr("Set up Homebrew for %1").arg(app.name));
    m_setUp->setToolTip(
        tr("One-time setup (needs your Mac password once), then %1 installs automatically.").arg(app.name));
    connect(m_cancel, &QPushButton::clicked, this, &DetailActionArea::cancelRequested);
    connect(m_install, &QPushButton::clicked, this, [this] {
        const bool update = !m_content.buttons.isEmpty() && m_content.buttons.constFirst().kind == Button::Kind::Update;
        if (update)
            Q_EMIT updateRequested();
        else
            Q_EMIT installRequested();
    });
    connect(m_open, &QPushButton::clicked, this, &DetailActionArea::launchRequested);
    connect(m_uninstall, &QPushButton::clicked, this, &DetailActionArea::uninstallRequested);
    connect(m_setUp, &QPushButton::clicked, this, &DetailActionArea::setUpHomebrewRequested);
    for (QPushButton *button : { m_finder, m_refresh })
        button->setProperty("padding", QSize(18, 8));
    m_finder->setObjectName(u"showInFinderButton"_s);
    m_refresh->setObjectName(u"refreshHomebrewButton"_s);
    m_dismiss->setObjectName(u"dismissButton"_s);
    connect(m_finder, &QPushButton::clicked, this, [this] { Q_EMIT showInFinderRequested(m_content.path); });
    connect(m_refresh, &QPushButton::clicked, this, &DetailActionArea::refreshCaskListRequested);
    connect(m_dismiss, &QPushButton::clicked, this, &DetailActionArea::dismissRequested);

    auto *area = new QHBoxLayout(this);
    area->setContentsMargins(0, 0, 0, 0);
    area->setSpacing(10);
    for (QWidget *control : { static_cast<QWidget *>(m_progress), static_cast<QWidget *>(m_cancel),
             static_cast<QWidget *>(m_install), static_cast<QWidget *>(m_open), m_installed,
             static_cast<QWidget *>(m_uninstall), static_cast<QWidget *>(m_setUp), m_unavailable,
             static_cast<QWidget *>(m_finder), static_cast<QWidget *>(m_refresh), static_cast<QWidget *>(m_dismiss) })
        area->addWidget(control, 0, Qt::AlignVCenter | Qt::AlignRight);
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);

    if (engine) {
        connect(engine, &InstallEngine::stateChanged, this, [this](const QString &appID) {
            if (appID == m_app.id)
                refresh();
        });
        connect(engine, &InstallEngine::setupInProgressChanged, this, &DetailActionArea::refresh);
        if (const EngineServices *services = engine->services()) {
            connect(services->facts(), &CaskFactsService::factsChanged, this, &DetailActionArea::refresh);
            connect(services->updates(), &UpdateChecker::updatesChanged, this, &DetailActionArea::refresh);
        }
    }
    // Made after the connections above, so a state change moves focus off it before it hides.
    area->insertWidget(area->indexOf(m_uninstall), new RevertButton(app, engine, Typography::font(13, QFont::Medium)),
        0, Qt::AlignVCenter | Qt::AlignRight);
    refresh();
}

void DetailActionArea::refresh()
{
    m_content = AppCardContent::of(m_engine, m_app);
    const Action action = m_content.action;
    QWidget *focused = window()->focusWidget();
    const bool focusHere = focused && isAncestorOf(focused);

    const bool progress = m_content.busy();
    if (progress) {
        m_progress->setProgress(m_content.percent);
        m_progress->setText(m_content.statusText);
    }
    const auto has = [this](Button::Kind kind) {
        return std::any_of(m_content.buttons.cbegin(), m_content.buttons.cend(),
            [kind](const Button &button) { return button.kind == kind; });
    };
    // The sheet's main button: Install, Try again or Update to …, named as on the card.
    const auto first = m_content.buttons.cbegin();
    const bool install = first != m_content.buttons.cend()
        && (first->kind == Button::Kind::Install || first->kind == Button::Kind::Update);
    if (install) {
        m_install->setText(first->title);
        m_install->setAccessibleName(first->accessibleName);
        m_install->setAccessibleDescription(first->description);
    }
    // The card's ways out of a failure, named as there.
    const auto name = [this](QPushButton *control, Button::Kind kind) {
        for (const Button &button : std::as_const(m_content.buttons))
            if (button.kind == kind) {
                control->setAccessibleName(button.accessibleName);
                control->setToolTip(button.toolTip);
                return true;
            }
        return false;
    };
    const bool finder = name(m_finder, Button::Kind::ShowInFinder);
    const bool refreshList = name(m_refresh, Button::Kind::RefreshCaskList);
    const bool dismiss = name(m_dismiss, Button::Kind::Dismiss);
    const bool cancel = has(Button::Kind::Cancel);
    if (cancel)
        m_cancel->setAccessibleName(m_content.buttons.constFirst().accessibleName);
    const bool update = action == Action::UpdateAvailable;
    const QList<std::pair<QWidget *, bool>> parts { { m_progress, progress }, { m_install, install },
        { m_cancel, cancel }, { m_open, update }, { m_installed, action == Action::Installed },
        { m_uninstall, action == Action::Installed || update }, { m_setUp, action == Action::SetUpHomebrew },
        { m_unavailable, action == Action::Unavailable }, { m_finder, finder }, { m_refresh, refreshList },
        { m_dismiss, dismiss } };
    QWidget *target = nullptr;
    for (const auto &[part, shown] : parts) {
        if (shown) {
            part->show();
            // A label takes no focus: the button beside it does.
            target = target                        ? target
                : part == m_installed              ? m_uninstall
                : part == m_unavailable && dismiss ? m_dismiss
                                                   : part;
        }
    }
    // Focus moves to what replaced the control that had it before that control goes.
    if (focusHere && target && !target->isAncestorOf(focused) && target != focused)
        target->setFocus(
            window()->testAttribute(Qt::WA_KeyboardFocusChange) ? Qt::TabFocusReason : Qt::OtherFocusReason);
    for (const auto &[part, shown] : parts)
        part->setVisible(shown);
    Q_EMIT refreshed();
}
