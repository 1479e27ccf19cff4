#include "views/AppCardActionArea.h"

#include "engine/InstallEngine.h"
#include "views/Brand.h"
#include "views/ButtonLooks.h"
#include "views/DisclosureButton.h"
#include "views/HomebrewSetupPanel.h"
#include "views/InstallGuidancePanel.h"
#include "views/PrivacySettings.h"
#include "views/RevealContainer.h"
#include "views/ShapedButton.h"
#include "views/SpinnerRow.h"
#include "views/SymbolLabel.h"
#include "views/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using Action = AppCardContent::Action;

AppCardActionArea::AppCardActionArea(const CatalogApp &app, InstallEngine *engine, QWidget *parent)
    : QWidget(parent)
    , m_app(app)
    , m_engine(engine)
{
    setObjectName(u"actionArea"_s);
    m_progress = new SpinnerRow;
    m_progress->setObjectName(u"progressRow"_s);

    // The installed row and the Homebrew panel are built the first time they are needed: most
    // cards never show either, and building them for every card slows the window's first frame.
    m_area = new QVBoxLayout(this);
    m_area->setContentsMargins(0, 0, 0, 0);
    m_area->setSpacing(0);
    m_area->addWidget(m_progress);
    m_area->addWidget(buildInstallBox());

    if (engine) {
        connect(engine, &InstallEngine::stateChanged, this, [this](const QString &appID) {
            if (appID == m_app.id)
                refresh();
        });
        connect(engine, &InstallEngine::bootstrapInProgressChanged, this, &AppCardActionArea::refresh);
        connect(engine, &InstallEngine::permissionNotesChanged, this, &AppCardActionArea::refresh);
    }
    refresh();
}

QWidget *AppCardActionArea::buildInstallBox()
{
    m_installBox = new QWidget;
    m_installLayout = new QVBoxLayout(m_installBox);
    m_installLayout->setContentsMargins(0, 0, 0, 0);
    m_failure = Typography::label(QString(), 12, QFont::Normal, Brand::deepTerra, true);
    m_failure->setObjectName(u"failureMessage"_s);
    m_install = new ShapedButton(u"Install"_s, ButtonLooks::install(16));
    m_install->setObjectName(u"installButton"_s);
    connect(m_install, &ShapedButton::clicked, this, &AppCardActionArea::installRequested);

    m_permissionNote = new QWidget;
    m_permissionNote->setObjectName(u"permissionNote"_s);
    auto *note = new QVBoxLayout(m_permissionNote);
    note->setContentsMargins(0, 0, 0, 0);
    note->setSpacing(6);
    m_permissionText = Typography::label(QString(), 12, QFont::Normal, Brand::n3, true);
    note->addWidget(m_permissionText);
    auto *open = new ShapedButton(u"Open Accessibility settings"_s, ButtonLooks::link(u"arrow.up.forward.app"_s));
    open->setObjectName(u"openAccessibilityButton"_s);
    connect(open, &ShapedButton::clicked, this, [] { PrivacySettings::openAccessibility(); });
    note->addWidget(open, 0, Qt::AlignLeft);

    m_showInLog = new ShapedButton(u"Show in log"_s, ButtonLooks::link(QString()));
    m_showInLog->setObjectName(u"showInLogButton"_s);
    m_showInLog->setToolTip(u"Open the install log at the lines that explain what went wrong."_s);
    connect(m_showInLog, &ShapedButton::clicked, this, [this] { Q_EMIT showInLogRequested(m_content.logLine); });
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    buttons->addWidget(m_install, 0, Qt::AlignVCenter);
    buttons->addWidget(m_showInLog, 0, Qt::AlignVCenter);
    buttons->addStretch();

    m_installLayout->addWidget(m_failure);
    m_installLayout->addLayout(buttons);
    m_installLayout->addWidget(m_permissionNote);
    return m_installBox;
}

