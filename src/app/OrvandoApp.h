#pragma once

#include "views/RootView.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class MainWindow;
class QAction;
class QMenuBar;
class UserDefaults;

// The application: opens main windows, each with its own root view and engine, and gives each the
// menus: File with New Window, Close Window and Quit, and a Help menu holding
// "Welcome to Orvando…", "Send Feedback…" and "Show Install Logs". It keeps no state of its own
// beyond its windows.
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

    // Opens and shows a new window, a little below and right of the active one.
    MainWindow *newWindow();
    QList<MainWindow *> windows() const;

    // The Help menu's actions.
    void showWelcomeAgain();
    void sendFeedback();
    // Reveals the folder of the install log files, making it first if no line was written yet.
    void showInstallLogs();
    QString installLogFolder() const;

Q_SIGNALS:
    void windowOpened(MainWindow *window);

private:
    void installMenus(MainWindow *window);

    OptionsFactory m_options;
    UserDefaults *m_defaults;
    QList<QPointer<MainWindow>> m_windows;
};
