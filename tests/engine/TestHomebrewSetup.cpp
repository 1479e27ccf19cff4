#include "engine/HomebrewSetupCommand.h"
#include "engine/InstallEngine.h"
#include "engine/SetupLogTailer.h"
#include "engine/ShellQuote.h"
#include "support/EngineTestKit.h"
#include "support/LocalHttpServer.h"
#include "support/Sandbox.h"

#include <QCoroSignal>
#include <QCryptographicHash>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <stdexcept>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;

namespace {

const QString settingUp = u"==> Setting up Homebrew (one-time). macOS will ask for your password once."_s;
const QString ready = u"🍺  Homebrew is ready. From now on installs are silent."_s;
const QString notFound = u"error: Homebrew setup finished but brew was not found afterward."_s;
const QString setupFailed = u"Homebrew setup didn't finish. You can try again — it asks for your Mac password once, "
                            u"then all installs are silent."_s;
const QString failedCode = u"error: Homebrew setup did not complete (code %1)."_s;

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

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What AppleScript makes of the text between the quotes of a string literal.
QString appleScriptValue(const QString &literal)
{
    QString value;
    for (qsizetype i = 0; i < literal.size(); ++i) {
        if (literal.at(i) == u'\\' && i + 1 < literal.size())
            ++i;
        else if (literal.at(i) == u'"')
            return u"<unescaped quote ends the literal>"_s;
        value.append(literal.at(i));
    }
    return value;
}

QString runShell(const QString &commandLine)
{
    QProcess shell;
    shell.start(u"/bin/sh"_s, { u"-c"_s, commandLine });
    return shell.waitForFinished(30000) ? QString::fromUtf8(shell.readAllStandardOutput()) : u"<hung>"_s;
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

std::optional<bool> bootstrap(InstallEngine &engine)
{
    auto outcome = std::make_shared<std::optional<bool>>();
    engine.bootstrapHomebrew(u"maccy"_s).then([outcome](bool done) { *outcome = done; });
    if (!QTest::qWaitFor([outcome] { return outcome->has_value(); }, 30000))
        qWarning("the setup did not end in time");
    return *outcome;
}

} // namespace

// Stands in for the privileged setup: says a line, waits to be let through (when closed), plays
// what the real one leaves behind, and ends with a chosen code or an exception.
class FakeSetup : public QObject
{
    Q_OBJECT

public:
    FakeSetup(const Sandbox &sandbox, int code, bool installsBrew, bool open = true, bool throws = false)
        : m_sandbox(sandbox)
        , m_code(code)
        , m_installsBrew(installsBrew)
        , m_open(open)
        , m_throws(throws)
    {
    }
    InstallEngine::BootstrapRunner runner()
    {
        return [this](QString appID, InstallEngine::LineHandler sink) { return run(this, appID, sink); };
    }
    void open()
    {
        m_open = true;
        Q_EMIT opened();
    }
    int calls = 0;

Q_SIGNALS:
    void opened();

private:
    static QCoro::Task<int> run(FakeSetup *self, QString appID, InstallEngine::LineHandler sink)
    {
        ++self->calls;
        sink(u"==> Installing Homebrew for "_s + appID);
        if (!self->m_open)
            co_await qCoro(self, &FakeSetup::opened);
        if (self->m_installsBrew) {
            self->m_sandbox.installFakeBrew();
            self->m_sandbox.registerCask(u"maccy"_s, u"Maccy"_s, u"org.p0deje.Maccy"_s);
        }
        if (self->m_throws)
            throw std::runtime_error("setup runner broke");
        co_return self->m_code;
    }

    const Sandbox &m_sandbox;
    int m_code;
    bool m_installsBrew, m_open, m_throws;
};

class TestHomebrewSetup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void endsAsTheRunnerSays_data();
    void endsAsTheRunnerSays();
    void runsOneSetupAtATime();
    void installsAfterTheSetup_data();
    void installsAfterTheSetup();
    void runsTheInstallScriptAndStreamsItsOutput();
    void reportsAFailingInstallScript_data();
    void reportsAFailingInstallScript();
    void installsTheOfficialPackageWithAdministratorRights_data();
    void installsTheOfficialPackageWithAdministratorRights();
    void quotingKeepsAnyTextOneWord_data();
    void quotingKeepsAnyTextOneWord();
    void aLogPathSurvivesBothQuotingsIntoTheShell();
    void tailerCopiesEachLineOnceWhileTheFileGrows();
    void survivesTheEngineGoingAwayMidSetup();
};

