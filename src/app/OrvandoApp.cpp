#include "app/OrvandoApp.h"

#include "app/MainWindow.h"
#include "catalog/Catalog.h"
#include "engine/CatalogRefresher.h"
#include "engine/Detached.h"
#include "engine/EngineServices.h"
#include "engine/InstallEngine.h"
#include "engine/OperationCoordinator.h"
#include "engine/facts/UpdateChecker.h"
#include "platform/SettingsKeys.h"
#include "platform/SoftwareUpdater.h"
#include "platform/UrlOpener.h"
#include "platform/UserDefaults.h"
#include "telemetry/Feedback.h"
#include "telemetry/ProductInfo.h"
#include "views/style/BrandStyle.h"
#include "views/window/AppSetTransfer.h"
#include "views/window/MailFallback.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

// How far a new window sits from the one it was opened over.
constexpr int cascade = 22;

} // namespace

OrvandoApp::OrvandoApp(QObject *parent)
    : OrvandoApp([] { return RootView::Options(); }, nullptr, parent)
{
}

OrvandoApp::OrvandoApp(OptionsFactory options, UserDefaults *defaults, QObject *parent)
    : QObject(parent)
    , m_options(std::move(options))
    , m_defaults(defaults ? defaults : &UserDefaults::standard())
    , m_coordinator(new OperationCoordinator(OperationCoordinator::defaultLockFolder(), this))
    , m_services(new EngineServices(m_options().environment, Catalog::active(), m_coordinator))
    , m_catalogRefresher(new CatalogRefresher(m_options().environment, this))
    , m_quit([] { QCoreApplication::quit(); })
{
    // Made now, so the updater's daily check runs from the start.
    SoftwareUpdater::shared();
    RootView::prefetch();
    BrandStyle::install();
}

OrvandoApp::~OrvandoApp()
{
    // Windows are top-level widgets with no parent; close what is still open.
    for (const QPointer<MainWindow> &window : std::as_const(m_windows))
        delete window.data();
}

QString OrvandoApp::welcomeTitle()
{
    return tr("Welcome to Orvando…");
}

QString OrvandoApp::feedbackTitle()
{
    return tr("Send Feedback…");
}

QString OrvandoApp::quitQuestion()
{
    return tr("An install is still running. Quit anyway?");
}

QString OrvandoApp::checkForUpdatesTitle()
{
    //: The File menu item that looks for newer versions of the installed apps.
    return tr("Check for updates");
}

QString OrvandoApp::installLogsTitle()
{
    return tr("Show Install Logs");
}

MainWindow *OrvandoApp::newWindow()
{
    RootView::Options options = m_options();
    if (!options.defaults)
        options.defaults = m_defaults;
    if (!options.coordinator)
        options.coordinator = m_coordinator;
    if (!options.services)
        options.services = m_services;
    auto *window = new MainWindow(std::move(options));
    window->installEventFilter(this);
    installMenus(window);

    const QWidget *active = QApplication::activeWindow();
    if (!active) {
        const QList<MainWindow *> open = windows();
        active = open.isEmpty() ? nullptr : open.last();
    }
    if (active)
        window->move(active->pos() + QPoint(cascade, cascade));

    m_windows.append(window);
    window->show();
    Q_EMIT windowOpened(window);
    return window;
}

QList<MainWindow *> OrvandoApp::windows() const
{
    QList<MainWindow *> open;
    for (const QPointer<MainWindow> &window : m_windows) {
        if (window)
            open.append(window);
    }
    return open;
}

void OrvandoApp::showWelcomeAgain()
{
    // Every window's root view follows the stored flag and presents its welcome sheet.
    m_defaults->setBool(SettingsKeys::hasSeenWelcome(), false);
}

void OrvandoApp::sendFeedback()
{
    if (Feedback::openFeedbackEmail())
        return;
    const QList<MainWindow *> open = windows();
    QWidget *over = QApplication::activeWindow() ? QApplication::activeWindow() : nullptr;
    if (!over && !open.isEmpty())
        over = open.last();
    MailFallback::show(over);
}

void OrvandoApp::requestQuit()
{
    if (!m_coordinator->hasRunningOperations()) {
        m_quit();
        return;
    }
    if (m_quitAlert) {
        m_quitAlert->raise();
        return;
    }
    const QList<MainWindow *> open = windows();
    auto *alert = new QMessageBox(open.isEmpty() ? nullptr : open.last());
    alert->setObjectName(u"confirmQuit"_s);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setIcon(QMessageBox::Warning);
    alert->setTextFormat(Qt::PlainText);
    alert->setText(quitQuestion());
    // Cancel is the safe default: Return and Escape both leave the work running.
    QPushButton *cancel = alert->addButton(tr("Cancel"), QMessageBox::RejectRole);
    QPushButton *quit = alert->addButton(tr("Quit"), QMessageBox::DestructiveRole);
    alert->setDefaultButton(cancel);
    alert->setEscapeButton(cancel);
    connect(alert, &QMessageBox::buttonClicked, this, [this, quit](QAbstractButton *button) {
        if (button == quit)
            startDetached(stopAndQuit());
    });
    m_quitAlert = alert;
    alert->open();
}

QCoro::Task<> OrvandoApp::stopAndQuit()
{
    // brew is asked to stop rather than cut off mid-step; the next start finds on disk what it did.
    const QPointer<OrvandoApp> self(this);
    co_await m_coordinator->stopAll();
    if (self)
        m_quit();
}

