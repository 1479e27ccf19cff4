// Homebrew itself: what it and GitHub say about the catalog's apps (decoding brew's answer, the
// sentences shown for it, the service that reads, caches and refreshes it), and its one-time setup.
#include "catalog/AppSetFile.h"
#include "engine/InstallEngine.h"
#include "engine/facts/CaskFactsCache.h"
#include "engine/facts/CaskFactsService.h"
#include "engine/facts/CaskFactsText.h"
#include "engine/homebrew/HomebrewSetupCommand.h"
#include "engine/homebrew/ShellQuote.h"
#include "platform/Gatekeeper.h"
#include "platform/PlistReader.h"
#include "support/EngineTestKit.h"
#include "support/LocalHttpServer.h"
#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"

#include <QCryptographicHash>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <list>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;
using Age = std::optional<qint64>;
Q_DECLARE_METATYPE(Age)
Q_DECLARE_METATYPE(GatekeeperAssessment)

namespace {

const QString infoFile = QStringLiteral(ORVANDO_SOURCE_DIR "/tests/engine/fixtures/brew-info-casks.json");

// The cask objects of the brew info fixture, by token.
QHash<QString, QJsonObject> fixtureCasks()
{
    QHash<QString, QJsonObject> casks;
    for (const QJsonValue &cask : QJsonDocument::fromJson(fileBytes(infoFile))[u"casks"_s].toArray())
        casks.insert(cask[u"token"_s].toString(), cask.toObject());
    return casks;
}

QString mark(const QString &kind, const CaskLifecycle &m)
{
    if (!m.active && !m.date)
        return {};
    return u' ' + kind + (m.active ? u""_s : u"-later"_s) + u'(' + (m.date ? m.date->toString(Qt::ISODate) : QString())
        + u' ' + m.reason + u' ' + m.replacement + u')';
}

QString described(const std::optional<CaskFacts> &f)
{
    if (!f)
        return u"none"_s;
    static const QStringList checksums { u"?"_s, u"verified"_s, u"no_check"_s };
    return f->token + u' ' + f->version + u' ' + checksums[int(f->checksum)] + u' ' + f->downloadHost
        + (f->autoUpdates ? u" auto"_s : u""_s)
        + (f->installedVersion ? u" installed="_s + *f->installedVersion : u""_s)
        + mark(u"deprecated"_s, f->deprecation) + mark(u"disabled"_s, f->disable);
}

CaskFactsSnapshot snapshotAged(qint64 seconds)
{
    CaskFacts maccy;
    maccy.token = u"maccy"_s;
    maccy.version = u"1.0"_s;
    return { QDateTime::currentDateTimeUtc().addSecs(-seconds), { { u"maccy"_s, maccy } }, {} };
}

Environment withCache(const Sandbox &sandbox)
{
    Environment env = sandbox.environment();
    env.cacheDir = sandbox.root() + u"/cache"_s;
    return env;
}

const QString settingUp = u"==> Setting up Homebrew (one-time). macOS will ask for your password once."_s;
const QString ready = u"🍺  Homebrew is ready. From now on installs are silent."_s;
const QString failedCode = u"error: Homebrew setup did not complete (code %1)."_s;
const InstallState setupFailed = InstallState::failed(
    u"Homebrew setup didn't finish. You can try again — it asks for your Mac password once, then all installs are silent."_s);
const QByteArray scriptPath = "/Homebrew/install/HEAD/install.sh";
const QByteArray package = QByteArrayLiteral("xar!\0 Homebrew installer package");
const QByteArray signedAndNotarized = "Package \"Homebrew.pkg\":\n"
                                      "   Status: signed by a developer certificate issued by Apple for distribution\n"
                                      "   Notarization: trusted by the Apple notary service\n"
                                      "   Certificate Chain:\n"
                                      "    1. Developer ID Installer: Patrick Linnane (927JGANW46)\n"
                                      "    2. Developer ID Certification Authority\n"
                                      "    3. Apple Root CA\n";

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

class TestHomebrew : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodesCasks_data()
    {
        QTest::addColumn<QJsonObject>("cask");
        QTest::addColumn<QString>("facts");
        const auto casks = fixtureCasks();
        QTest::newRow("maccy") << casks[u"maccy"_s] << u"maccy 2.3.0 verified github.com auto installed=2.2.0"_s;
        QTest::newRow("disabled")
            << casks[u"tomatobar"_s]
            << u"tomatobar 3.6.1 verified github.com disabled(2026-09-01 fails_gatekeeper_check )"_s;
        QTest::newRow("deprecated") << casks[u"hiddenbar"_s]
                                    << u"hiddenbar 1.9 verified github.com deprecated(2026-03-10 unmaintained "
                                       "jordanbaird-ice) disabled-later(2027-03-10 unmaintained jordanbaird-ice)"_s;
        QTest::newRow("no_check") << casks[u"shutter-encoder"_s]
                                  << u"shutter-encoder 18.7 no_check www.shutterencoder.com"_s;
        QTest::newRow("nulls and wrong types") << QJsonDocument::fromJson(
            "{\"token\": \"x\", \"version\": null, \"sha256\": 12, \"url\": \"not a url\", "
            "\"auto_updates\": \"yes\", \"installed\": [], \"disabled\": null, "
            "\"disable_date\": \"soon\", \"deprecated\": true, \"deprecation_reason\": null}")
                                                      .object()
                                               << u"x  ?  deprecated(  )"_s;
        QTest::newRow("older replacement key")
            << QJsonObject { { u"token"_s, u"x"_s }, { u"disabled"_s, true }, { u"disable_replacement"_s, u"y"_s } }
            << u"x  ?  disabled(  y)"_s;
        QTest::newRow("no token") << QJsonObject { { u"version"_s, u"1.0"_s } } << u"none"_s;
        QTest::newRow("an IPv6 download host")
            << QJsonObject { { u"token"_s, u"x"_s }, { u"url"_s, u"https://[2001:db8::1]/x.dmg"_s } }
            << u"x  ? 2001:db8::1"_s;
    }

