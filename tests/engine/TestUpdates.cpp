// Which installed catalog apps have a newer version (the version order, brew's outdated list, a
// loopback GitHub), and updating them: through the fake brew, from GitHub, and "Update all"; a
// failed update never leaves the user without the version they had.
#include "engine/BatchInstaller.h"
#include "engine/CaskFactsCache.h"
#include "engine/CaskFactsService.h"
#include "engine/EngineServices.h"
#include "engine/UpdateChecker.h"
#include "engine/VersionCompare.h"
#include "platform/PlistReader.h"
#include "support/EngineTestKit.h"
#include "support/LocalHttpServer.h"
#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;
using Order = VersionCompare::Order;
Q_DECLARE_METATYPE(VersionCompare::Order)

namespace {

QStringList described(const QList<AppUpdate> &updates)
{
    QStringList lines;
    for (const AppUpdate &u : updates)
        lines.append(
            u.appID + u' ' + u.installedVersion + u'>' + u.availableVersion + (u.updatesItself ? u" self"_s : u""_s));
    return lines;
}

const QString outdatedFile = QStringLiteral(ORVANDO_SOURCE_DIR "/tests/engine/fixtures/brew-outdated.json");

QString versionOf(const QString &bundle)
{
    return PlistReader::stringValueInFile(bundle + u"/Contents/Info.plist"_s, u"CFBundleShortVersionString"_s)
        .value_or(QString());
}

template <typename T> T await(QCoro::Task<T> task)
{
    auto result = std::make_shared<std::optional<T>>();
    std::move(task).then([result](T value) { *result = std::move(value); });
    if (!QTest::qWaitFor([result] { return result->has_value(); }, 60000))
        qFatal("the task did not finish");
    return **result;
}

// A sandbox Mac with the fake brew, the given casks installed at 1.0, and brew saying each has a
// newer version; the services have already checked.
struct Outdated
{
    Sandbox sandbox;
    OperationCoordinator coordinator;
    EngineServices *services = nullptr;
    std::unique_ptr<InstallEngine> engine;
    QList<CatalogApp> apps;

    explicit Outdated(const QStringList &names, const QString &newVersion)
    {
        QVERIFY(sandbox.installFakeBrew());
        QJsonArray outdated;
        for (const QString &name : names) {
            apps.append(caskApp(name.toLower(), name, u"org.fake."_s + name.toLower()));
            QVERIFY(sandbox.registerCask(name.toLower(), name, *apps.last().bundleID));
            outdated.append(QJsonObject { { u"name"_s, name.toLower() },
                { u"installed_versions"_s, QJsonArray { u"1.0"_s } }, { u"current_version"_s, newVersion } });
        }
        const QString json = sandbox.root() + u"/outdated.json"_s;
        QVERIFY(Sandbox::writeFile(json, QJsonDocument(QJsonObject { { u"casks"_s, outdated } }).toJson()));
        qputenv("FAKE_BREW_OUTDATED_JSON", json.toUtf8());
        qputenv("FAKE_BREW_UPGRADE_VERSION", newVersion.toUtf8());
        services = new EngineServices(sandbox.environment(), apps, &coordinator);
        engine = std::make_unique<InstallEngine>(sandbox.environment(), nullptr, &coordinator);
        for (const CatalogApp &app : std::as_const(apps))
            QVERIFY(finish(engine->install(app)));
        QVERIFY(await(services->updates()->check()));
    }
    ~Outdated()
    {
        qunsetenv("FAKE_BREW_OUTDATED_JSON");
        qunsetenv("FAKE_BREW_UPGRADE_VERSION");
    }
    QString bundle(const QString &name) const { return sandbox.userApplications() + u'/' + name + u".app"_s; }
};

} // namespace

