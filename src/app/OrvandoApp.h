#pragma once

#include "views/window/RootView.h"

#include <QCoroTask>
#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class CatalogRefresher;
class EngineServices;
class MainWindow;
class OperationCoordinator;
class QAction;
class QMenuBar;
class QMessageBox;
class UserDefaults;

// The application: opens main windows, each with its own root view and engine, and gives each the
// menus: File with New Window, Close Window, "Export my apps…", "Install from file…", "Check for
// updates" (of the apps) and Quit, and a Help menu holding "Welcome to Orvando…", "Send
// Feedback…", "Show Install Logs" and "Check for Updates…" (of Orvando itself; in the application
// menu on the Mac). It owns the one OperationCoordinator all windows' engines share, with the
// services beside it (cask facts, updates) and the catalog refresher, and asks before a quit (menu,
// ⌘Q, closing the last window) would cut an operation off. It keeps no other state beyond its
// windows.
class OrvandoApp : public QObject
{
    Q_OBJECT

public:
    // Builds what each new window's root view works with; the real system by default.
    using OptionsFactory = std::function<RootView::Options()>;

    explicit OrvandoApp(QObject *parent = nullptr);
    OrvandoApp(OptionsFactory options, UserDefaults *defaults, QObject *parent = nullptr);
    ~OrvandoApp() override;

    static QString welcomeTitle(); // "Welcome to Orvando…"
    static QString feedbackTitle(); // "Send Feedback…"
    static QString installLogsTitle(); // "Show Install Logs"
    static QString checkForUpdatesTitle(); // "Check for updates"
    static QString quitQuestion(); // "An install is still running. Quit anyway?"

    OperationCoordinator *coordinator() const { return m_coordinator; }
    EngineServices *services() const { return m_services; }
    // How the program ends once it may; the application's quit by default.
    void setQuitHandler(std::function<void()> quit) { m_quit = std::move(quit); }

    // Opens and shows a new window, a little below and right of the active one.
    MainWindow *newWindow();
    QList<MainWindow *> windows() const;

    // The Help menu's actions.
    void showWelcomeAgain();
    void sendFeedback();
    // Reveals the folder of the install log files, making it first if no line was written yet.
    void showInstallLogs();
    // "Check for Updates…": the updater's own check where Orvando updates itself; elsewhere an
    // alert that says how to update, with a button to the download page.
    void checkForOrvandoUpdates();
    QString installLogFolder() const;

    // Quits at once when nothing runs; otherwise asks quitQuestion() (Cancel by default) and, when
    // confirmed, stops every child process (SIGTERM, then SIGKILL after the grace period) first.
    void requestQuit();

Q_SIGNALS:
    void windowOpened(MainWindow *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void installMenus(MainWindow *window);
    QCoro::Task<> stopAndQuit();

    OptionsFactory m_options;
    UserDefaults *m_defaults;
    OperationCoordinator *m_coordinator;
    EngineServices *m_services;
    CatalogRefresher *m_catalogRefresher;
    bool m_servicesStarted = false;
    std::function<void()> m_quit;
    QPointer<QMessageBox> m_quitAlert;
    QList<QPointer<MainWindow>> m_windows;
};