void TestHomebrewSetup::endsAsTheRunnerSays_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("installsBrew");
    QTest::addColumn<bool>("throws");
    QTest::addColumn<QString>("lastLine");
    QTest::newRow("exit 1: brew is not looked for again") << 1 << true << false << failedCode.arg(1);
    QTest::newRow("exit 0 without brew") << 0 << false << false << notFound;
    QTest::newRow("exit 0 with brew") << 0 << true << false << ready;
    QTest::newRow("runner throws") << 0 << true << true << failedCode.arg(-1);
}

void TestHomebrewSetup::endsAsTheRunnerSays()
{
    QFETCH(int, code);
    QFETCH(bool, installsBrew);
    QFETCH(bool, throws);
    QFETCH(QString, lastLine);
    Sandbox sandbox;
    FakeSetup setup(sandbox, code, installsBrew, true, throws);
    InstallEngine engine(sandbox.environment());
    engine.setBootstrapRunnerOverride(setup.runner());
    QSignalSpy progress(&engine, &InstallEngine::bootstrapInProgressChanged);

    const bool result = lastLine == ready;
    QCOMPARE(bootstrap(engine), std::optional(result));
    QCOMPARE(logTexts(engine), (QStringList { settingUp, u"==> Installing Homebrew for maccy"_s, lastLine }));
    QCOMPARE(engine.brewBinary(), result ? std::optional(sandbox.brewPath()) : std::nullopt);
    QCOMPARE(QList<QList<QVariant>>(progress), (QList<QList<QVariant>> { { true }, { false } }));
}

void TestHomebrewSetup::runsOneSetupAtATime()
{
    Sandbox sandbox;
    FakeSetup setup(sandbox, 0, true, false);
    InstallEngine engine(sandbox.environment());
    engine.setBootstrapRunnerOverride(setup.runner());

    std::optional<bool> first;
    engine.bootstrapHomebrew(u"maccy"_s).then([&first](bool done) { first = done; });
    QVERIFY(engine.bootstrapInProgress());
    const int lines = engine.log()->size();
    QCOMPARE(bootstrap(engine), std::optional(false));
    QCOMPARE(engine.log()->size(), lines);

    // The card of a second application asking meanwhile ends failed; the first setup goes on.
    CatalogApp ice = maccy();
    ice.id = u"ice"_s;
    InstallEngine::startDetached(engine.setUpHomebrewThenInstall(ice));
    QTRY_COMPARE(engine.state(u"ice"_s), std::optional(InstallState::failed(setupFailed)));
    QVERIFY(engine.bootstrapInProgress() && !first);

    setup.open();
    QTRY_COMPARE(first, std::optional(true));
    QVERIFY(!engine.bootstrapInProgress());
    QCOMPARE(logTexts(engine, u"ice"_s), QStringList());
    QCOMPARE(setup.calls, 1);
}

void TestHomebrewSetup::installsAfterTheSetup_data()
{
    QTest::addColumn<bool>("installsBrew");
    QTest::newRow("setup succeeds: the install starts over") << true;
    QTest::newRow("setup fails: the app fails") << false;
}