QWidget *AppCardActionArea::buildInstalledBox()
{
    m_installedBox = new QWidget;
    m_installedBox->setObjectName(u"installedBox"_s);
    auto *box = new QVBoxLayout(m_installedBox);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(10);

    auto *row = new QHBoxLayout;
    row->addWidget(new SymbolLabel(u"checkmark"_s, u"Installed"_s, Typography::font(14, QFont::Medium), Brand::forest),
        0, Qt::AlignVCenter);
    row->addStretch();
    auto *uninstall = new ShapedButton(u"Uninstall"_s, ButtonLooks::uninstall());
    uninstall->setObjectName(u"uninstallButton"_s);
    uninstall->setToolTip(u"Remove "_s + m_app.name + u" and its leftover files from this Mac."_s);
    connect(uninstall, &ShapedButton::clicked, this, &AppCardActionArea::uninstallRequested);
    row->addWidget(uninstall, 0, Qt::AlignVCenter);
    box->addLayout(row);

    m_disclosure = new DisclosureButton(u"Need help opening it?"_s);
    m_disclosure->setObjectName(u"guidanceDisclosure"_s);
    m_disclosure->setToolTip(u"Show the steps for opening "_s + m_app.name + u" the first time."_s);
    box->addWidget(m_disclosure);
    auto *panel = new InstallGuidancePanel(m_app);
    connect(panel, &InstallGuidancePanel::launchRequested, this, &AppCardActionArea::launchRequested);
    m_guidance = new RevealContainer(panel);
    box->addWidget(m_guidance);
    // Shown and hidden only here; a state change leaves it as the user set it.
    connect(m_disclosure, &DisclosureButton::toggled, m_guidance, [this](bool on) { m_guidance->setRevealed(on); });
    return m_installedBox;
}

bool AppCardActionArea::showGuidance() const
{
    return m_disclosure && m_disclosure->isChecked();
}

HomebrewSetupPanel *AppCardActionArea::homebrewPanel()
{
    if (!m_homebrew) {
        m_homebrew = new HomebrewSetupPanel(m_app.name);
        connect(m_homebrew, &HomebrewSetupPanel::setUpRequested, this, &AppCardActionArea::setUpHomebrewRequested);
        m_area->addWidget(m_homebrew);
    }
    return m_homebrew;
}

void AppCardActionArea::refresh()
{
    AppCardContent::Flags flags;
    std::optional<InstallState> state;
    if (m_engine) {
        flags.permissionNote = m_engine->hasPermissionNote(m_app.id);
        flags.bootstrapInProgress = m_engine->bootstrapInProgress();
        state = m_engine->state(m_app.id);
    }
    m_content = AppCardContent::make(m_app, state, flags);
    const Action action = m_content.action;

    m_progress->setVisible(action == Action::Progress);
    if (action == Action::Progress)
        m_progress->setText(m_content.statusText);

    const bool installBox = action == Action::Install || action == Action::Failed;
    m_installBox->setVisible(installBox);
    if (installBox) {
        m_installLayout->setSpacing(action == Action::Failed ? 4 : 8);
        m_failure->setVisible(action == Action::Failed);
        m_failure->setText(m_content.statusText);
        m_install->setText(m_content.buttonTitle);
        m_install->setVisible(!m_content.buttonTitle.isEmpty());
        m_showInLog->setVisible(!m_content.logButtonTitle.isEmpty());
        m_permissionNote->setVisible(!m_content.permissionNote.isEmpty());
        m_permissionText->setText(m_content.permissionNote);
    }

    const bool installed = action == Action::Installed;
    if (installed && !m_installedBox)
        m_area->addWidget(buildInstalledBox());
    if (m_installedBox)
        m_installedBox->setVisible(installed);
    const bool homebrew = action == Action::SetUpHomebrew || action == Action::SettingUpHomebrew;
    if (homebrew)
        homebrewPanel()->setBootstrapInProgress(action == Action::SettingUpHomebrew);
    if (m_homebrew)
        m_homebrew->setVisible(homebrew);
}
