#include "engine/HomebrewSetupCommand.h"
#include "engine/InstallEngine.h"
#include "engine/ShellQuote.h"
#include "support/EngineTestKit.h"
#include "support/LocalHttpServer.h"
#include "support/Sandbox.h"

#include <QCryptographicHash>
#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;

namespace {

const QString settingUp = u"==> Setting up Homebrew (one-time). macOS will ask for your password once."_s;
const QString ready = u"🍺  Homebrew is ready. From now on installs are silent."_s;
const QString failedCode = u"error: Homebrew setup did not complete (code %1)."_s;
const InstallState setupFailed = InstallState::failed(
    u"Homebrew setup didn't finish. You can try again — it asks for your Mac password once, then all installs are silent."_s);
const QByteArray scriptPath = "/Homebrew/install/HEAD/install.sh";

// Opens the macOS route to the test: it runs here against a stand-in osascript.
class Engine : public InstallEngine
{
public:
    using InstallEngine::InstallEngine;
    using InstallEngine::installHomebrewPackage;
};

QByteArray quoted(const QString &path)
{
    return ShellQuote::quoted(path).toUtf8();
}

// What AppleScript makes of the text between the quotes of a string literal.
QString appleScriptValue(const QString &literal)
{
    QString value;
    for (qsizetype i = 0; i < literal.size(); ++i) {
        if (literal.at(i) == u'"')
            return u"<unescaped quote ends the literal>"_s;
        value.append(literal.at(i == literal.size() - 1 || literal.at(i) != u'\\' ? i : ++i));
    }
    return value;
}

QString runShell(const QString &commandLine)
{
    QProcess shell;
    shell.start(u"/bin/sh"_s, { u"-c"_s, commandLine });
    return shell.waitForFinished(30000) ? QString::fromUtf8(shell.readAllStandardOutput()) : u"<hung>"_s;
}

// Shell lines that put the fake brew where the setup is expected to leave it.
QByteArray installBrew(const Sandbox &sandbox)
{
    return "mkdir -p " + quoted(sandbox.brewPrefix() + u"/bin"_s) + " && cp " + quoted(sandbox.root() + u"/staged"_s)
        + ' ' + quoted(sandbox.brewPath()) + '\n';
}

// A Mac without brew, whose setup can fetch the fake one.
bool stageFakeBrew(const Sandbox &sandbox)
{
    return sandbox.installFakeBrew() && sandbox.registerCask(u"maccy"_s, u"Maccy"_s, u"org.p0deje.Maccy"_s)
        && QFile::rename(sandbox.brewPath(), sandbox.root() + u"/staged"_s);
}

} // namespace

// The one-time Homebrew setup: its script or package run as administrator, its output streamed
// into the log, one at a time, then the install it was for.
class TestHomebrewSetup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void setsUpThenInstallsOneSetupAtATime();
    void failedSetupFailsTheApp_data();
    void failedSetupFailsTheApp();
    void refusesAPackageThatIsNotThePublishedOne_data();
    void refusesAPackageThatIsNotThePublishedOne();
    void quotingKeepsAnyTextOneWord_data();
    void quotingKeepsAnyTextOneWord();
    void survivesTheEngineGoingAwayMidSetup();
};