void TestHomebrewSetup::installsAfterTheSetup()
{
    QFETCH(bool, installsBrew);
    Sandbox sandbox;
    FakeSetup setup(sandbox, 0, installsBrew);
    InstallEngine engine(sandbox.environment());
    engine.setBootstrapRunnerOverride(setup.runner());
    QList<InstallState> seen;
    connect(&engine, &InstallEngine::stateChanged, this, [&](const QString &id) { seen.append(*engine.state(id)); });

    QVERIFY(finish(engine.setUpHomebrewThenInstall(maccy())));

    QCOMPARE(engine.state(u"maccy"_s), installsBrew ? InstallState::installed() : InstallState::failed(setupFailed));
    QCOMPARE(seen.first(), InstallState::installing(u"Setting up Homebrew (one-time)."_s));
    const QStringList texts = logTexts(engine);
    QCOMPARE(texts.mid(0, 3),
        (QStringList { settingUp, u"==> Installing Homebrew for maccy"_s, installsBrew ? ready : notFound }));
    QCOMPARE(sandbox.brewCalls(), installsBrew ? QStringList { u"install --cask maccy"_s } : QStringList());
    QCOMPARE(seen.at(1), installsBrew ? InstallState::installing(u"Getting Maccy ready."_s) : seen.last());
}

void TestHomebrewSetup::runsTheInstallScriptAndStreamsItsOutput()
{
    Sandbox sandbox;
    const QString staged = stageFakeBrew(sandbox);
    QVERIFY(!staged.isEmpty());
    // Every character that could break out of a quoted path.
    Environment env = sandbox.environment();
    env.tempDir = sandbox.root() + u"/tmp it's \"odd\" \\ $HOME `id`"_s;
    QVERIFY(QDir().mkpath(env.tempDir));
    const QString go = sandbox.root() + u"/go"_s;
    const QByteArray script
        = "#!/bin/bash\necho '==> Checking for `sudo` access'\necho \"NONINTERACTIVE=$NONINTERACTIVE\"\n"
          "echo\nwhile [ ! -f "
        + quoted(go) + " ]; do sleep 0.05; done\nmkdir -p " + quoted(sandbox.brewPrefix() + u"/bin"_s) + " && cp "
        + quoted(staged) + ' ' + quoted(sandbox.brewPath())
        + " || exit 9\nprintf '==> Installation successful!\\r\\n'\nprintf '==> Next steps: none'\n";
    LocalHttpServer server;
    server.serve("/Homebrew/install/HEAD/install.sh", script, 200, "text/plain");
    env.homebrewInstallHost = server.url();
    InstallEngine engine(env);
    QVERIFY(!engine.brewAvailable());

    InstallEngine::startDetached(engine.setUpHomebrewThenInstall(maccy()));
    // Lines reach the log while the script is still running; empty ones are counted.
    QTRY_VERIFY_WITH_TIMEOUT(logTexts(engine).contains(u"NONINTERACTIVE=1"_s), 30000);
    QVERIFY(engine.bootstrapInProgress() && QFile::exists(engine.bootstrapLogPath(u"maccy"_s)));
    QCOMPARE(engine.bootstrapLinesEmitted(), 3);
    QVERIFY(Sandbox::writeFile(go, "go"));

    QTRY_COMPARE_WITH_TIMEOUT(engine.state(u"maccy"_s), std::optional(InstallState::installed()), 60000);
    const QStringList texts = logTexts(engine);
    QCOMPARE(texts.mid(0, 6),
        (QStringList { settingUp, u"==> Checking for `sudo` access"_s, u"NONINTERACTIVE=1"_s,
            u"==> Installation successful!\r"_s, u"==> Next steps: none"_s, ready }));
    QCOMPARE(texts.last(), u"🍺  maccy was successfully installed!"_s);
    QCOMPARE(engine.bootstrapLinesEmitted(), 5);
    QCOMPARE(entriesOf(env.tempDir), QStringList());
    QCOMPARE(server.requests("/Homebrew/install/HEAD/install.sh").size(), 1);
}

void TestHomebrewSetup::reportsAFailingInstallScript_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("shellMissing");
    QTest::newRow("script fails") << QByteArray("echo 'Error: macOS is too old'\nexit 3\n")
                                  << QStringList { settingUp, u"Error: macOS is too old"_s, failedCode.arg(3) }
                                  << false;
    QTest::newRow("no shell to run it") << QByteArray("exit 0\n") << QStringList { settingUp, failedCode.arg(-1) }
                                        << true;
}

