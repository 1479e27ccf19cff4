#include "app/MainWindow.h"
#include "app/OrvandoApp.h"
#include "engine/InstallEngine.h"
#include "platform/UserDefaults.h"
#include "support/Sandbox.h"
#include "views/WelcomeView.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Help › "Show Install Logs" reveals the folder every window writes its log files to.
class TestShowInstallLogs : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void openURL(const QUrl &url) { m_opened.append(url); }

private Q_SLOTS:
    void revealsTheLogFolder_data();
    void revealsTheLogFolder();

private:
    QList<QUrl> m_opened;
};

void TestShowInstallLogs::revealsTheLogFolder_data()
{
    QTest::addColumn<bool>("withWindow");
    QTest::newRow("from a window") << true;
    QTest::newRow("before any window") << false;
}

void TestShowInstallLogs::revealsTheLogFolder()
{
    QFETCH(bool, withWindow);
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setQuitOnLastWindowClosed(false);
    QTemporaryDir dir;
    Sandbox sandbox;
    UserDefaults defaults(dir.filePath(u"defaults.ini"_s));
    defaults.setBool(WelcomeView::hasSeenWelcomeKey(), true);
    // Not made yet: nothing has been logged on this Mac.
    const QString folder = sandbox.root() + u"/Library/Logs/Orvando"_s;
    OrvandoApp app(
        [&] {
            RootView::Options options;
            options.environment = sandbox.environment();
            options.environment.logDir = folder;
            return options;
        },
        &defaults);
    m_opened.clear();
    QDesktopServices::setUrlHandler(u"file"_s, this, "openURL");

    if (withWindow) {
        MainWindow *window = app.newWindow();
        QMenu *help = window->menuBar()->findChild<QMenu *>(u"helpMenu"_s);
        QVERIFY(help);
        QAction *show = help->findChild<QAction *>(u"showInstallLogsAction"_s);
        QVERIFY(show);
        QCOMPARE(show->text(), u"Show Install Logs"_s);
        window->rootView()->engine()->appendLog(u"==> Opening Maccy"_s, u"maccy"_s);
        show->trigger();
    } else {
        app.showInstallLogs();
    }
    QDesktopServices::unsetUrlHandler(u"file"_s);

    QCOMPARE(m_opened, QList<QUrl> { QUrl::fromLocalFile(folder) });
    QVERIFY(QFileInfo(folder).isDir());
}

QTEST_MAIN(TestShowInstallLogs)
#include "TestShowInstallLogs.moc"
