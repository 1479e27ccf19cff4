// What the application does before it quits with work running, and when no mail app opens.
#include "app/MainWindow.h"
#include "app/OrvandoApp.h"
#include "engine/InstallEngine.h"
#include "platform/UrlOpener.h"
#include "platform/UserDefaults.h"
#include "support/EngineTestKit.h"
#include "support/Sandbox.h"
#include "telemetry/ProductInfo.h"
#include "views/WelcomeView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QAbstractButton *button(QMessageBox *alert, const QString &text)
{
    for (QAbstractButton *candidate : alert->buttons())
        if (candidate->text() == text)
            return candidate;
    return nullptr;
}

void trigger(MainWindow *window, const QString &text)
{
    for (QAction *entry : window->menuBar()->actions())
        for (QAction *item : entry->menu() ? entry->menu()->actions() : QList<QAction *>())
            if (item->text() == text)
                item->trigger();
}

// The application over a sandbox, past the welcome sheet.
struct SandboxApp
{
    SandboxApp() { defaults.setBool(WelcomeView::hasSeenWelcomeKey(), true); }
    RootView::Options options() const
    {
        RootView::Options sandboxed;
        sandboxed.environment = sandbox.environment();
        return sandboxed;
    }

    Sandbox sandbox;
    UserDefaults defaults { sandbox.root() + u"/defaults.ini"_s };
    OrvandoApp app { [this] { return options(); }, &defaults };
};

} // namespace

class TestAppGuards : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void quitAsksWhileWorkRuns_data();
    void quitAsksWhileWorkRuns();
    void feedbackWithoutAMailAppSaysWhereToWrite();
};

void TestAppGuards::quitAsksWhileWorkRuns_data()
{
    QTest::addColumn<bool>("running");
    QTest::addColumn<bool>("byClosing"); // the last window, rather than the Quit command
    QTest::newRow("nothing running: quits at once") << false << false;
    QTest::newRow("Quit stops brew first") << true << false;
    QTest::newRow("closing the last window asks too") << true << true;
}

void TestAppGuards::quitAsksWhileWorkRuns()
{
    QFETCH(bool, running);
    QFETCH(bool, byClosing);
    SandboxApp sandboxed;
    // A brew whose install ignores the polite request: only SIGKILL ends it. Its other commands
    // (the background facts and update checks) fail at once.
    const QString terms = sandboxed.sandbox.root() + u"/terms"_s;
    QVERIFY(Sandbox::writeFile(sandboxed.sandbox.brewPath(),
        "#!/bin/sh\n[ \"$1\" = install ] || exit 1\ntrap 'echo TERM >> \"" + terms.toUtf8()
            + "\"' TERM\necho '==> Downloading maccy'\nwhile :; do sleep 0.05; done\n",
        true));
    OrvandoApp &app = sandboxed.app;
    int quits = 0;
    app.setQuitHandler([&quits] { ++quits; });
    app.coordinator()->setStopGrace(std::chrono::milliseconds(300));
    MainWindow *window = app.newWindow();
    InstallEngine *engine = window->rootView()->engine();
    if (running) {
        InstallEngine::startDetached(engine->install(EngineTestKit::maccy()));
        QTRY_VERIFY(EngineTestKit::logTexts(*engine).contains(u"==> Downloading maccy"_s));
    }

    if (byClosing)
        window->close();
    else
        trigger(window, u"Quit"_s);
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
    QFile asked(terms);
    QVERIFY(asked.open(QIODevice::ReadOnly) && asked.readAll().startsWith("TERM"));
    QTRY_COMPARE(engine->state(u"maccy"_s)->kind, InstallState::Kind::Failed);
}

void TestAppGuards::feedbackWithoutAMailAppSaysWhereToWrite()
{
    SandboxApp sandboxed;
    MainWindow *window = sandboxed.app.newWindow();
    UrlOpener::setOpener([](const QUrl &) { return false; });
    trigger(window, OrvandoApp::feedbackTitle());
    UrlOpener::setOpener({});

    QMessageBox *alert = window->findChild<QMessageBox *>(u"mailFallback"_s);
    QVERIFY(alert && alert->isVisible());
    QCOMPARE(alert->text(), u"No mail app opened. Write to "_s + ProductInfo::supportEmail() + u"."_s);
    QVERIFY(button(alert, u"Copy address"_s));
}

QTEST_MAIN(TestAppGuards)
#include "TestAppGuards.moc"