    void decodesCasks()
    {
        QFETCH(QJsonObject, cask);
        const std::optional<CaskFacts> facts = CaskFacts::fromJson(cask);
        QTEST(described(facts), "facts");
        // The cache keeps them in the same form.
        if (facts)
            QVERIFY(CaskFacts::fromJson(facts->toJson()) == facts);
    }

    void saysItInPlainWords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const auto casks = fixtureCasks();
        const CaskFacts tomatobar = *CaskFacts::fromJson(casks[u"tomatobar"_s]);
        CaskFacts custom;
        custom.disable = { true, std::nullopt, u"switched to a paid licence"_s, u"other-app"_s };
        QTest::newRow("disabled") << CaskFactsText::unavailable(u"TomatoBar"_s, tomatobar)
                                  << u"Homebrew no longer offers TomatoBar: it does not pass Apple’s Gatekeeper check, "
                                     "since 1 September 2026."_s;
        QTest::newRow("own reason, replacement, no date")
            << CaskFactsText::unavailable(u"X"_s, custom)
            << u"Homebrew no longer offers X: it switched to a paid licence. Homebrew suggests “other-app” instead."_s;
        QTest::newRow("no reason") << CaskFactsText::unavailable(u"X"_s, CaskFacts())
                                   << u"Homebrew no longer offers X."_s;
        QTest::newRow("deprecated, to be disabled")
            << CaskFactsText::deprecated(
                   u"Hidden Bar"_s, *CaskFacts::fromJson(casks[u"hiddenbar"_s]), QDate(2026, 8, 1))
            << u"Homebrew no longer recommends Hidden Bar: nobody maintains it any more. It will stop offering it on "
               "10 March 2027. Homebrew suggests “jordanbaird-ice” instead."_s;
    }

    void saysItInPlainWords()
    {
        QFETCH(QString, text);
        QTEST(text, "expected");
    }

    void refreshesWithOneBrewRunAndCaches()
    {
        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew());
        const ScopedEnvironmentVariable info("FAKE_BREW_INFO_JSON", infoFile.toUtf8());
        LocalHttpServer github;
        github.serve("/repos/NickvisionApps/Parabolic/releases/latest",
            "{\"tag_name\": \"v2026.5.0\", \"assets\": [{\"name\": \"Parabolic-macOS-arm64.zip\", "
            "\"browser_download_url\": \"https://github.com/p.zip\", \"size\": 48211968, \"digest\": \"sha256:ab\"}]}");
        Environment env = withCache(sandbox);
        env.githubApi = github.url();
        const auto catalog
            = catalogApps({ u"maccy"_s, u"tomatobar"_s, u"hiddenbar"_s, u"shutter-encoder"_s, u"parabolic"_s });

        CaskFactsService service(env, catalog);
        QSignalSpy changed(&service, &CaskFactsService::factsChanged);
        service.start();
        QTRY_VERIFY_WITH_TIMEOUT(!service.isRefreshing(), 30000);

        QCOMPARE(
            sandbox.brewCalls(), QStringList { u"info --json=v2 --cask maccy shutter-encoder tomatobar hiddenbar"_s });
        QCOMPARE(changed.size(), 1);
        QVERIFY(service.caskFacts(catalog[3])->isDisabled());
        const ReleaseFacts release { u"v2026.5.0"_s, 48211968, true, u"github.com"_s };
        QVERIFY(service.releaseFacts(u"parabolic"_s) == release);
        // The next launch starts from the cache, GitHub's facts included.
        CaskFactsService next(env, catalog);
        next.start();
        QVERIFY(!next.isRefreshing() && next.releaseFacts(u"parabolic"_s) == release);
    }

    // A size no file can have is unknown, in GitHub's answer and in the cache alike, so that the
    // limit for a download of unknown size holds rather than none.
    void countsAnImpossibleSizeAsUnknown_data()
    {
        QTest::addColumn<QByteArray>("size"); // as the JSON has it
        QTest::addColumn<qint64>("bytes");
        QTest::newRow("a real size") << QByteArray("48211968") << qint64(48211968);
        QTest::newRow("beyond 32 bits") << QByteArray("4.5e15") << qint64(4500000000000000);
        QTest::newRow("1e300") << QByteArray("1e300") << qint64(-1);
        QTest::newRow("the largest 64-bit number") << QByteArray("9223372036854775807") << qint64(-1);
    }

    void countsAnImpossibleSizeAsUnknown()
    {
        QFETCH(QByteArray, size);
        QFETCH(qint64, bytes);
        const Outcome<GitHubRelease> release = GitHubRelease::decode(
            R"({"assets": [{"name": "a.zip", "browser_download_url": "https://github.com/a.zip", "size": )" + size
            + "}]}");
        QCOMPARE(release->assets.value(0).size, bytes);
        QCOMPARE(ReleaseFacts::fromJson(QJsonDocument::fromJson("{\"size\": " + size + '}').object()).assetSize, bytes);
    }

    // The cache, bundles and the set file a user picks lie where any program of the user's can put
    // something else: a link, a FIFO, a device, a folder, a huge file. None of it is read (a set file
    // the user named is read through a link), so nothing holds the window or the command line, or
    // fills memory.
    void readsOnlyPlainFiles_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : { "file", "link", "fifo", "/dev/zero", "folder", "large" })
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }

    void readsOnlyPlainFiles()
    {
        QFETCH(QString, kind);
        Sandbox sandbox;
        const QString real = sandbox.root() + u"/real/"_s, cache = CaskFactsCache::path(sandbox.root() + u"/cache"_s);
        const QString plist = sandbox.root() + u"/Info.plist"_s, set = sandbox.root() + u"/Brewfile"_s;
        QVERIFY(CaskFactsCache::save(real + u"cask-facts.json"_s, snapshotAged(60))
            && QDir().mkpath(sandbox.root() + u"/cache"_s)
            && PlistFile::write(
                real + u"Info.plist"_s, { { u"CFBundleIdentifier"_s, u"com.x"_s } }, PlistFile::Format::Xml)
            && Sandbox::writeFile(real + u"Brewfile"_s, "cask \"maccy\"\n"));
        std::list<QProcess> writers;
        for (const auto &[path, limit] : { std::pair(cache, qint64(16) << 20),
                 std::pair(plist, PlistReader::maxFileSize), std::pair(set, AppSetFile::maxFileSize) }) {
            const QString source = real + QFileInfo(path).fileName();
            if (kind == u"fifo"_s) {
                QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
                writers.emplace_back().start(u"/bin/sh"_s, { u"-c"_s, u"cat \"$0\" > \"$1\""_s, source, path });
            } else if (kind == u"folder"_s) {
                QVERIFY(QDir().mkpath(path));
            } else if (kind == u"link"_s || kind == u"/dev/zero"_s) {
                QVERIFY(QFile::link(kind == u"link"_s ? source : kind, path));
            } else { // the file itself, or with spaces past the reader's limit
                QVERIFY(Sandbox::writeFile(path, fileBytes(source) + QByteArray(kind == u"large"_s ? limit : 0, ' ')));
            }
        }
        QCOMPARE(CaskFactsCache::load(cache).has_value(), kind == u"file"_s);
        QCOMPARE(PlistReader::stringValueInFile(plist, u"CFBundleIdentifier"_s).has_value(), kind == u"file"_s);
        QCOMPARE(AppSetFile::readFile(set, Catalog::builtIn()).succeeded(), kind == u"file"_s || kind == u"link"_s);
        for (QProcess &writer : writers) {
            writer.kill();
            writer.waitForFinished();
        }
    }

    void asksTheApiWithoutHomebrew()
    {
        Sandbox sandbox;
        LocalHttpServer api;
        const auto casks = fixtureCasks();
        for (const QString &token : { u"maccy"_s, u"tomatobar"_s })
            api.serve("/api/cask/" + token.toUtf8() + ".json", QJsonDocument(casks[token]).toJson());
        Environment env = withCache(sandbox);
        env.homebrewApi = api.url(u"/"_s);
        CaskFactsSnapshot cached = snapshotAged(2 * 86400);
        cached.casks.insert(u"hiddenbar"_s, *CaskFacts::fromJson(casks[u"hiddenbar"_s]));
        QVERIFY(CaskFactsCache::save(CaskFactsCache::path(env.cacheDir), cached));

        // Hidden Bar's answer is missing: the others are kept, and so is what was known of it.
        QTest::ignoreMessage(QtWarningMsg,
            QRegularExpression(u"^Could not refresh all app facts, keeping the ones known: .*hiddenbar"_s));
        CaskFactsService service(env, catalogApps({ u"maccy"_s, u"tomatobar"_s, u"hiddenbar"_s }));
        service.start();
        QTRY_VERIFY_WITH_TIMEOUT(!service.isRefreshing(), 30000);
        QCOMPARE(service.caskFacts(u"maccy"_s)->version, u"2.3.0"_s);
        QVERIFY(service.caskFacts(u"tomatobar"_s)->isDisabled());
        QVERIFY(service.caskFacts(u"hiddenbar"_s) == cached.casks[u"hiddenbar"_s]);
        QCOMPARE(CaskFactsCache::load(service.cachePath())->casks.size(), 3);
    }

    // A day-old cache is refreshed; a refresh that fails leaves the cache as it was.
    void refreshesAStaleCacheAndKeepsItOnFailure_data()
    {
        QTest::addColumn<Age>("age");
        QTest::addColumn<QByteArray>("answer"); // the file brew info prints, or "fail"
        QTest::addColumn<QString>("version"); // of maccy afterwards, in memory and in the cache
        const QByteArray fixture = infoFile.toUtf8();
        QTest::newRow("no cache") << Age() << fixture << u"2.3.0"_s;
        QTest::newRow("an hour old") << Age(3600) << fixture << u"1.0"_s;
        QTest::newRow("a day old") << Age(24 * 3600) << fixture << u"2.3.0"_s;
        QTest::newRow("dated tomorrow") << Age(-24 * 3600) << fixture << u"2.3.0"_s;
        QTest::newRow("brew fails") << Age(3 * 86400) << QByteArray("fail") << u"1.0"_s;
        QTest::newRow("brew prints nothing") << Age(3 * 86400) << QByteArray("/dev/null") << u"1.0"_s;
    }

    void refreshesAStaleCacheAndKeepsItOnFailure()
    {
        QFETCH(Age, age);
        QFETCH(QByteArray, answer);
        QFETCH(QString, version);
        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew());
        const ScopedEnvironmentVariable info("FAKE_BREW_INFO_JSON", answer);
        const ScopedEnvironmentVariable fails(
            "FAKE_BREW_EXIT", answer == "fail" ? std::optional("1"_ba) : std::nullopt);
        const Environment env = withCache(sandbox);
        if (age)
            QVERIFY(CaskFactsCache::save(CaskFactsCache::path(env.cacheDir), snapshotAged(*age)));
        const bool refreshes = !age || *age != 3600;
        if (answer != infoFile.toUtf8())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Could not refresh all app facts"_s));

        CaskFactsService service(env, catalogApps({ u"maccy"_s }));
        service.start();
        QCOMPARE(service.isRefreshing(), refreshes);
        QCOMPARE(service.caskFacts(u"maccy"_s).has_value(), age.has_value());
        QTRY_VERIFY_WITH_TIMEOUT(!service.isRefreshing(), 30000);
        QCOMPARE(sandbox.brewCalls().size(), refreshes ? 1 : 0);
        QCOMPARE(service.caskFacts(u"maccy"_s)->version, version);
        QCOMPARE(CaskFactsCache::load(service.cachePath())->casks.value(u"maccy"_s).version, version);
    }

    void readsGatekeeperVerdicts_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<GatekeeperAssessment>("assessment");
        using Verdict = GatekeeperAssessment::Verdict;
        QTest::newRow("notarized") << 0
                                   << QByteArray("/Applications/Maccy.app: accepted\nsource=Notarized Developer ID\n"
                                                 "origin=Developer ID Application: Alexey Rodionov (MN3X4648SC)\n")
                                   << GatekeeperAssessment { Verdict::Accepted, u"Notarized Developer ID"_s,
                                          u"Developer ID Application: Alexey Rodionov (MN3X4648SC)"_s };
        QTest::newRow("ad hoc") << 3 << QByteArray("/Applications/A: b.app: rejected\nsource=no usable signature\n")
                                << GatekeeperAssessment { Verdict::Rejected, u"no usable signature"_s, {} };
        QTest::newRow("accepted but failed")
            << 1 << QByteArray("/A.app: accepted\nsource=Apple System\n") << GatekeeperAssessment();
    }

    void readsGatekeeperVerdicts()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, output);
        QFETCH(GatekeeperAssessment, assessment);
        QVERIFY(Gatekeeper::parse(status, output) == assessment);
        QCOMPARE(Gatekeeper::parse(status, output).isNotarizedDeveloperID(),
            QByteArray(QTest::currentDataTag()) == "notarized");
    }

    // The one-time Homebrew setup: its script or package run as administrator, its output streamed
    // into the log, one at a time for the user (other windows and processes wait), then the install.
    void setsUpThenInstallsOneSetupAtATime_data()
    {
        QTest::addColumn<bool>("otherProcess"); // the second request comes from another process
        QTest::newRow("another window") << false;
        QTest::newRow("another process") << true;
    }
    void setsUpThenInstallsOneSetupAtATime()
    {
        QFETCH(bool, otherProcess);
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
        // The address comes from configuration: what a shell would act on in it stays in the address.
        QUrl host = server.url();
        host.setUserName(u"it's&me;$HOME"_s);
        env.homebrewInstallHost = host;
        // Coordinators over the same lock files, as each Orvando process has its own.
        OperationCoordinator coordinator(sandbox.root() + u"/locks"_s), elsewhere(sandbox.root() + u"/locks"_s);
        TestEngine engine(env, nullptr, &coordinator);
        QSignalSpy progress(&engine, &InstallEngine::setupInProgressChanged);

        startDetached(engine.setUpHomebrewThenInstall(maccy()));
        // Lines reach the log while the script runs: complete ones only, empty ones counted.
        QTRY_COMPARE_WITH_TIMEOUT(engine.setupLinesEmitted(), 2, 30000);
        QCOMPARE(logTexts(engine), (QStringList { settingUp, u"NONINTERACTIVE=1"_s }));
        QVERIFY(QFile::exists(engine.setupLogPath()));
        // Meanwhile a second request waits for this setup, then uses the brew it put in place.
        InstallEngine other(env, nullptr, otherProcess ? &elsewhere : &coordinator);
        QCOMPARE(other.setupInProgress(), !otherProcess);
        startDetached(other.setUpHomebrewThenInstall(catalogApp(u"ice"_s)));
        QCOMPARE(other.state(u"ice"_s), std::optional(InstallState::installing(u"Setting up Homebrew (one-time)."_s)));
        QCOMPARE(logTexts(other, u"ice"_s),
            QStringList { u"==> Waiting for the Homebrew setup that is already running."_s });
        QVERIFY(Sandbox::writeFile(go, "go"));

        QTRY_COMPARE_WITH_TIMEOUT(engine.state(u"maccy"_s), std::optional(InstallState::installed()), 60000);
        QTRY_COMPARE_WITH_TIMEOUT(other.state(u"ice"_s), std::optional(InstallState::installed()), 30000);
        QCOMPARE(logTexts(engine).mid(0, 6),
            (QStringList { settingUp, u"NONINTERACTIVE=1"_s, u"==> Downloading"_s, u"==> Installation successful!\r"_s,
                u"==> Next steps: none"_s, ready }));
        QCOMPARE(QList<QList<QVariant>>(progress), (QList<QList<QVariant>> { { true }, { false } }));
        QCOMPARE(entriesOf(env.tempDir), QStringList());
        QCOMPARE(server.requests(scriptPath).size(), 1);
    }

    void failedSetupFailsTheApp_data()
    {
        QTest::addColumn<QByteArray>("script"); // null: the script's address answers 404
        QTest::addColumn<bool>("shellMissing");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<InstallState>("state");
        QTest::newRow("script fails: brew is not looked for")
            << QByteArray("echo 'Error: macOS is too old'\nINSTALL\nexit 3") << false
            << QStringList { settingUp, u"Error: macOS is too old"_s, failedCode.arg(3) } << setupFailed;
        QTest::newRow("no shell to run it")
            << QByteArray("INSTALL") << true << QStringList { settingUp, failedCode.arg(-1) } << setupFailed;
        QTest::newRow("finished without brew")
            << QByteArray("exit 0") << false
            << QStringList { settingUp, u"error: Homebrew setup finished but brew was not found afterward."_s }
            << setupFailed;
        const QString offline
            = u"The Homebrew installer could not be downloaded. Check your connection and try again."_s;
        QTest::newRow("script cannot be downloaded")
            << QByteArray() << false
            << QStringList { settingUp, u"curl: (22) The requested URL returned error: 404"_s, u"error: "_s + offline,
                   failedCode.arg(1) }
            << InstallState::failed(offline);
    }

    void failedSetupFailsTheApp()
    {
        QFETCH(QByteArray, script);
        QFETCH(bool, shellMissing);
        QFETCH(QStringList, lines);
        QFETCH(InstallState, state);
        Sandbox sandbox;
        QVERIFY(stageFakeBrew(sandbox));
        LocalHttpServer server;
        if (!script.isNull())
            server.serve(scriptPath, script.replace("INSTALL", installBrew(sandbox)));
        Environment env = sandbox.environment();
        env.homebrewInstallHost = server.url();
        if (shellMissing)
            env.tools.sh = sandbox.root() + u"/no-such-shell"_s;
        InstallEngine engine(env);
        QVERIFY(finish(engine.setUpHomebrewThenInstall(maccy())));
        QCOMPARE(engine.state(u"maccy"_s), state);
        QCOMPARE(logTexts(engine), lines);
        QVERIFY(!engine.brewAvailable() && !engine.setupInProgress());
        QCOMPARE(sandbox.brewCalls(), QStringList());
        QCOMPARE(entriesOf(env.tempDir), QStringList());
    }

    // The package route (the Mac's): Homebrew's installer package from its latest release, checked
    // against the published digest before the password prompt, then checked again by root on root's
    // own copy, against that same digest. Stand-ins for osascript, pkgutil and installer; the real
    // shell, shasum and curl.
    void installsOnlyThePublishedSignedPackage_data()
    {
        QTest::addColumn<QString>("asset");
        QTest::addColumn<QByteArray>("published"); // what the release's digest is the digest of; null: none
        QTest::addColumn<QString>("swap"); // when another process of the user replaces the package
        QTest::addColumn<QByteArray>("signature"); // what pkgutil says
        QTest::addColumn<bool>("asked"); // the password prompt came
        QTest::addColumn<QString>("failure"); // the error logged; empty: installed
        const QString pkg = u"Homebrew-4.4.0.pkg"_s;
        const QString badSignature = u"The Homebrew installer's signature could not be verified."_s;
        const QString notHomebrews = u"The Homebrew installer is not signed by Homebrew."_s;
        const QString badChecksum = u"The Homebrew installer's checksum could not be verified."_s;
        const auto changed
            = [](QByteArray text, const QByteArray &from, const QByteArray &to) { return text.replace(from, to); };
        const QByteArray notarized = "   Notarization: trusted by the Apple notary service\n";
        const auto row = [&](const char *name, const QByteArray &signature, const QString &failure,
                             const QString &swap = {}, const QByteArray &published = package, bool asked = true,
                             const QString &asset = u"Homebrew-4.4.0.pkg"_s) {
            QTest::newRow(name) << asset << published << swap << signature << asked << failure;
        };
        row("checked, then installed", signedAndNotarized, {});
        row("swapped after the user's check", signedAndNotarized, badChecksum, u"before the copy"_s);
        // Root installs the copy it checked, not the user's file of the same name.
        row("swapped while root checks", signedAndNotarized, {}, u"during the check"_s);
        row("not signed", "Package \"Homebrew.pkg\":\n   Status: no signature\n", badSignature);
        row("signed, not notarized", changed(signedAndNotarized, notarized, ""),
            u"The Homebrew installer is not notarized by Apple."_s);
        row("notarized, another status too", signedAndNotarized + "   Status: signed Apple Software\n", badSignature);
        row("not a Developer ID Installer", changed(signedAndNotarized, "Developer ID Installer", "Apple Development"),
            notHomebrews);
        row("another developer's notarized package",
            changed(signedAndNotarized, "Patrick Linnane (927JGANW46)", "Some One (ABCDE12345)"), notHomebrews);
        row("Homebrew's team named inside another's",
            changed(signedAndNotarized, "(927JGANW46)", "(927JGANW46) (ABCDE12345)"), notHomebrews);
        row("no package in the release", signedAndNotarized,
            u"Could not find a download named Homebrew.pkg in the latest release."_s, {}, package, false,
            u"Homebrew-4.4.0.zip"_s);
        row("package does not match its digest", signedAndNotarized,
            u"The download did not match its published checksum."_s, {}, "other", false);
        row("no digest published", signedAndNotarized, badChecksum, {}, QByteArray(), false);
    }

    void installsOnlyThePublishedSignedPackage()
    {
        QFETCH(QString, asset);
        QFETCH(QByteArray, published);
        QFETCH(QString, swap);
        QFETCH(QByteArray, signature);
        QFETCH(bool, asked);
        QFETCH(QString, failure);
        Sandbox sandbox;
        QVERIFY(stageFakeBrew(sandbox));
        LocalHttpServer server;
        const QByteArray digest = QCryptographicHash::hash(published, QCryptographicHash::Sha256).toHex();
        QJsonObject entry { { u"name"_s, asset },
            { u"browser_download_url"_s, server.url(u"/dl/"_s + asset).toString() }, { u"size"_s, package.size() } };
        if (!published.isNull())
            entry.insert(u"digest"_s, u"sha256:"_s + QString::fromLatin1(digest));
        server.serve("/repos/Homebrew/brew/releases/latest",
            QJsonDocument(QJsonObject { { u"assets"_s, QJsonArray { entry } } }).toJson());
        server.serve("/dl/" + asset.toUtf8(), package, 200, "application/octet-stream");
        Environment env = sandbox.environment();
        env.githubApi = server.url();
        env.privilegedTempDir = sandbox.root() + u"/private-tmp"_s;
        QVERIFY(QDir().mkpath(env.privilegedTempDir));
        env.tools.osascript = sandbox.helperDir() + u"/osascript"_s;
        env.tools.pkgutil = sandbox.helperDir() + u"/pkgutil"_s;
        env.tools.installer = sandbox.helperDir() + u"/installer"_s;
        const QString installed = sandbox.root() + u"/installed.pkg"_s, prompted = sandbox.root() + u"/asked"_s;
        const QByteArray swapping
            = "for p in " + quoted(env.tempDir) + "/*/orvando-download-*; do printf evil > \"$p\"; done\n";
        // osascript: what "do shell script … with administrator privileges" would run, after the swap.
        QVERIFY(Sandbox::writeFile(env.tools.osascript,
            "#!/bin/sh\ntouch " + quoted(prompted) + '\n' + (swap == u"before the copy"_s ? swapping : QByteArray())
                + "s=${2#do shell script \\\"}; s=${s%\\\" with administrator privileges}\n"
                  "/bin/sh -c \"$(printf '%s' \"$s\" | sed 's/\\\\\\(.\\)/\\1/g')\" || exit 1\n",
            true));
        QVERIFY(Sandbox::writeFile(env.tools.pkgutil,
            "#!/bin/sh\n[ \"$1\" = --check-signature ] || exit 2\n"
                + (swap == u"during the check"_s ? swapping : QByteArray()) + "cat <<'EOF'\n" + signature + "EOF\n"
                + (signature.contains("Status: signed") ? "" : "exit 1\n"),
            true));
        QVERIFY(Sandbox::writeFile(env.tools.installer,
            "#!/bin/sh\n[ \"$1 $2 $4 $5\" = '-verboseR -pkg -target /' ] || exit 2\ncp \"$3\" " + quoted(installed)
                + '\n' + installBrew(sandbox) + "echo 'installer: The install was successful.'\n",
            true));
        TestEngine engine(env);
        engine.setSetupRunnerOverride(
            [&engine](QString appID, InstallEngine::LineHandler) { return engine.installHomebrewPackage(appID); });

        QVERIFY(finish(engine.setUpHomebrewThenInstall(maccy())));
        // The card names a check of the package; a failure before it is a setup that did not finish.
        const InstallState outcome = failure.isEmpty()        ? InstallState::installed()
            : failure.startsWith(u"The Homebrew installer"_s) ? InstallState::failed(failure)
                                                              : setupFailed;
        QCOMPARE(engine.state(u"maccy"_s), std::optional(outcome));
        QCOMPARE(QFile::exists(prompted), asked);
        QCOMPARE(fileBytes(installed), failure.isEmpty() ? package : QByteArray());
        QVERIFY(logTexts(engine).contains(
            failure.isEmpty() ? u"installer: The install was successful."_s : u"error: "_s + failure));
        // Nothing is left behind, on the user's side or root's.
        QCOMPARE(entriesOf(env.tempDir) + entriesOf(env.privilegedTempDir), QStringList());
    }

    // At the end of the package route root hands back only what it made: the log from the start,
    // which only its owner may read, and the folder last of all. A link or a hard link that another
    // process put in the log's place is not followed to another file. A real chown: root only.
    void handsBackOnlyWhatRootMade_data()
    {
        QTest::addColumn<QByteArray>("planting"); // what the installer's run does to the log
        QTest::newRow("nothing") << QByteArray();
        QTest::newRow("a link") << QByteArray("ln -sf \"$v\" \"$log\"");
        QTest::newRow("a hard link") << QByteArray("rm \"$log\" && ln \"$v\" \"$log\"");
    }

    void handsBackOnlyWhatRootMade()
    {
        if (::geteuid() != 0)
            QSKIP("giving a file to another user takes root");
        QFETCH(QByteArray, planting);
        Sandbox sandbox;
        const QString victim = sandbox.root() + u"/daemon.plist"_s; // root's, like a LaunchDaemon
        const HomebrewSetupCommand::PackageInstall install { sandbox.root() + u"/download.pkg"_s,
            QString::fromLatin1(QCryptographicHash::hash(package, QCryptographicHash::Sha256).toHex()),
            sandbox.tempDir() + u"/orvando-setup-1"_s, 4242, sandbox.helperDir() + u"/installer"_s,
            sandbox.helperDir() + u"/pkgutil"_s, Environment::systemTools().shasum };
        QVERIFY(Sandbox::writeFile(victim, "<plist/>") && Sandbox::writeFile(install.package, package)
            && Sandbox::writeFile(install.pkgutil, "#!/bin/sh\ncat <<'EOF'\n" + signedAndNotarized + "EOF\n", true));
        // The installer's run stands for another process that got into the folder meanwhile.
        QVERIFY(Sandbox::writeFile(install.installer,
            "#!/bin/sh\nv=" + quoted(victim) + "; log=\"${3%/pkg/*}/setup.log\"\n" + planting + '\n', true));

        QCOMPARE(
            QProcess::execute(u"/bin/sh"_s, { u"-c"_s, HomebrewSetupCommand::installerPackageCommand(install) }), 0);
        QCOMPARE(QFileInfo(victim).ownerId(), 0u);
        QCOMPARE(QFileInfo(install.folder).ownerId(), 4242u);
        QCOMPARE(entriesOf(install.folder), QStringList { u"setup.log"_s });
        const QFileInfo log(HomebrewSetupCommand::packageLogPath(install.folder));
        QVERIFY(!planting.isEmpty()
            || (log.ownerId() == 4242u && !(log.permissions() & (QFile::ReadGroup | QFile::ReadOther))));
    }

    // The one shell quoting, and the AppleScript literal around a command, give back any text.
    void quotingKeepsAnyTextOneWord_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("plain path") << u"/var/folders/T/orvando-501/a.log"_s;
        QTest::newRow("single quotes") << u"it's '' '\\'''"_s;
        QTest::newRow("double quotes and backslashes") << u"a\"b\\c \\\" \\\\"_s;
        QTest::newRow("expansions") << u"$(touch pwned) `id` $HOME * ; echo no"_s;
        QTest::newRow("line break, non-ASCII") << u"My Folder/x\ny/Zoë ✓.app"_s;
        QTest::newRow("empty") << QString();
    }

    void quotingKeepsAnyTextOneWord()
    {
        QFETCH(QString, text);
        QCOMPARE(runShell(u"printf '%s|' "_s + ShellQuote::quoted(text)), text + u'|');
        const QString source = HomebrewSetupCommand::appleScriptSource(text);
        const QString prefix = u"do shell script \""_s, suffix = u"\" with administrator privileges"_s;
        QVERIFY(source.startsWith(prefix) && source.endsWith(suffix));
        QCOMPARE(appleScriptValue(source.mid(prefix.size(), source.size() - prefix.size() - suffix.size())), text);
    }

    // The window closes while the setup's process runs; the process ends later, to nobody.
    void survivesTheEngineGoingAwayMidSetup()
    {
        Sandbox sandbox;
        const QString go = sandbox.root() + u"/go"_s, ended = sandbox.root() + u"/ended"_s;
        LocalHttpServer server;
        server.serve(scriptPath,
            "echo waiting\nwhile [ ! -f " + quoted(go) + " ]; do sleep 0.05; done\necho late\ntouch " + quoted(ended));
        Environment env = sandbox.environment();
        env.homebrewInstallHost = server.url();
        auto *engine = new InstallEngine(env);
        startDetached(engine->setUpHomebrewThenInstall(maccy()));
        QTRY_VERIFY_WITH_TIMEOUT(logTexts(*engine).contains(u"waiting"_s), 30000);
        delete engine;
        QVERIFY(Sandbox::writeFile(go, "go"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(ended), 30000);
        QTRY_COMPARE(entriesOf(env.tempDir), QStringList()); // the setup log is gone all the same
    }
};

QTEST_GUILESS_MAIN(TestHomebrew)
#include "TestHomebrew.moc"