class TestUpdates : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void comparesVersions_data()
    {
        QTest::addColumn<QString>("installed");
        QTest::addColumn<QString>("available");
        QTest::addColumn<Order>("order");
        QTest::addColumn<bool>("farBehind");
        QTest::newRow("1.9 < 1.10") << u"1.9"_s << u"1.10"_s << Order::Older << false;
        QTest::newRow("1.10 > 1.9") << u"1.10"_s << u"1.9"_s << Order::Newer << false;
        QTest::newRow("v2.0 = 2.0") << u"v2.0"_s << u"2.0"_s << Order::Same << false;
        QTest::newRow("2 = 2.0.0") << u"2"_s << u"2.0.0"_s << Order::Same << false;
        QTest::newRow("one major behind") << u"2.9"_s << u"3.0"_s << Order::Older << false;
        QTest::newRow("two majors behind") << u"1.0"_s << u"v3.0"_s << Order::Older << true;
        QTest::newRow("pre-release") << u"2.0-beta"_s << u"2.0"_s << Order::Unknown << false;
        QTest::newRow("beta tag") << u"1.0"_s << u"3.0b1"_s << Order::Unknown << false;
        QTest::newRow("junk") << u"junk"_s << u"1.0"_s << Order::Unknown << false;
        QTest::newRow("empty part") << u"1..2"_s << u"1.2"_s << Order::Unknown << false;
        QTest::newRow("too many digits") << u"99999999999999999999"_s << u"1"_s << Order::Unknown << false;
        QTest::newRow("newer build") << u"4.33.3,170"_s << u"4.33.3,171"_s << Order::Older << false;
        QTest::newRow("version before build") << u"4.33.3,170"_s << u"4.33.4,100"_s << Order::Older << false;
        QTest::newRow("build as hash") << u"1.0,abc"_s << u"1.0,abd"_s << Order::Unknown << false;
    }

    void comparesVersions()
    {
        QFETCH(QString, installed);
        QFETCH(QString, available);
        QTEST(VersionCompare::compare(installed, available), "order");
        QTEST(VersionCompare::isMoreThanOneMajorBehind(installed, available), "farBehind");
    }

    void findsCaskUpdatesAndWhoUpdatesItself()
    {
        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew());
        const ScopedEnvironmentVariable answer("FAKE_BREW_OUTDATED_JSON", outdatedFile.toUtf8());
        Environment env = sandbox.environment();
        env.cacheDir = sandbox.root() + u"/cache"_s;
        // What Homebrew said earlier today: Maccy and Shottr update themselves.
        CaskFactsSnapshot known { QDateTime::currentDateTimeUtc(), {}, {} };
        for (const QString &token : { u"maccy"_s, u"shottr"_s, u"rectangle"_s }) {
            CaskFacts facts;
            facts.token = token;
            facts.autoUpdates = token != u"rectangle"_s;
            known.casks.insert(token, facts);
        }
        QVERIFY(CaskFactsCache::save(CaskFactsCache::path(env.cacheDir), known));
        CaskFactsService facts(env, Catalog::v1());
        facts.start();
        QVERIFY(!facts.isRefreshing());

        UpdateChecker checker(env, Catalog::v1(), &facts);
        QSignalSpy counted(&checker, &UpdateChecker::countChanged);
        checker.installedStateRefreshed();
        QTRY_VERIFY_WITH_TIMEOUT(!checker.isChecking(), 30000);

        QCOMPARE(described(checker.updates()),
            (QStringList { u"maccy 2.2.0>2.3.0 self"_s, u"rectangle 0.85>0.86"_s, u"shottr 0.9.1>2.1.0"_s }));
        QCOMPARE(checker.count(), 2);
        QCOMPARE(counted.size(), 1);
        QCOMPARE(sandbox.brewCalls(), QStringList { u"outdated --cask --greedy --json=v2"_s });
    }

    void findsDirectDownloadUpdates_data()
    {
        QTest::addColumn<QString>("installed");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("update");
        QTest::newRow("older") << u"2026.4.0"_s << u"2026.5.0"_s << u"2026.5.0"_s;
        QTest::newRow("current") << u"2026.5.0"_s << u"v2026.5.0"_s << QString();
        QTest::newRow("tag not a version") << u"2026.4.0"_s << u"nightly"_s << QString();
    }

    void findsDirectDownloadUpdates()
    {
        QFETCH(QString, installed);
        QFETCH(QString, tag);
        QFETCH(QString, update);
        Sandbox sandbox;
        LocalHttpServer github;
        github.serve("/repos/NickvisionApps/Parabolic/releases/latest",
            "{\"assets\": [], \"tag_name\": \"" + tag.toUtf8() + "\"}");
        Environment env = sandbox.environment();
        env.githubApi = github.url();
        QVERIFY(PlistFile::write(sandbox.userApplications() + u"/Parabolic.app/Contents/Info.plist"_s,
            { { u"CFBundleIdentifier"_s, u"org.nickvision.tubeconverter"_s },
                { u"CFBundleShortVersionString"_s, installed } },
            PlistFile::Format::Binary));

        UpdateChecker checker(env, catalogApps({ u"parabolic"_s }));
        checker.checkNow();
        QTRY_VERIFY_WITH_TIMEOUT(!checker.isChecking(), 30000);

        QCOMPARE(described(checker.updates()),
            update.isEmpty() ? QStringList() : QStringList { u"parabolic "_s + installed + u'>' + update });
        QCOMPARE(github.requests("/repos/NickvisionApps/Parabolic/releases/latest").size(), 1);
    }

    void checksAtMostHourlyAndKeepsAnswersOnFailure()
    {
        const QDateTime now = QDateTime::currentDateTimeUtc();
        QVERIFY(UpdateChecker::isDue({}, now));
        QVERIFY(!UpdateChecker::isDue(now.addSecs(-59 * 60), now));
        QVERIFY(UpdateChecker::isDue(now.addSecs(-60 * 60), now));
        QVERIFY(UpdateChecker::isDue(now.addSecs(5 * 60), now)); // the clock went back

        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew());
        const QString answer = sandbox.root() + u"/outdated.json"_s;
        QVERIFY(Sandbox::writeFile(answer, fileBytes(outdatedFile)));
        const ScopedEnvironmentVariable variable("FAKE_BREW_OUTDATED_JSON", answer.toUtf8());
        UpdateChecker checker(sandbox.environment(), catalogApps({ u"maccy"_s, u"keka"_s }));
        checker.installedStateRefreshed();
        QVERIFY(checker.isChecking());
        QTRY_VERIFY_WITH_TIMEOUT(!checker.isChecking(), 30000);
        checker.installedStateRefreshed();
        QVERIFY(!checker.isChecking());
        QCOMPARE(sandbox.brewCalls().size(), 1);

        // Asked for, it checks again; an answer without its list leaves the last one standing.
        QVERIFY(Sandbox::writeFile(answer, "{\"formulae\": []}"));
        QTest::ignoreMessage(QtWarningMsg,
            "Could not check every app for updates: Homebrew’s list of updates could not be read: “casks” is "
            "missing.");
        QSignalSpy changed(&checker, &UpdateChecker::updatesChanged);
        checker.checkNow();
        QTRY_VERIFY_WITH_TIMEOUT(!checker.isChecking(), 30000);
        QCOMPARE(sandbox.brewCalls().size(), 2);
        QCOMPARE(described(checker.updates()), QStringList { u"maccy 2.2.0>2.3.0"_s });
        QCOMPARE(changed.size(), 0);
    }

    void updatesACaskThroughBrew_data()
    {
        QTest::addColumn<QByteArray>("failing");
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("stillListed");
        QTest::newRow("updated") << QByteArray() << u"2.1.0"_s << false;
        QTest::newRow("failure keeps the old version") << QByteArray("maccy") << u"1.0"_s << true;
    }
    void updatesACaskThroughBrew()
    {
        QFETCH(QByteArray, failing);
        QFETCH(bool, stillListed);
        Outdated mac({ u"Maccy"_s }, u"2.1.0"_s);
        const ScopedEnvironmentVariable fail("FAKE_BREW_FAIL_TOKENS", failing);
        QCOMPARE(mac.engine->status(mac.apps[0]).updateTitle(), u"Update to 2.1.0"_s);
        QStringList notes;
        connect(mac.engine.get(), &InstallEngine::stateChanged, this,
            [&](const QString &id) { notes.append(mac.engine->state(id)->text); });

        const OperationOutcome outcome = await(mac.engine->perform(AppOperation::Update, mac.apps[0]));
        QCOMPARE(mac.sandbox.brewCalls().last(), u"upgrade --cask maccy"_s);
        QVERIFY(notes.contains(u"Getting Maccy 2.1.0 ready."_s));
        QCOMPARE(notes.contains(u"Downloading Maccy 2.1.0."_s), failing.isEmpty());
        QTEST(versionOf(mac.bundle(u"Maccy"_s)), "version");
        QCOMPARE(outcome.succeeded(), failing.isEmpty());
        QCOMPARE(mac.engine->state(u"maccy"_s)->kind,
            failing.isEmpty() ? InstallState::Kind::Installed : InstallState::Kind::Failed);
        QCOMPARE(mac.services->updates()->update(u"maccy"_s).has_value(), stillListed);
        // Gatekeeper had its say on the bundle the install placed (off macOS: not checked).
        QTRY_COMPARE(mac.services->gatekeeper(u"maccy"_s), std::optional(GatekeeperAssessment()));
        // Still found on disk, and shown as installed (with its update) once the window looks again.
        mac.engine->refreshInstalledStatus(mac.apps);
        QCOMPARE(mac.engine->status(mac.apps[0]).label(), stillListed ? u"update available"_s : u"installed"_s);
    }

    void updateAllGoesOnPastAFailure()
    {
        Outdated mac({ u"Maccy"_s, u"Rectangle"_s, u"Stats"_s }, u"3.0"_s);
        const ScopedEnvironmentVariable fail("FAKE_BREW_FAIL_TOKENS", "rectangle");
        BatchInstaller batch(mac.engine.get());
        const BatchInstaller::Summary summary
            = await(batch.run(mac.services->updates()->appsToUpdate(), AppOperation::Update));
        QCOMPARE(summary.text(),
            u"2 updated, 1 failed: Rectangle — The download of Rectangle failed. The app's publisher may have moved "
            u"it; try again later."_s);
        QCOMPARE(versionOf(mac.bundle(u"Maccy"_s)), u"3.0"_s);
        QCOMPARE(versionOf(mac.bundle(u"Rectangle"_s)), u"1.0"_s);
        QCOMPARE(mac.services->updates()->count(), 1);
    }

    // A direct download replaces the copy where the user keeps it, and only once the new one is
    // verified: a digest that does not match leaves the old bundle as it was.
    void updatesADirectDownloadInPlace_data()
    {
        QTest::addColumn<bool>("digestMatches");
        QTest::addColumn<QByteArray>("payload");
        QTest::newRow("verified") << true << QByteArray("new");
        QTest::newRow("digest mismatch") << false << QByteArray("old");
    }
    void updatesADirectDownloadInPlace()
    {
        QFETCH(bool, digestMatches);
        Sandbox sandbox;
        LocalHttpServer server;
        CatalogApp app = caskApp(u"parabolic"_s, u"Parabolic"_s, u"org.nickvision.parabolic"_s);
        app.install = InstallSource::directDownload({ u"Owner/Parabolic"_s, u"P.zip"_s, u"P.zip"_s });
        const QString old = sandbox.makeBundle(sandbox.userApplications(), u"Parabolic"_s, *app.bundleID);
        QVERIFY(Sandbox::writeFile(old + u"/Contents/Resources/payload"_s, "old"));
        const QString source = sandbox.makeBundle(sandbox.root() + u"/src"_s, u"Parabolic"_s, *app.bundleID);
        QVERIFY(Sandbox::writeFile(source + u"/Contents/Resources/payload"_s, "new"));
        const QString zip = sandbox.root() + u"/P.zip"_s;
        QCOMPARE(QProcess::execute(
                     u"bsdtar"_s, { u"-a"_s, u"-cf"_s, zip, u"-C"_s, sandbox.root() + u"/src"_s, u"Parabolic.app"_s }),
            0);
        const QByteArray archive = fileBytes(zip);
        const QByteArray digest
            = QCryptographicHash::hash(digestMatches ? archive : "other", QCryptographicHash::Sha256);
        const QJsonObject asset { { u"name"_s, u"P.zip"_s },
            { u"browser_download_url"_s, server.url(u"/P.zip"_s).toString() },
            { u"digest"_s, u"sha256:"_s + QString::fromLatin1(digest.toHex()) } };
        server.serve("/repos/Owner/Parabolic/releases/latest",
            QJsonDocument(QJsonObject { { u"assets"_s, QJsonArray { asset } } }).toJson());
        server.serve("/P.zip", archive, 200, "application/zip");
        Environment env = sandbox.environment();
        env.githubApi = server.url();
        OperationCoordinator coordinator;
        InstallEngine engine(env, nullptr, &coordinator);

        QVERIFY(finish(engine.update(app)));
        QTEST(fileBytes(old + u"/Contents/Resources/payload"_s), "payload");
        QCOMPARE(entriesOf(sandbox.systemApplications()), QStringList()); // no second copy
        QCOMPARE(entriesOf(sandbox.userApplications()), QStringList { u"Parabolic.app"_s });
        QCOMPARE(
            engine.state(app.id)->kind, digestMatches ? InstallState::Kind::Installed : InstallState::Kind::Failed);
    }
};

QTEST_GUILESS_MAIN(TestUpdates)
#include "TestUpdates.moc"
