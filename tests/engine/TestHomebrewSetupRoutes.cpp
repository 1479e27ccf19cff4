#include "engine/HomebrewSetupCommand.h"
#include "engine/InstallEngine.h"
#include "support/EngineTestKit.h"
#include "support/LocalHttpServer.h"
#include "support/Sandbox.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;

namespace {

const QString settingUp = u"==> Setting up Homebrew (one-time). macOS will ask for your password once."_s;
const QString ready = u"🍺  Homebrew is ready. From now on installs are silent."_s;

// Opens the script route to the test (the package route has tests of its own).
class Engine : public InstallEngine
{
public:
    using InstallEngine::InstallEngine;
    using InstallEngine::runHomebrewInstallScript;
};

QByteArray quoted(const QString &path)
{
    return HomebrewSetupCommand::shellQuoted(path).toUtf8();
}

// Puts the fake brew aside, where a setup can fetch it from, so none is found before the setup.
QString stageFakeBrew(const Sandbox &sandbox)
{
    const QString staged = sandbox.root() + u"/staged-brew"_s;
    if (!sandbox.installFakeBrew() || !sandbox.registerCask(u"maccy"_s, u"Maccy"_s, u"org.p0deje.Maccy"_s)
        || !QFile::rename(sandbox.brewPath(), staged))
        return {};
    return staged;
}

} // namespace

class TestHomebrewSetupRoutes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void runsTheInstallScriptAndStreamsItsOutput();
    void reportsAFailingInstallScript_data();
    void reportsAFailingInstallScript();
};

void TestHomebrewSetupRoutes::runsTheInstallScriptAndStreamsItsOutput()
{
    Sandbox sandbox;
    const QString staged = stageFakeBrew(sandbox);
    QVERIFY(!staged.isEmpty());
    // Every character that could break out of a quoted path.
    Environment env = sandbox.environment();
    env.tempDir = sandbox.root() + u"/tmp it's \"odd\" \\ $HOME `id`"_s;
    QVERIFY(QDir().mkpath(env.tempDir));
    const QString go = sandbox.root() + u"/go"_s;
    const QByteArray script = "#!/bin/bash\n"
                              "echo '==> Checking for `sudo` access (which may request your password)...'\n"
                              "echo \"NONINTERACTIVE=$NONINTERACTIVE\"\n"
                              "echo\n"
                              "n=0; while [ ! -f "
        + quoted(go)
        + " ]; do sleep 0.05; n=$((n+1)); [ $n -gt 2400 ] && exit 7; done\n"
          "mkdir -p "
        + quoted(sandbox.brewPrefix() + u"/bin"_s) + " && cp " + quoted(staged) + ' ' + quoted(sandbox.brewPath())
        + " || exit 9\n"
          "printf '==> Installation successful!\\r\\n'\n"
          "printf '==> Next steps: none'\n";
    LocalHttpServer server;
    server.serve("/Homebrew/install/HEAD/install.sh", script, 200, "text/plain");
    env.homebrewInstallHost = server.url();
    Engine engine(env);
    QVERIFY(!engine.brewAvailable());

    InstallEngine::startDetached(engine.setUpHomebrewThenInstall(maccy()));
    // Lines reach the log while the script is still running.
    QTRY_VERIFY_WITH_TIMEOUT(logTexts(engine).contains(u"NONINTERACTIVE=1"_s), 30000);
    QVERIFY(engine.bootstrapInProgress());
    QVERIFY(QFile::exists(engine.bootstrapLogPath()));
    QCOMPARE(engine.bootstrapLinesEmitted(), 3);
    QVERIFY(Sandbox::writeFile(go, "go"));

    QTRY_COMPARE_WITH_TIMEOUT(engine.state(u"maccy"_s), std::optional(InstallState::installed()), 60000);
    const QStringList texts = logTexts(engine);
    QCOMPARE(texts.mid(0, 6),
        (QStringList { settingUp, u"==> Checking for `sudo` access (which may request your password)..."_s,
            u"NONINTERACTIVE=1"_s, u"==> Installation successful!\r"_s, u"==> Next steps: none"_s, ready }));
    QCOMPARE(texts.last(), u"🍺  maccy was successfully installed!"_s);
    QCOMPARE(engine.bootstrapLinesEmitted(), 5);
    QCOMPARE(engine.brewBinary(), std::optional(sandbox.brewPath()));
    QVERIFY(!engine.bootstrapInProgress());
    QCOMPARE(entriesOf(env.tempDir), QStringList());
    QCOMPARE(server.requests("/Homebrew/install/HEAD/install.sh").size(), 1);
}

void TestHomebrewSetupRoutes::reportsAFailingInstallScript_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("shellMissing");

    QTest::newRow("script fails") << QByteArray("echo 'Error: macOS is too old'\nexit 3\n")
                                  << QStringList { settingUp, u"Error: macOS is too old"_s,
                                         u"error: Homebrew setup did not complete (code 3)."_s }
                                  << false;
    QTest::newRow("no shell to run it") << QByteArray(
        "exit 0\n") << QStringList { settingUp, u"error: Homebrew setup did not complete (code -1)."_s }
                                        << true;
}

void TestHomebrewSetupRoutes::reportsAFailingInstallScript()
{
    QFETCH(QByteArray, script);
    QFETCH(QStringList, lines);
    QFETCH(bool, shellMissing);
    Sandbox sandbox;
    LocalHttpServer server;
    server.serve("/Homebrew/install/HEAD/install.sh", script, 200, "text/plain");
    Environment env = sandbox.environment();
    env.homebrewInstallHost = server.url();
    if (shellMissing)
        env.tools.sh = sandbox.root() + u"/no-such-shell"_s;
    Engine engine(env);

    std::optional<bool> outcome;
    engine.bootstrapHomebrew(u"maccy"_s).then([&outcome](bool done) { outcome = done; });
    QTRY_VERIFY_WITH_TIMEOUT(outcome.has_value(), 30000);
    QCOMPARE(*outcome, false);
    QCOMPARE(logTexts(engine), lines);
    QCOMPARE(entriesOf(env.tempDir), QStringList());
}

QTEST_GUILESS_MAIN(TestHomebrewSetupRoutes)
#include "TestHomebrewSetupRoutes.moc"
