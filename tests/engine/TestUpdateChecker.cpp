// Which installed catalog apps have a newer version: the version order, brew's outdated list, the
// checker over the fake brew and a loopback GitHub.
#include "engine/CaskFactsCache.h"
#include "engine/CaskFactsService.h"
#include "engine/UpdateChecker.h"
#include "engine/VersionCompare.h"
#include "support/EngineTestKit.h"
#include "support/LocalHttpServer.h"
#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"

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

} // namespace

class TestUpdateChecker : public QObject
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
};

QTEST_GUILESS_MAIN(TestUpdateChecker)
#include "TestUpdateChecker.moc"