void TestHomebrewSetup::reportsAFailingInstallScript()
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
    InstallEngine engine(env);
    QCOMPARE(bootstrap(engine), std::optional(false));
    QCOMPARE(logTexts(engine), lines);
    QCOMPARE(entriesOf(env.tempDir), QStringList());
}

void TestHomebrewSetup::installsTheOfficialPackageWithAdministratorRights_data()
{
    QTest::addColumn<QString>("assetName");
    QTest::addColumn<bool>("digestMatches");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("package installed") << u"Homebrew-4.4.0.pkg"_s << true
                                       << QStringList { settingUp, u"installer: Package name is Homebrew"_s,
                                              u"installer: The install was successful."_s, ready };
    QTest::newRow("no package in the release")
        << u"Homebrew-4.4.0.zip"_s << true
        << QStringList { settingUp, u"error: Could not find a download named Homebrew.pkg in the latest release."_s,
               failedCode.arg(-1) };
    QTest::newRow("package does not match its digest")
        << u"Homebrew-4.4.0.pkg"_s << false
        << QStringList { settingUp, u"error: The download did not match its published checksum."_s,
               failedCode.arg(-1) };
}

void TestHomebrewSetup::installsTheOfficialPackageWithAdministratorRights()
{
    QFETCH(QString, assetName);
    QFETCH(bool, digestMatches);
    QFETCH(QStringList, lines);
    Sandbox sandbox;
    const QString staged = stageFakeBrew(sandbox);
    QVERIFY(!staged.isEmpty());
    const QByteArray package = QByteArrayLiteral("xar!\0 Homebrew installer package");
    LocalHttpServer server;
    const QByteArray hashed = digestMatches ? package : QByteArray("other");
    const QJsonObject release { { u"assets"_s,
        QJsonArray { QJsonObject { { u"name"_s, assetName },
            { u"browser_download_url"_s, server.url(u"/dl/"_s + assetName).toString() },
            { u"digest"_s,
                u"sha256:"_s
                    + QString::fromLatin1(
                        QCryptographicHash::hash(hashed, QCryptographicHash::Sha256).toHex()) } } } } };
    server.serve("/repos/Homebrew/brew/releases/latest", QJsonDocument(release).toJson());
    server.serve("/dl/" + assetName.toUtf8(), package, 200, "application/octet-stream");

    // The stand-in osascript keeps its arguments and the package, then plays the installer: its
    // lines into the setup log, brew into place.
    Environment env = sandbox.environment();
    env.githubApi = server.url();
    env.tools.osascript = sandbox.helperDir() + u"/osascript"_s;
    const QString record = sandbox.root() + u"/osascript"_s;
    Engine engine(env);
    const QString log = engine.bootstrapLogPath(u"maccy"_s);
    QVERIFY(Sandbox::writeFile(env.tools.osascript,
        "#!/bin/sh\nmkdir -p " + quoted(record) + " && cd " + quoted(record) + "\nprintf '%s' \"$1\" > 1\n"
            + "printf '%s' \"$2\" > 2\ncp " + quoted(env.tempDir) + "/*.pkg .\n"
            + "printf 'installer: Package name is Homebrew\\n\\ninstaller: The install was successful.' >> "
            + quoted(log) + "\nmkdir -p " + quoted(sandbox.brewPrefix() + u"/bin"_s) + " && cp " + quoted(staged) + ' '
            + quoted(sandbox.brewPath()) + "\n",
        true));
    engine.setBootstrapRunnerOverride(
        [&engine](QString appID, InstallEngine::LineHandler) { return engine.installHomebrewPackage(appID); });

    const bool installs = lines.last() == ready;
    QCOMPARE(bootstrap(engine), std::optional(installs));
    QCOMPARE(logTexts(engine), lines);
    QCOMPARE(QFileInfo::exists(record), installs);
    QCOMPARE(entriesOf(env.tempDir), QStringList()); // no package, no setup log left
    if (!installs)
        return;
    const QStringList copied = QDir(record).entryList({ u"*.pkg"_s }, QDir::Files);
    QCOMPARE(copied.size(), 1);
    QCOMPARE(readAll(record + u'/' + copied.first()), package);
    QCOMPARE(readAll(record + u"/1"_s), QByteArray("-e"));
    QCOMPARE(QString::fromUtf8(readAll(record + u"/2"_s)),
        u"do shell script \"/usr/sbin/installer -verboseR -pkg '"_s + QDir(env.tempDir).filePath(copied.first())
            + u"' -target / > '"_s + log + u"' 2>&1\" with administrator privileges"_s);
}