void TestHomebrewSetup::setsUpThenInstallsOneSetupAtATime()
{
    Sandbox sandbox;
    QVERIFY(stageFakeBrew(sandbox));
    QVERIFY(sandbox.registerCask(u"jordanbaird-ice"_s, u"Ice"_s, u"com.jordanbaird.Ice"_s));
    // Every character that could break out of a quoted path.
    Environment env = sandbox.environment();
    env.tempDir = sandbox.root() + u"/tmp it's \"odd\" \\ $HOME `id`"_s;
    QVERIFY(QDir().mkpath(env.tempDir));
    const QString go = sandbox.root() + u"/go"_s;
    LocalHttpServer server;
    server.serve(scriptPath,
        "echo \"NONINTERACTIVE=$NONINTERACTIVE\"\necho\nprintf '==> Down'\nwhile [ ! -f " + quoted(go)
            + " ]; do sleep 0.05; done\nprintf 'loading\\n'\n" + installBrew(sandbox)
            + "printf '==> Installation successful!\\r\\n==> Next steps: none'\n");
    env.homebrewInstallHost = server.url();
    InstallEngine engine(env);
    QSignalSpy progress(&engine, &InstallEngine::bootstrapInProgressChanged);

    InstallEngine::startDetached(engine.setUpHomebrewThenInstall(maccy()));
    // Lines reach the log while the script runs: complete ones only, empty ones counted.
    QTRY_VERIFY_WITH_TIMEOUT(logTexts(engine).contains(u"NONINTERACTIVE=1"_s), 30000);
    QCOMPARE(engine.bootstrapLinesEmitted(), 2);
    QVERIFY(QFile::exists(engine.bootstrapLogPath()));
    // Meanwhile a second window's request waits for this setup, then uses the brew it put in place.
    InstallEngine other(env);
    QVERIFY(other.bootstrapInProgress());
    InstallEngine::startDetached(other.setUpHomebrewThenInstall(catalogApp(u"ice"_s)));
    QCOMPARE(other.state(u"ice"_s), std::optional(InstallState::installing(u"Setting up Homebrew (one-time)."_s)));
    QCOMPARE(
        logTexts(other, u"ice"_s), QStringList { u"==> Waiting for the Homebrew setup that is already running."_s });
    QVERIFY(Sandbox::writeFile(go, "go"));

    QTRY_COMPARE_WITH_TIMEOUT(engine.state(u"maccy"_s), std::optional(InstallState::installed()), 60000);
    QTRY_COMPARE_WITH_TIMEOUT(other.state(u"ice"_s), std::optional(InstallState::installed()), 30000);
    QCOMPARE(logTexts(engine).mid(0, 5),
        (QStringList { settingUp, u"NONINTERACTIVE=1"_s, u"==> Downloading"_s, u"==> Installation successful!\r"_s,
            u"==> Next steps: none"_s }));
    QCOMPARE(logTexts(engine).mid(5, 1), QStringList { ready });
    QCOMPARE(logTexts(engine).last(), u"🍺  maccy was successfully installed!"_s);
    QCOMPARE(QList<QList<QVariant>>(progress), (QList<QList<QVariant>> { { true }, { false } }));
    QCOMPARE(entriesOf(env.tempDir), QStringList());
    QCOMPARE(server.requests(scriptPath).size(), 1);
}

void TestHomebrewSetup::failedSetupFailsTheApp_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<bool>("shellMissing");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("script fails: brew is not looked for")
        << QByteArray("echo 'Error: macOS is too old'\nINSTALL\nexit 3") << false
        << QStringList { settingUp, u"Error: macOS is too old"_s, failedCode.arg(3) };
    QTest::newRow("no shell to run it") << QByteArray("INSTALL") << true
                                        << QStringList { settingUp, failedCode.arg(-1) };
    QTest::newRow("finished without brew")
        << QByteArray("exit 0") << false
        << QStringList { settingUp, u"error: Homebrew setup finished but brew was not found afterward."_s };
}

void TestHomebrewSetup::failedSetupFailsTheApp()
{
    QFETCH(QByteArray, script);
    QFETCH(bool, shellMissing);
    QFETCH(QStringList, lines);
    Sandbox sandbox;
    QVERIFY(stageFakeBrew(sandbox));
    LocalHttpServer server;
    server.serve(scriptPath, script.replace("INSTALL", installBrew(sandbox)));
    Environment env = sandbox.environment();
    env.homebrewInstallHost = server.url();
    if (shellMissing)
        env.tools.sh = sandbox.root() + u"/no-such-shell"_s;
    InstallEngine engine(env);
    QVERIFY(finish(engine.setUpHomebrewThenInstall(maccy())));
    QCOMPARE(engine.state(u"maccy"_s), setupFailed);
    QCOMPARE(logTexts(engine), lines);
    QVERIFY(!engine.brewAvailable() && !engine.bootstrapInProgress());
    QCOMPARE(sandbox.brewCalls(), QStringList());
    QCOMPARE(entriesOf(env.tempDir), QStringList());
}

// The package route stops before asking for the password when the download is not the one
// published (what root then checks again is in TestPrivilegedSetup).
void TestHomebrewSetup::refusesAPackageThatIsNotThePublishedOne_data()
{
    QTest::addColumn<QString>("assetName");
    QTest::addColumn<QString>("error");
    QTest::newRow("no package in the release")
        << u"Homebrew-4.4.0.zip"_s << u"error: Could not find a download named Homebrew.pkg in the latest release."_s;
    QTest::newRow("package does not match its digest")
        << u"Homebrew-4.4.0.pkg"_s << u"error: The download did not match its published checksum."_s;
}

