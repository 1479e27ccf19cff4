#include "views/DetailActionArea.h"

#include "engine/InstallEngine.h"
#include "views/Brand.h"
#include "views/Controls.h"
#include "views/SpinnerRow.h"
#include "views/SymbolLabel.h"
#include "views/Typography.h"

#include <QHBoxLayout>
#include <QPushButton>

using namespace Qt::StringLiterals;
using Action = AppCardContent::Action;
using Button = AppCardContent::Button;
using Look = BrandStyle::Look;

DetailActionArea::DetailActionArea(const CatalogApp &app, InstallEngine *engine, QWidget *parent)
    : QWidget(parent)
    , m_app(app)
    , m_engine(engine)
    , m_progress(new SpinnerRow)
    , m_install(Controls::button(u"Install"_s, Look::Filled, Brand::onPrimary, Typography::font(14, QFont::Medium)))
    , m_installed(new QWidget)
    , m_uninstall(
          Controls::button(u"Uninstall"_s, Look::Destructive, Brand::deepTerra, Typography::font(13, QFont::Medium)))
    , m_setUp(Controls::button(u"Set up Homebrew"_s, Look::Filled, Brand::onPrimary,
          Typography::font(14, QFont::Medium), u"wrench.and.screwdriver"_s))
{
    setObjectName(u"detailAction"_s);
    m_progress->setObjectName(u"progressRow"_s);
    m_install->setObjectName(u"installButton"_s);
    m_install->setProperty("padding", QSize(18, 8));
    m_uninstall->setObjectName(u"uninstallButton"_s);
    m_uninstall->setAccessibleName(u"Uninstall "_s + app.name);
    m_setUp->setObjectName(u"setUpHomebrewButton"_s);
    m_setUp->setAccessibleName(u"Set up Homebrew for "_s + app.name);
    m_setUp->setToolTip(
        u"One-time setup (needs your Mac password once), then "_s + app.name + u" installs automatically."_s);
    connect(m_install, &QPushButton::clicked, this, &DetailActionArea::installRequested);
    connect(m_uninstall, &QPushButton::clicked, this, &DetailActionArea::uninstallRequested);
    connect(m_setUp, &QPushButton::clicked, this, &DetailActionArea::setUpHomebrewRequested);

    m_installed->setObjectName(u"installedBox"_s);
    auto *installedRow = new QHBoxLayout(m_installed);
    installedRow->setContentsMargins(0, 0, 0, 0);
    installedRow->setSpacing(10);
    installedRow->addWidget(
        new SymbolLabel(u"checkmark"_s, u"Installed"_s, Typography::font(14, QFont::Medium), Brand::forest), 0,
        Qt::AlignVCenter);
    installedRow->addWidget(m_uninstall, 0, Qt::AlignVCenter);

    auto *area = new QHBoxLayout(this);
    area->setContentsMargins(0, 0, 0, 0);
    area->setSpacing(0);
    for (QWidget *control : { static_cast<QWidget *>(m_progress), static_cast<QWidget *>(m_install), m_installed,
             static_cast<QWidget *>(m_setUp) })
        area->addWidget(control, 0, Qt::AlignTop | Qt::AlignRight);
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);

    if (engine) {
        connect(engine, &InstallEngine::stateChanged, this, [this](const QString &appID) {
            if (appID == m_app.id)
                refresh();
        });
        connect(engine, &InstallEngine::bootstrapInProgressChanged, this, &DetailActionArea::refresh);
    }
    refresh();
}

void DetailActionArea::refresh()
{
    std::optional<InstallState> state;
    AppCardContent::Flags flags;
    if (m_engine) {
        state = m_engine->state(m_app.id);
        flags.bootstrapInProgress = m_engine->bootstrapInProgress();
    }
    m_content = AppCardContent::make(m_app, state, flags);
    const Action action = m_content.action;
    QWidget *focused = window()->focusWidget();
    const bool focusHere = focused && isAncestorOf(focused);

    const bool progress = m_content.busy();
    if (progress)
        m_progress->setText(m_content.statusText);
    // The sheet's one button: Install or Try again, named as on the card.
    const auto first = m_content.buttons.cbegin();
    const bool install = first != m_content.buttons.cend() && first->kind == Button::Kind::Install;
    if (install) {
        m_install->setText(first->title);
        m_install->setAccessibleName(first->accessibleName);
        m_install->setAccessibleDescription(first->description);
    }
    const QList<std::pair<QWidget *, bool>> parts { { m_progress, progress }, { m_install, install },
        { m_installed, action == Action::Installed }, { m_setUp, action == Action::SetUpHomebrew } };
    QWidget *target = nullptr;
    for (const auto &[part, shown] : parts) {
        if (shown) {
            part->show();
            target = target ? target : part == m_installed ? m_uninstall : part;
        }
    }
    // Focus moves to what replaced the control that had it before that control goes.
    if (focusHere && target && !target->isAncestorOf(focused) && target != focused)
        target->setFocus(
            window()->testAttribute(Qt::WA_KeyboardFocusChange) ? Qt::TabFocusReason : Qt::OtherFocusReason);
    for (const auto &[part, shown] : parts)
        part->setVisible(shown);
}
