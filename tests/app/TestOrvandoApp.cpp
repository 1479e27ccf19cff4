// The application object: its windows and their menus, what it does before it quits with work
// running, and how it is installed; and the password prompt it ships beside it.
#include "askpass/AskpassDialog.h"

#include "app/MainWindow.h"
#include "app/OrvandoApp.h"
#include "engine/EngineServices.h"
#include "engine/InstallEngine.h"
#include "engine/facts/UpdateChecker.h"
#include "platform/SettingsKeys.h"
#include "platform/UrlOpener.h"
#include "platform/UserDefaults.h"
#include "support/EngineTestKit.h"
#include "support/FakeSoftwareUpdater.h"
#include "support/Sandbox.h"
#include "telemetry/ProductInfo.h"
#include "views/settings/SelfRemoval.h"
#include "views/style/ResourceBundle.h"
#include "views/window/RootView.h"
#include "views/window/WelcomePresenter.h"
#include "views/window/WelcomeView.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QAbstractButton *button(QMessageBox *alert, const QString &text)
{
    for (QAbstractButton *candidate : alert->buttons())
        if (candidate->text() == text)
            return candidate;
    return nullptr;
}

QList<QAction *> menu(MainWindow *window, const QString &title)
{
    for (QAction *entry : window->menuBar()->actions())
        if (entry->menu() && entry->text().remove(u'&') == title)
            return entry->menu()->actions();
    return {};
}

QAction *action(MainWindow *window, const QString &menuTitle, const QString &text)
{
    for (QAction *entry : menu(window, menuTitle))
        if (entry->text() == text)
            return entry;
    qFatal("no menu item %s", qPrintable(text));
}

// The application over a sandbox, past the welcome sheet; its windows log to a folder not made yet.
struct SandboxApp
{
    SandboxApp() { defaults.setBool(SettingsKeys::hasSeenWelcome(), true); }
    RootView::Options options() const
    {
        RootView::Options sandboxed;
        sandboxed.environment = sandbox.environment();
        sandboxed.environment.logDir = logFolder();
        return sandboxed;
    }
    QString logFolder() const { return sandbox.root() + u"/Library/Logs/Orvando"_s; }

    Sandbox sandbox;
    UserDefaults defaults { sandbox.root() + u"/defaults.ini"_s };
    OrvandoApp app { [this] { return options(); }, &defaults };
};

} // namespace

class TestOrvandoApp : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void openURL(const QUrl &url) { m_opened.append(url); }

private:
    std::unique_ptr<SandboxApp> m_sandboxed;
    OrvandoApp *m_app = nullptr;
    QList<QUrl> m_opened;