bool OrvandoApp::eventFilter(QObject *watched, QEvent *event)
{
    // The facts come from the cache once the first window has painted (reading them, or asking
    // for them, would only delay that frame), and are read again in the background when a day
    // old; updates are looked for after each window's installed-state refresh.
    if (event->type() == QEvent::Paint && !m_servicesStarted) {
        m_servicesStarted = true;
        m_services->start();
        m_catalogRefresher->start();
    }
    // Closing the last window quits, so it asks first like the Quit command.
    if (event->type() == QEvent::Close && QApplication::quitOnLastWindowClosed()
        && m_coordinator->hasRunningOperations()
        && windows() == QList<MainWindow *> { qobject_cast<MainWindow *>(watched) }) {
        event->ignore();
        requestQuit();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

QString OrvandoApp::installLogFolder() const
{
    // Every window's engine writes to the same folder; without a window, where one would.
    const QList<MainWindow *> open = windows();
    if (!open.isEmpty())
        return open.constFirst()->rootView()->engine()->environment().logDir;
    return m_options().environment.logDir;
}

void OrvandoApp::showInstallLogs()
{
    const QString folder = installLogFolder();
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return;
    UrlOpener::open(QUrl::fromLocalFile(folder));
}

void OrvandoApp::checkForOrvandoUpdates()
{
    SoftwareUpdater &updater = SoftwareUpdater::shared();
    if (updater.updatesItself()) {
        updater.checkForUpdates();
        return;
    }
    const QList<MainWindow *> open = windows();
    QWidget *over = QApplication::activeWindow();
    if (!over && !open.isEmpty())
        over = open.last();
    auto *alert = new QMessageBox(over);
    alert->setObjectName(u"howToUpdate"_s);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setIcon(QMessageBox::Information);
    alert->setTextFormat(Qt::PlainText);
    //: The title of the alert about updating Orvando itself.
    alert->setWindowTitle(tr("Check for Updates"));
    alert->setText(tr("This copy of Orvando does not update itself."));
    alert->setInformativeText(updater.howToUpdate());
    QPushButton *download = alert->addButton(tr("Open Download Page"), QMessageBox::AcceptRole);
    alert->setDefaultButton(alert->addButton(QMessageBox::Ok));
    connect(alert, &QMessageBox::buttonClicked, this, [download](QAbstractButton *button) {
        if (button == download)
            UrlOpener::open(QUrl(ProductInfo::website()));
    });
    alert->open();
}

void OrvandoApp::installMenus(MainWindow *window)
{
    QMenuBar *bar = window->menuBar();

    QMenu *file = bar->addMenu(tr("&File"));
    QAction *open = file->addAction(tr("New Window"), this, [this] { newWindow(); });
    open->setObjectName(u"newWindowAction"_s);
    open->setShortcut(QKeySequence::New);
    QAction *close = file->addAction(tr("Close Window"), window, &QWidget::close);
    close->setShortcut(QKeySequence::Close);
    file->addSeparator();
    RootView *root = window->rootView();
    QAction *exportApps
        = file->addAction(AppSetTransfer::exportTitle(), root, [root] { AppSetTransfer::chooseExportFile(root); });
    exportApps->setObjectName(u"exportAppsAction"_s);
    QAction *importApps
        = file->addAction(AppSetTransfer::importTitle(), root, [root] { AppSetTransfer::chooseImportFile(root); });
    importApps->setObjectName(u"installFromFileAction"_s);
    file->addSeparator();
    QAction *check = file->addAction(checkForUpdatesTitle(), m_services->updates(), &UpdateChecker::checkNow);
    check->setObjectName(u"checkForUpdatesAction"_s);
    // Stays in File on the Mac too: the application menu's "Check for Updates…" is Orvando's own.
    check->setMenuRole(QAction::NoRole);
    check->setEnabled(!m_services->updates()->isChecking());
    connect(m_services->updates(), &UpdateChecker::checkingChanged, check,
        [check](bool checking) { check->setEnabled(!checking); });
    file->addSeparator();
    //: The File menu item.
    QAction *quit = file->addAction(tr("Quit"), this, &OrvandoApp::requestQuit);
    quit->setShortcut(QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);

    QMenu *help = bar->addMenu(tr("&Help"));
    help->setObjectName(u"helpMenu"_s);
    QAction *welcome = help->addAction(welcomeTitle(), this, &OrvandoApp::showWelcomeAgain);
    welcome->setMenuRole(QAction::NoRole);
    QAction *feedback = help->addAction(feedbackTitle(), this, &OrvandoApp::sendFeedback);
    feedback->setMenuRole(QAction::NoRole);
    QAction *logs = help->addAction(installLogsTitle(), this, &OrvandoApp::showInstallLogs);
    logs->setObjectName(u"showInstallLogsAction"_s);
    logs->setMenuRole(QAction::NoRole);
    help->addSeparator();
    QAction *update = help->addAction(SoftwareUpdater::menuTitle(), this, &OrvandoApp::checkForOrvandoUpdates);
    update->setObjectName(u"checkForOrvandoUpdatesAction"_s);
    // The Mac's place for it: the application menu, below About.
    update->setMenuRole(QAction::ApplicationSpecificRole);
}
