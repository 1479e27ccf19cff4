#include "app/OrvandoApp.h"

#include "app/MainWindow.h"
#include "engine/InstallEngine.h"
#include "platform/UrlOpener.h"
#include "platform/UserDefaults.h"
#include "telemetry/Feedback.h"
#include "views/Brand.h"
#include "views/WelcomeView.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
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
{
}

OrvandoApp::~OrvandoApp()
{
    // Windows are top-level widgets with no parent; close what is still open.
    for (const QPointer<MainWindow> &window : std::as_const(m_windows))
        delete window.data();
}

QString OrvandoApp::welcomeTitle()
{
    return u"Welcome to Orvando\u2026"_s;
}

QString OrvandoApp::feedbackTitle()
{
    return u"Send Feedback\u2026"_s;
}

QString OrvandoApp::installLogsTitle()
{
    return u"Show Install Logs"_s;
}

MainWindow *OrvandoApp::newWindow()
{
    RootView::Options options = m_options();
    if (!options.defaults)
        options.defaults = m_defaults;
    auto *window = new MainWindow(std::move(options));
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
    m_defaults->setBool(WelcomeView::hasSeenWelcomeKey(), false);
}

void OrvandoApp::sendFeedback()
{
    // Without a mail application nothing happens, and nothing needs to.
    Feedback::openFeedbackEmail();
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

void OrvandoApp::installMenus(MainWindow *window)
{
    QMenuBar *bar = window->menuBar();
    if (!bar->isNativeMenuBar()) {
        QPalette p = bar->palette();
        p.setColor(QPalette::Window, Brand::n1);
        p.setColor(QPalette::Button, Brand::n1);
        p.setColor(QPalette::ButtonText, Brand::warmBlack);
        bar->setPalette(p);
    }

    QMenu *file = bar->addMenu(u"&File"_s);
    QAction *open = file->addAction(u"New Window"_s, this, [this] { newWindow(); });
    open->setObjectName(u"newWindowAction"_s);
    open->setShortcut(QKeySequence::New);
    QAction *close = file->addAction(u"Close Window"_s, window, &QWidget::close);
    close->setShortcut(QKeySequence::Close);
    file->addSeparator();
    QAction *quit = file->addAction(u"Quit"_s, qApp, &QApplication::quit);
    quit->setShortcut(QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);

    QMenu *help = bar->addMenu(u"&Help"_s);
    help->setObjectName(u"helpMenu"_s);
    QAction *welcome = help->addAction(welcomeTitle(), this, &OrvandoApp::showWelcomeAgain);
    welcome->setMenuRole(QAction::NoRole);
    QAction *feedback = help->addAction(feedbackTitle(), this, &OrvandoApp::sendFeedback);
    feedback->setMenuRole(QAction::NoRole);
    QAction *logs = help->addAction(installLogsTitle(), this, &OrvandoApp::showInstallLogs);
    logs->setObjectName(u"showInstallLogsAction"_s);
    logs->setMenuRole(QAction::NoRole);
}