// The one shell quoting, and the AppleScript literal around it, give back any text unchanged.
void TestHomebrewSetup::quotingKeepsAnyTextOneWord_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("plain path") << u"/var/folders/T/orvando-501/a.log"_s;
    QTest::newRow("single quotes") << u"it's '' '\\'''"_s;
    QTest::newRow("double quotes and backslashes") << u"a\"b\\c \\\" \\\\"_s;
    QTest::newRow("expansions") << u"$(touch pwned) `id` $HOME * ; echo no"_s;
    QTest::newRow("spaces, line break, non-ASCII") << u"My Folder/x\ny/Zoë ✓.app"_s;
    QTest::newRow("empty") << QString();
}

void TestHomebrewSetup::quotingKeepsAnyTextOneWord()
{
    QFETCH(QString, text);
    QCOMPARE(runShell(u"printf '%s|' "_s + ShellQuote::quoted(text)), text + u'|');
    QCOMPARE(appleScriptValue(HomebrewSetupCommand::appleScriptQuoted(text)), text);
}

void TestHomebrewSetup::aLogPathSurvivesBothQuotingsIntoTheShell()
{
    const QString folderName = u"a'b\"c\\d $(touch pwned) `x`"_s;
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(folderName));
    const QString log = dir.path() + u'/' + folderName + u"/setup.log"_s;
    const QString command = HomebrewSetupCommand::installerPackageCommand(dir.path() + u"/x.pkg"_s, log);
    const QString source = HomebrewSetupCommand::appleScriptSource(command);
    const QString prefix = u"do shell script \""_s, suffix = u"\" with administrator privileges"_s;
    QVERIFY(source.startsWith(prefix) && source.endsWith(suffix));
    const QString ran = appleScriptValue(source.mid(prefix.size(), source.size() - prefix.size() - suffix.size()));
    QCOMPARE(ran, command);
    // No installer here: the shell's complaint about it lands in the log, at exactly that path.
    runShell(ran);
    QVERIFY(readAll(log).contains("installer"));
    QCOMPARE(entriesOf(dir.path()), QStringList { folderName });
    QVERIFY(!QFile::exists(u"pwned"_s));
}

void TestHomebrewSetup::tailerCopiesEachLineOnceWhileTheFileGrows()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"setup.log"_s);
    QVERIFY(Sandbox::writeFile(path, "==> Checking for sudo access\n\nDownl"));
    QStringList copied;
    SetupLogTailer tailer(path, [&copied](const QString &line) { copied.append(line); });
    tailer.start();
    QCOMPARE(copied, QStringList { u"==> Checking for sudo access"_s });
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append) && file.write("oading Homebrew\n==> Next steps:") > 0);
    file.close();
    QTRY_COMPARE(copied.size(), 2);
    QCOMPARE(tailer.linesEmitted(), 3);
    tailer.finish();
    QCOMPARE(
        copied, (QStringList { u"==> Checking for sudo access"_s, u"Downloading Homebrew"_s, u"==> Next steps:"_s }));
    QCOMPARE(tailer.linesEmitted(), 4);
}

// The window closes while the setup's process runs; the process ends later, to nobody.
void TestHomebrewSetup::survivesTheEngineGoingAwayMidSetup()
{
    Sandbox sandbox;
    const QString go = sandbox.root() + u"/go"_s, ended = sandbox.root() + u"/ended"_s;
    LocalHttpServer server;
    server.serve("/Homebrew/install/HEAD/install.sh",
        "echo waiting\nwhile [ ! -f " + quoted(go) + " ]; do sleep 0.05; done\necho late\ntouch " + quoted(ended), 200,
        "text/plain");
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
