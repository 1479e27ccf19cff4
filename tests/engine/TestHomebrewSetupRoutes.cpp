#include "engine/HomebrewSetupCommand.h"
#include "engine/InstallEngine.h"
#include "support/EngineTestKit.h"
#include "support/LocalHttpServer.h"
#include "support/Sandbox.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;

namespace {

const QString settingUp = u"==> Setting up Homebrew (one-time). macOS will ask for your password once."_s;
const QString ready = u"🍺  Homebrew is ready. From now on installs are silent."_s;

// Opens both privileged routes to the test: the macOS one runs here against a stand-in osascript.
class Engine : public InstallEngine
{
public:
    using InstallEngine::InstallEngine;
    using InstallEngine::installHomebrewPackage;
    using InstallEngine::runHomebrewInstallScript;
};

QByteArray quoted(const QString &path)
{
    return HomebrewSetupCommand::shellQuoted(path).toUtf8();
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
    void installsTheOfficialPackageWithAdministratorRights_data();
    void installsTheOfficialPackageWithAdministratorRights();
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
    QVERIFY(QFile::exists(engine.bootstrapLogPath(u"maccy"_s)));
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

void TestHomebrewSetupRoutes::installsTheOfficialPackageWithAdministratorRights_data()
{
    QTest::addColumn<QString>("assetName");
    QTest::addColumn<bool>("digestMatches");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("osascriptRan");

    QTest::newRow("package installed") << u"Homebrew-4.4.0.pkg"_s << true
                                       << QStringList { settingUp, u"installer: Package name is Homebrew"_s,
                                              u"installer: The install was successful."_s, ready }
                                       << true;
    QTest::newRow("no package in the release")
        << u"Homebrew-4.4.0.zip"_s << true
        << QStringList { settingUp, u"error: Could not find a download named Homebrew.pkg in the latest release."_s,
               u"error: Homebrew setup did not complete (code -1)."_s }
        << false;
    QTest::newRow("package does not match its digest")
        << u"Homebrew-4.4.0.pkg"_s << false
        << QStringList { settingUp, u"error: The download did not match its published checksum."_s,
               u"error: Homebrew setup did not complete (code -1)."_s }
        << false;
}

void TestHomebrewSetupRoutes::installsTheOfficialPackageWithAdministratorRights()
{
    QFETCH(QString, assetName);
    QFETCH(bool, digestMatches);
    QFETCH(QStringList, lines);
    QFETCH(bool, osascriptRan);

    Sandbox sandbox;
    const QString staged = stageFakeBrew(sandbox);
    QVERIFY(!staged.isEmpty());
    const QByteArray package = QByteArrayLiteral("xar!\0 Homebrew installer package");
    LocalHttpServer server;
    const QByteArray hashed = digestMatches ? package : QByteArray("other");
    const QString digest = QString::fromLatin1(QCryptographicHash::hash(hashed, QCryptographicHash::Sha256).toHex());
    const QJsonObject release { { u"name"_s, u"4.4.0"_s },
        { u"assets"_s,
            QJsonArray { QJsonObject { { u"name"_s, u"brew-4.4.0.tar.gz"_s },
                             { u"browser_download_url"_s, server.url(u"/dl/brew.tar.gz"_s).toString() } },
                QJsonObject { { u"name"_s, assetName },
                    { u"browser_download_url"_s, server.url(u"/dl/"_s + assetName).toString() },
                    { u"digest"_s, u"sha256:"_s + digest } } } } };
    server.serve("/repos/Homebrew/brew/releases/latest", QJsonDocument(release).toJson());
    server.serve("/dl/" + assetName.toUtf8(), package, 200, "application/octet-stream");

    // The stand-in osascript keeps what it was given and what the package looked like, then plays
    // the installer: its lines into the setup log, brew into place.
    Environment env = sandbox.environment();
    env.githubApi = server.url();
    env.tools.osascript = sandbox.helperDir() + u"/osascript"_s;
    const QString record = sandbox.root() + u"/osascript"_s;
    Engine engine(env);
    const QString log = engine.bootstrapLogPath(u"maccy"_s);
    const QByteArray osascript = "#!/bin/sh\nmkdir -p " + quoted(record) + "\nprintf '%s' \"$1\" > " + quoted(record)
        + "/1\nprintf '%s' \"$2\" > " + quoted(record) + "/2\nfor p in " + quoted(env.tempDir) + "/*.pkg; do cp \"$p\" "
        + quoted(record) + "/; done\nprintf 'installer: Package name is Homebrew\\n\\n' >> " + quoted(log)
        + "\nprintf 'installer: The install was successful.' >> " + quoted(log) + "\nmkdir -p "
        + quoted(sandbox.brewPrefix() + u"/bin"_s) + " && cp " + quoted(staged) + ' ' + quoted(sandbox.brewPath())
        + "\n";
    QVERIFY(Sandbox::writeFile(env.tools.osascript, osascript, true));
    engine.setBootstrapRunnerOverride(
        [&engine](QString appID, InstallEngine::LineHandler) { return engine.installHomebrewPackage(appID); });

    std::optional<bool> outcome;
    engine.bootstrapHomebrew(u"maccy"_s).then([&outcome](bool done) { outcome = done; });
    QTRY_VERIFY_WITH_TIMEOUT(outcome.has_value(), 30000);
    QCOMPARE(logTexts(engine), lines);
    QCOMPARE(*outcome, osascriptRan);
    QCOMPARE(QFileInfo::exists(record), osascriptRan);
    // Nothing is left behind: no package, no setup log.
    QCOMPARE(entriesOf(env.tempDir), QStringList());
    if (!osascriptRan)
        return;

    const QStringList copied = QDir(record).entryList({ u"*.pkg"_s }, QDir::Files);
    QCOMPARE(copied.size(), 1);
    QCOMPARE(readAll(record + u'/' + copied.first()), package);
    const QString packagePath = QDir(env.tempDir).absoluteFilePath(copied.first());
    QCOMPARE(readAll(record + u"/1"_s), QByteArray("-e"));
    QCOMPARE(QString::fromUtf8(readAll(record + u"/2"_s)),
        u"do shell script \"/usr/sbin/installer -verboseR -pkg '"_s + packagePath + u"' -target / > '"_s + log
            + u"' 2>&1\" with administrator privileges"_s);
    QCOMPARE(server.requests("/dl/" + assetName.toUtf8()).size(), 1);
}

QTEST_GUILESS_MAIN(TestHomebrewSetupRoutes)
#include "TestHomebrewSetupRoutes.moc"