void TestHomebrewSetup::refusesAPackageThatIsNotThePublishedOne()
{
    QFETCH(QString, assetName);
    QFETCH(QString, error);
    Sandbox sandbox;
    QVERIFY(stageFakeBrew(sandbox));
    const QByteArray package = QByteArrayLiteral("xar!\0 Homebrew installer package");
    const QByteArray digest = QCryptographicHash::hash("other", QCryptographicHash::Sha256);
    LocalHttpServer server;
    server.serve("/repos/Homebrew/brew/releases/latest",
        "{\"assets\": [{\"name\": \"" + assetName.toUtf8() + "\", \"browser_download_url\": \""
            + server.url(u"/dl/"_s + assetName).toEncoded() + "\", \"digest\": \"sha256:" + digest.toHex() + "\"}]}");
    server.serve("/dl/" + assetName.toUtf8(), package, 200, "application/octet-stream");
    Environment env = sandbox.environment();
    env.githubApi = server.url();
    env.privilegedTempDir = sandbox.root() + u"/private-tmp"_s;
    QVERIFY(QDir().mkpath(env.privilegedTempDir));
    const QString asked = sandbox.root() + u"/asked"_s;
    env.tools.osascript = sandbox.helperDir() + u"/osascript"_s;
    QVERIFY(Sandbox::writeFile(env.tools.osascript, "#!/bin/sh\ntouch " + quoted(asked) + "\n", true));
    Engine engine(env);
    engine.setBootstrapRunnerOverride(
        [&engine](QString appID, InstallEngine::LineHandler) { return engine.installHomebrewPackage(appID); });

    QVERIFY(finish(engine.setUpHomebrewThenInstall(maccy())));
    QCOMPARE(logTexts(engine).mid(0, 3), (QStringList { settingUp, error, failedCode.arg(-1) }));
    QVERIFY(!engine.brewAvailable());
    QVERIFY(!QFile::exists(asked));
    QCOMPARE(entriesOf(env.tempDir), QStringList());
}

// The one shell quoting, and the AppleScript literal around a command, give back any text.
void TestHomebrewSetup::quotingKeepsAnyTextOneWord_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("plain path") << u"/var/folders/T/orvando-501/a.log"_s;
    QTest::newRow("single quotes") << u"it's '' '\\'''"_s;
    QTest::newRow("double quotes and backslashes") << u"a\"b\\c \\\" \\\\"_s;
    QTest::newRow("expansions") << u"$(touch pwned) `id` $HOME * ; echo no"_s;
    QTest::newRow("line break, non-ASCII") << u"My Folder/x\ny/Zoë ✓.app"_s;
    QTest::newRow("empty") << QString();
}

void TestHomebrewSetup::quotingKeepsAnyTextOneWord()
{
    QFETCH(QString, text);
    QCOMPARE(runShell(u"printf '%s|' "_s + ShellQuote::quoted(text)), text + u'|');
    const QString source = HomebrewSetupCommand::appleScriptSource(text);
    const QString prefix = u"do shell script \""_s, suffix = u"\" with administrator privileges"_s;
    QVERIFY(source.startsWith(prefix) && source.endsWith(suffix));
    QCOMPARE(appleScriptValue(source.mid(prefix.size(), source.size() - prefix.size() - suffix.size())), text);
}

// The window closes while the setup's process runs; the process ends later, to nobody.
void TestHomebrewSetup::survivesTheEngineGoingAwayMidSetup()
{
    Sandbox sandbox;
    const QString go = sandbox.root() + u"/go"_s, ended = sandbox.root() + u"/ended"_s;
    LocalHttpServer server;
    server.serve(scriptPath,
        "echo waiting\nwhile [ ! -f " + quoted(go) + " ]; do sleep 0.05; done\necho late\ntouch " + quoted(ended));
    Environment env = sandbox.environment();
    env.homebrewInstallHost = server.url();
    auto *engine = new InstallEngine(env);
    InstallEngine::startDetached(engine->setUpHomebrewThenInstall(maccy()));
    QTRY_VERIFY_WITH_TIMEOUT(logTexts(*engine).contains(u"waiting"_s), 30000);
    delete engine;
    QVERIFY(Sandbox::writeFile(go, "go"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(ended), 30000);
    QTRY_COMPARE(entriesOf(env.tempDir), QStringList()); // the setup log is gone all the same
}

QTEST_GUILESS_MAIN(TestHomebrewSetup)
#include "TestHomebrewSetup.moc"