private Q_SLOTS:
    void initTestCase()
    {
        QDesktopServices::setUrlHandler(u"mailto"_s, this, "openURL");
        QDesktopServices::setUrlHandler(u"file"_s, this, "openURL");
        QDesktopServices::setUrlHandler(u"https"_s, this, "openURL");
    }
    void init()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        m_opened.clear();
        m_sandboxed = std::make_unique<SandboxApp>();
        m_app = &m_sandboxed->app;
    }
    void cleanup() { m_sandboxed.reset(); }

    // Help › "Show Install Logs" reveals the folder every window writes its log files to, made when
    // nothing has been logged yet, also before any window.
    void windowHasItsTitleSizeAndMenus()
    {
        m_app->showInstallLogs();
        const QUrl logs = QUrl::fromLocalFile(m_sandboxed->logFolder());
        QCOMPARE(m_opened, QList<QUrl> { logs });
        QVERIFY(QFileInfo(m_sandboxed->logFolder()).isDir());
        MainWindow *window = m_app->newWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->windowTitle(), u"orvando"_s);
        QCOMPARE(window->size(), QSize(1000, 680));
        window->resize(400, 300); // no smaller than the content allows
        QVERIFY(window->rootView()->width() >= 900 && window->rootView()->height() >= 600);
        const QList<QAction *> help = menu(window, u"Help"_s);
        QStringList items;
        for (QAction *item : help)
            items << item->text() + (item->shortcuts().isEmpty() ? QString() : u" (shortcut)"_s);
        QCOMPARE(items,
            (QStringList { u"Welcome to Orvando…"_s, u"Send Feedback…"_s, u"Show Install Logs"_s, QString(),
                u"Check for Updates…"_s }));
        QCOMPARE(action(window, u"File"_s, u"New Window"_s)->shortcut(), QKeySequence(QKeySequence::New));
        action(window, u"Help"_s, u"Send Feedback…"_s)->trigger();
        QCOMPARE(m_opened.size(), 2);
        QVERIFY(m_opened.last().toString().startsWith(u"mailto:hello@orvando.app?subject="_s));
        // Without a mail app to take it, an alert says where to write.
        UrlOpener::setOpener([](const QUrl &) { return false; });
        action(window, u"Help"_s, OrvandoApp::feedbackTitle())->trigger();
        UrlOpener::setOpener({});
        QMessageBox *alert = window->findChild<QMessageBox *>(u"mailFallback"_s);
        QVERIFY(alert && alert->isVisible() && button(alert, u"Copy address"_s));
        QCOMPARE(alert->text(), u"No mail app opened. Write to "_s + ProductInfo::supportEmail() + u"."_s);
        window->rootView()->engine()->appendLog(u"==> Opening Maccy"_s, u"maccy"_s);
        action(window, u"Help"_s, u"Show Install Logs"_s)->trigger();
        QCOMPARE(m_opened.last(), logs);
    }

    // Homebrew is asked about the apps once the window has painted, and for updates after its
    // refresh; "Check for updates" asks again at once, however recent the last check.
    void servicesAskBrewAndCheckForUpdatesAsksAgain()
    {
        QVERIFY(m_sandboxed->sandbox.installFakeBrew());
        MainWindow *window = m_app->newWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const auto calls = [this](const char *command) {
            return m_sandboxed->sandbox.brewCalls().filter(QString::fromLatin1(command)).size();
        };
        QTRY_COMPARE_WITH_TIMEOUT(calls("info --json=v2 --cask"), 1, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(calls("outdated --cask"), 1, 20000);
        QTRY_VERIFY(!m_app->services()->updates()->isChecking());
        action(window, u"File"_s, OrvandoApp::checkForUpdatesTitle())->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(calls("outdated --cask"), 2, 20000);
    }

    // Orvando's own update: an alert that says how, with the download page a click away, or the
    // updater's check where it updates itself. On the Mac the item sits in the application menu, and
    // the apps' "Check for updates" stays in File so the two are not side by side.
    void checkForUpdatesSaysHowOrUpdates()
    {
        MainWindow *window = m_app->newWindow();
        QAction *check = action(window, u"Help"_s, u"Check for Updates…"_s);
        QCOMPARE(check->menuRole(), QAction::ApplicationSpecificRole);
        QCOMPARE(action(window, u"File"_s, u"Check for updates"_s)->menuRole(), QAction::NoRole);
        check->trigger();
        auto *alert = window->findChild<QMessageBox *>(u"howToUpdate"_s);
        QVERIFY(alert && alert->isVisible());
        QCOMPARE(alert->informativeText(), SoftwareUpdater::shared().howToUpdate());
        QTest::mouseClick(button(alert, u"Open Download Page"_s), Qt::LeftButton);
        QCOMPARE(m_opened, QList<QUrl> { QUrl(ProductInfo::website()) });

        FakeSoftwareUpdater updater;
        SoftwareUpdater::setShared(&updater);
        check->trigger();
        SoftwareUpdater::setShared(nullptr);
        QCOMPARE(updater.checks, 1);
    }

    // Filters, drawer and log belong to one window each; a closed window is gone.
    void newWindowIsIndependent()
    {
        MainWindow *first = m_app->newWindow();
        action(first, u"File"_s, u"New Window"_s)->trigger();
        QCOMPARE(m_app->windows().size(), 2);
        QPointer<MainWindow> second = m_app->windows().last();
        QVERIFY(QTest::qWaitForWindowExposed(second));
        QCOMPARE(second->size(), QSize(1000, 680));
        QVERIFY(second->rootView()->engine() != first->rootView()->engine());
        first->rootView()->chooseAllApps();
        first->rootView()->engine()->appendLog(u"==> only here"_s, u"maccy"_s);
        QVERIFY(!second->rootView()->showAllApps());
        QCOMPARE(second->rootView()->engine()->log()->rowCount(), 0);
        action(second, u"File"_s, u"Close Window"_s)->trigger();
        QTRY_VERIFY(second.isNull());
        QCOMPARE(m_app->windows(), QList<MainWindow *>({ first }));
    }

    // Shown in every open window, once each; dismissed in one, closed in all; shown again later.
    void welcomeItemShowsTheSheetInEveryWindow()
    {
        MainWindow *first = m_app->newWindow(), *second = m_app->newWindow();
        QVERIFY(QTest::qWaitForWindowExposed(second));
        WelcomePresenter *one = first->rootView()->welcomePresenter(), *two = second->rootView()->welcomePresenter();
        QVERIFY(!one->sheet() && !two->sheet());
        action(second, u"Help"_s, u"Welcome to Orvando…"_s)->trigger();
        QTRY_VERIFY(one->sheet() && two->sheet());
        QPointer<WelcomeView> sheet = one->sheet();
        action(first, u"Help"_s, u"Welcome to Orvando…"_s)->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(first->rootView()->findChildren<WelcomeView *>(), QList<WelcomeView *> { sheet.data() });
        sheet->reject();
        QVERIFY(m_sandboxed->defaults.boolValue(SettingsKeys::hasSeenWelcome()));
        QTRY_VERIFY(!two->sheet());
        action(first, u"Help"_s, u"Welcome to Orvando…"_s)->trigger();
        QTRY_VERIFY(one->sheet());
    }

    void quitAsksWhileWorkRuns_data()
    {
        QTest::addColumn<bool>("running");
        QTest::addColumn<bool>("byClosing"); // the last window, rather than the Quit command
        QTest::newRow("nothing running: quits at once") << false << false;
        QTest::newRow("Quit stops brew first") << true << false;
        QTest::newRow("closing the last window asks too") << true << true;
    }
    void quitAsksWhileWorkRuns()
    {
        QFETCH(bool, running);
        QFETCH(bool, byClosing);
        QApplication::setQuitOnLastWindowClosed(true);
        // A brew whose install ignores the polite request: only SIGKILL ends it. Its other commands
        // (the background facts and update checks) fail at once.
        const QString terms = m_sandboxed->sandbox.root() + u"/terms"_s;
        QVERIFY(Sandbox::writeFile(m_sandboxed->sandbox.brewPath(),
            "#!/bin/sh\n[ \"$1\" = install ] || exit 1\ntrap 'echo TERM >> \"" + terms.toUtf8()
                + "\"' TERM\necho '==> Downloading maccy'\nwhile :; do sleep 0.05; done\n",
            true));
        int quits = 0;
        m_app->setQuitHandler([&quits] { ++quits; });
        m_app->coordinator()->setStopGrace(std::chrono::milliseconds(300));
        MainWindow *window = m_app->newWindow();
        InstallEngine *engine = window->rootView()->engine();
        if (running) {
            startDetached(engine->install(EngineTestKit::maccy()));
            QTRY_VERIFY(EngineTestKit::logTexts(*engine).contains(u"==> Downloading maccy"_s));
        }

        if (byClosing)
            window->close();
        else
            action(window, u"File"_s, u"Quit"_s)->trigger();
        if (!running) {
            QCOMPARE(quits, 1);
            return;
        }
        QMessageBox *alert = window->findChild<QMessageBox *>(u"confirmQuit"_s);
        QVERIFY(alert && alert->isVisible() && window->isVisible());
        QCOMPARE(alert->text(), OrvandoApp::quitQuestion());
        QCOMPARE(alert->defaultButton(), button(alert, u"Cancel"_s));
        QCOMPARE(quits, 0);
        QTest::mouseClick(button(alert, u"Quit"_s), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(quits, 1, 10000);
        // brew was asked first, then ended without its consent.
        QVERIFY(EngineTestKit::fileBytes(terms).startsWith("TERM"));
        QTRY_COMPARE(engine->state(u"maccy"_s)->kind, InstallState::Kind::Failed);
    }

    // The build installed with the real `cmake --install`: the program, its helper and its resource
    // bundle land where they are looked for, and only a prefix of the program's own is marked for
    // self-removal.
    void installPlacesProgramAndResources_data()
    {
        QTest::addColumn<QString>("prefixName");
        QTest::addColumn<bool>("marked");
        QTest::newRow("a versioned prefix of its own") << u"Orvando-1.0"_s << true;
        QTest::newRow("a user's shared prefix") << u".local"_s << false;
    }
    void installPlacesProgramAndResources()
    {
        QFETCH(QString, prefixName);
        QFETCH(bool, marked);
        if (!QFileInfo(QStringLiteral(ORVANDO_BINARY_DIR "/src/app/orvando-askpass")).isExecutable())
            QSKIP("the programs are not built in this build folder");
        const QString prefix = m_sandboxed->sandbox.root() + u'/' + prefixName;
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(u"cmake"_s, { u"--install"_s, QStringLiteral(ORVANDO_BINARY_DIR), u"--prefix"_s, prefix });
        QVERIFY(install.waitForFinished(120000));
        QVERIFY2(install.exitCode() == 0, install.readAll().constData());
        QVERIFY(QFileInfo(prefix + u"/bin/orvando"_s).isExecutable());
        QVERIFY(QFileInfo(prefix + u"/bin/orvando-askpass"_s).isExecutable());
        QVERIFY(ResourceBundle::searchPaths(prefix + u"/bin"_s)
                    .contains(prefix + u"/share/orvando/"_s + ResourceBundle::name()));
        QVERIFY(!QDir(prefix + u"/share/orvando/"_s + ResourceBundle::name()).isEmpty());
        QCOMPARE(SelfRemoval::isOwnInstallation(prefix), marked);
    }

    // The password prompt sudo runs for Homebrew: the app it asks for, and what it writes for each
    // way of answering it.
    void writesExactlyTheTypedPasswordOrNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("how"); // OK button, Return, Cancel button, Escape, window closed
        QTest::addColumn<int>("status");
        const QString app = u"Shutter Encoder"_s;
        QTest::newRow("spaces kept, OK button") << app << u"  two words  "_s << 0 << 0;
        QTest::newRow("non-ASCII, Return, no app named") << QString() << u"pässwörd–ß✓"_s << 1 << 0;
        QTest::newRow("Cancel button") << app << u"typed"_s << 2 << 1;
        QTest::newRow("Escape") << app << u"typed"_s << 3 << 1;
        QTest::newRow("window closed") << app << u"typed"_s << 4 << 1;
    }
    void writesExactlyTheTypedPasswordOrNothing()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(int, how);
        QFETCH(int, status);
        AskpassDialog dialog(name);
        QStringList labels;
        for (QLabel *label : dialog.findChildren<QLabel *>())
            labels.append(label->text());
        QVERIFY2(
            labels.contains(name.isEmpty() ? u"Homebrew needs your Mac password to continue."_s
                                           : u"Homebrew needs your Mac password to finish with Shutter Encoder."_s),
            qPrintable(labels.join(u" | "_s)));
        QCOMPARE(dialog.passwordField()->echoMode(), QLineEdit::Password);
        QTimer::singleShot(0, &dialog, [&] {
            for (const QChar c : typed) { // QTest::keyClicks knows ASCII only
                QTest::sendKeyEvent(QTest::Press, dialog.passwordField(), Qt::Key_unknown, QString(c), Qt::NoModifier);
                QTest::sendKeyEvent(
                    QTest::Release, dialog.passwordField(), Qt::Key_unknown, QString(c), Qt::NoModifier);
            }
            if (how == 0 || how == 2)
                QTest::mouseClick(how == 0 ? dialog.okButton() : dialog.cancelButton(), Qt::LeftButton);
            else if (how == 4)
                dialog.close();
            else
                QTest::keyClick(dialog.passwordField(), how == 1 ? Qt::Key_Return : Qt::Key_Escape);
        });
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QCOMPARE(dialog.run(out), status);
        QCOMPARE(QString::fromUtf8(out.data()), status ? QString() : typed + u'\n');
        QVERIFY(status || dialog.passwordField()->text().isEmpty());
    }
};

QTEST_MAIN(TestOrvandoApp)
#include "TestOrvandoApp.moc"
