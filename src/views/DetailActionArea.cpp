#include "views/DetailActionArea.h"

#include "engine/InstallEngine.h"
#include "views/Brand.h"
#include "views/ButtonLooks.h"
#include "views/ShapedButton.h"
#include "views/SpinnerRow.h"
#include "views/SymbolLabel.h"
#include "views/Typography.h"

#include <QHBoxLayout>

using namespace Qt::StringLiterals;
using Action = AppCardContent::Action;

DetailActionArea::DetailActionArea(const CatalogApp &app, InstallEngine *engine, QWidget *parent)
    : QWidget(parent)
    , m_app(app)
    , m_engine(engine)
    , m_progress(new SpinnerRow)
    , m_install(new ShapedButton(u"Install"_s, ButtonLooks::install(18)))
    , m_installed(new QWidget)
    , m_setUp(new ShapedButton(u"Set up Homebrew"_s, ButtonLooks::homebrewSetup(14, 16, false)))
{
    setObjectName(u"detailAction"_s);
    m_progress->setObjectName(u"progressRow"_s);
    m_install->setObjectName(u"installButton"_s);
    m_setUp->setObjectName(u"setUpHomebrewButton"_s);
    m_setUp->setToolTip(
        u"One-time setup (needs your Mac password once), then "_s + app.name + u" installs automatically."_s);
    connect(m_install, &ShapedButton::clicked, this, &DetailActionArea::installRequested);
    connect(m_setUp, &ShapedButton::clicked, this, &DetailActionArea::setUpHomebrewRequested);

    m_installed->setObjectName(u"installedBox"_s);
    auto *installedRow = new QHBoxLayout(m_installed);
    installedRow->setContentsMargins(0, 0, 0, 0);
    installedRow->setSpacing(10);
    installedRow->addWidget(
        new SymbolLabel(u"checkmark"_s, u"Installed"_s, Typography::font(14, QFont::Medium), Brand::forest), 0,
        Qt::AlignVCenter);
    auto *uninstall = new ShapedButton(u"Uninstall"_s, ButtonLooks::uninstall());
    uninstall->setObjectName(u"uninstallButton"_s);
    connect(uninstall, &ShapedButton::clicked, this, &DetailActionArea::uninstallRequested);
    installedRow->addWidget(uninstall, 0, Qt::AlignVCenter);

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

    const bool progress = action == Action::Progress || action == Action::SettingUpHomebrew;
    m_progress->setVisible(progress);
    if (progress)
        m_progress->setText(m_content.statusText);
    const bool install = action == Action::Install || (action == Action::Failed && !m_content.buttonTitle.isEmpty());
    m_install->setVisible(install);
    if (install)
        m_install->setText(m_content.buttonTitle);
    m_installed->setVisible(action == Action::Installed);
    m_setUp->setVisible(action == Action::SetUpHomebrew);
}
