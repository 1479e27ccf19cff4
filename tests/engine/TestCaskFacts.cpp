// What Homebrew and GitHub say about the catalog's apps: decoding brew's answer, the sentences
// shown for it, and the service that reads, caches and refreshes it.
#include "engine/CaskFactsCache.h"
#include "engine/CaskFactsService.h"
#include "engine/CaskFactsText.h"
#include "platform/Gatekeeper.h"
#include "support/EngineTestKit.h"
#include "support/LocalHttpServer.h"
#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

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

} // namespace

class TestCaskFacts : public QObject
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
        QTest::newRow("verified") << CaskFactsText::checksum(tomatobar) << u"Checksum verified by Homebrew"_s;
        QTest::newRow("no_check") << CaskFactsText::checksum(*CaskFacts::fromJson(casks[u"shutter-encoder"_s]))
                                  << u"Not verified: this app's download changes with every release"_s;
        QTest::newRow("GitHub digest") << CaskFactsText::checksum(ReleaseFacts { {}, -1, true, {} })
                                       << u"Verified against GitHub's published digest"_s;
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
};

QTEST_GUILESS_MAIN(TestCaskFacts)
#include "TestCaskFacts.moc"
