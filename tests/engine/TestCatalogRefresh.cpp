// The catalog fetched in place of the built-in list: what a loopback server publishes (signed with
// a key pair made here, never the shipped one) and what the program then uses at its next start;
// the daily limit; what was kept, changed on disk before a start; the signing tool's output.
#include "catalog/Catalog.h"
#include "catalog/SignedCatalog.h"
#include "engine/CatalogRefresher.h"
#include "support/EngineTestKit.h"
#include "support/LocalHttpServer.h"
#include "support/Sandbox.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

#include <functional>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;
using Result = CatalogRefresher::Outcome;
using Edit = std::function<void(QJsonObject &)>;

namespace {

const QDateTime later = Catalog::builtInIssued().addDays(3);

SignedCatalog::KeyPair s_keys;
SignedCatalog::KeyPair s_otherKeys;

CatalogApp newApp()
{
    CatalogApp app = caskApp(u"hyperkey"_s, u"Hyperkey"_s, u"com.knollsoft.Hyperkey"_s);
    app.tagline = u"Turn caps lock into a fifth modifier."_s;
    app.homepage = u"https://hyperkey.app/"_s;
    app.isCurated = true;
    app.screenshots = { u"hyperkey-shot-1"_s };
    return app;
}

// The built-in list issued at `issued`, changed by edit (on the JSON form), as published.
QByteArray published(const QDateTime &issued, const Edit &edit = {})
{
    QJsonObject top = QJsonDocument::fromJson(CatalogDocument { issued, Catalog::v1() }.toJson()).object();
    if (edit)
        edit(top);
    return QJsonDocument(top).toJson();
}

// Changes the entry with this id in place.
Edit editEntry(const QString &id, std::function<void(QJsonObject &)> change)
{
    return [id, change](QJsonObject &top) {
        QJsonArray apps = top.value(u"apps"_s).toArray();
        for (qsizetype i = 0; i < apps.size(); ++i) {
            QJsonObject entry = apps.at(i).toObject();
            if (entry.value(u"id"_s).toString() == id) {
                change(entry);
                apps.replace(i, entry);
            }
        }
        top.insert(u"apps"_s, apps);
    };
}

QStringList builtInWith(const QStringList &added, const QStringList &removed = {})
{
    QStringList ids = idsOf(Catalog::v1()) + added;
    for (const QString &id : removed)
        ids.removeAll(id);
    return ids;
}

Result refresh(CatalogRefresher &refresher, bool force = false)
{
    std::optional<Result> outcome;
    const auto run = [](CatalogRefresher *r, bool f, std::optional<Result> *out) -> QCoro::Task<> {
        *out = co_await r->refresh(f);
    };
    if (!finish(run(&refresher, force, &outcome)))
        qFatal("the refresh did not end");
    return *outcome;
}

// The ids a program starting now would show.
QStringList afterRelaunch(const Environment &env)
{
    CatalogRefresher::activateCached(env);
    return idsOf(Catalog::active());
}

} // namespace

class TestCatalogRefresh : public QObject
{
    Q_OBJECT

    std::unique_ptr<Sandbox> m_sandbox;
    std::unique_ptr<LocalHttpServer> m_server;
    Environment m_env;

    QString kept(const QString &name) const { return m_env.cacheDir + u"/catalog/"_s + name; }
    void publish(const QByteArray &bytes, const QString &secretKey)
    {
        m_server->serve("/catalog.json", bytes);
        m_server->serve("/catalog.json.sig", SignedCatalog::sign(bytes, secretKey), 200, "text/plain");
    }

private Q_SLOTS:
    void initTestCase()
    {
        s_keys = SignedCatalog::generateKeyPair();
        s_otherKeys = SignedCatalog::generateKeyPair();
        QVERIFY(SignedCatalog::isPublicKey(s_keys.publicKey) && s_keys.publicKey != s_otherKeys.publicKey);
    }

    void init()
    {
        m_sandbox = std::make_unique<Sandbox>();
        m_server = std::make_unique<LocalHttpServer>();
        m_env = m_sandbox->environment();
        m_env.cacheDir = m_sandbox->root() + u"/cache"_s;
        m_env.catalogUrl = m_server->url(u"/catalog.json"_s);
        m_env.catalogPublicKey = s_keys.publicKey;
    }

    void cleanup() { Catalog::setActive(std::nullopt); }

    // Only a catalog signed by the program's key, whole, usable and newer than what the program
    // has is kept; anything else leaves the built-in list in use after a relaunch.
    void takesOnlyASoundNewerCatalog_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("signature"); // "sign" for a good one
        QTest::addColumn<Result>("outcome");
        QTest::addColumn<QStringList>("ids"); // after a relaunch

        const QByteArray sign = "sign";
        const auto addNewApp = [](QJsonObject &top) {
            QJsonArray apps = top.value(u"apps"_s).toArray();
            apps.append(newApp().toJson());
            top.insert(u"apps"_s, apps);
        };
        QTest::newRow("an app added") << published(later, addNewApp) << sign << Result::Refreshed
                                      << builtInWith({ u"hyperkey"_s });
        const auto dropTomatoBar = [](QJsonObject &top) {
            QJsonArray apps = top.value(u"apps"_s).toArray();
            apps.removeAt(15);
            top.insert(u"apps"_s, apps);
        };
        QTest::newRow("an app removed") << published(later, dropTomatoBar) << sign << Result::Refreshed
                                        << builtInWith({}, { u"tomatobar"_s });
        const auto unknownFields = [](QJsonObject &top) {
            top.insert(u"publisher"_s, u"Orvando"_s);
            editEntry(u"maccy"_s, [](QJsonObject &entry) { entry.insert(u"minimumMacOS"_s, u"14.0"_s); })(top);
        };
        QTest::newRow("fields of a later catalog")
            << published(later, unknownFields) << sign << Result::Refreshed << idsOf(Catalog::v1());

        QTest::newRow("signed by another key")
            << published(later, addNewApp) << SignedCatalog::sign(published(later, addNewApp), s_otherKeys.secretKey)
            << Result::BadSignature << idsOf(Catalog::v1());
        QTest::newRow("changed after signing")
            << published(later, addNewApp) << SignedCatalog::sign(published(later), s_keys.secretKey)
            << Result::BadSignature << idsOf(Catalog::v1());
        QTest::newRow("signature not in base64")
            << published(later) << QByteArray("not a signature\n") << Result::BadSignature << idsOf(Catalog::v1());
        QTest::newRow("no signature file")
            << published(later) << QByteArray() << Result::Unsigned << idsOf(Catalog::v1());
        QTest::newRow("an empty signature file")
            << published(later) << QByteArray("\n") << Result::Unsigned << idsOf(Catalog::v1());
        QTest::newRow("no catalog published")
            << QByteArray() << QByteArray() << Result::Missing << idsOf(Catalog::v1());

        QTest::newRow("issued before the built-in list") << published(Catalog::builtInIssued().addSecs(-60), addNewApp)
                                                         << sign << Result::Stale << idsOf(Catalog::v1());
        const auto padded
            = [](QJsonObject &top) { top.insert(u"padding"_s, QString(int(SignedCatalog::maximumSize), u'x')); };
        QTest::newRow("larger than a catalog can be")
            << published(later, padded) << sign << Result::Oversized << idsOf(Catalog::v1());

        const auto set = [](const QString &id, const QString &key, const QJsonValue &value) {
            return editEntry(id, [key, value](QJsonObject &entry) { entry.insert(key, value); });
        };
        QTest::newRow("an unknown category") << published(later, set(u"vlc"_s, u"category"_s, u"Games"_s)) << sign
                                             << Result::Invalid << idsOf(Catalog::v1());
        QTest::newRow("an entry without its name")
            << published(later, editEntry(u"vlc"_s, [](QJsonObject &entry) { entry.remove(u"name"_s); })) << sign
            << Result::Invalid << idsOf(Catalog::v1());
        QTest::newRow("an id that is a path") << published(later, set(u"vlc"_s, u"id"_s, u"../../vlc"_s)) << sign
                                              << Result::Invalid << idsOf(Catalog::v1());
        QTest::newRow("a cask token brew reads as an option") << published(later,
            set(u"vlc"_s, u"install"_s,
                QJsonObject { { u"homebrewCask"_s, QJsonObject { { u"_0"_s, u"--force"_s } } } }))
                                                              << sign << Result::Invalid << idsOf(Catalog::v1());
        QTest::newRow("a home page that is no https address")
            << published(later, set(u"vlc"_s, u"homepage"_s, u"file:///etc/passwd"_s)) << sign << Result::Invalid
            << idsOf(Catalog::v1());
        QTest::newRow("a screenshot name that is a path")
            << published(later, set(u"vlc"_s, u"screenshots"_s, QJsonArray { u"../../secret"_s })) << sign
            << Result::Invalid << idsOf(Catalog::v1());
        QTest::newRow("two entries with one id")
            << published(later, set(u"vlc"_s, u"id"_s, u"maccy"_s)) << sign << Result::Invalid << idsOf(Catalog::v1());
        QTest::newRow("a later format") << published(later, [](QJsonObject &top) { top.insert(u"format"_s, 2); })
                                        << sign << Result::Invalid << idsOf(Catalog::v1());
        QTest::newRow("an issue date without its time zone")
            << published(later, [](QJsonObject &top) { top.insert(u"issued"_s, u"2027-01-05T10:00:00"_s); }) << sign
            << Result::Invalid << idsOf(Catalog::v1());
        QTest::newRow("no apps") << published(later, [](QJsonObject &top) { top.insert(u"apps"_s, QJsonArray()); })
                                 << sign << Result::Invalid << idsOf(Catalog::v1());
        QTest::newRow("not JSON") << QByteArray("<html>Not found</html>") << sign << Result::Invalid
                                  << idsOf(Catalog::v1());
    }
    void takesOnlyASoundNewerCatalog()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, signature);
        QFETCH(Result, outcome);
        QFETCH(QStringList, ids);
        if (!bytes.isEmpty())
            m_server->serve("/catalog.json", bytes);
        if (signature == "sign")
            signature = SignedCatalog::sign(bytes, s_keys.secretKey);
        if (!signature.isEmpty())
            m_server->serve("/catalog.json.sig", signature, 200, "text/plain");

        CatalogRefresher refresher(m_env);
        QCOMPARE(refresh(refresher), outcome);
        QCOMPARE(QFile::exists(kept(u"catalog.json"_s)), outcome == Result::Refreshed);
        QCOMPARE(afterRelaunch(m_env), ids);
        // The queries the window and the command line use follow the list in use.
        QCOMPARE(idsOf(Catalog::apps(true, std::nullopt)), ids);
    }

    // At most one look a day, and none without an address, a key or a cache folder to keep it in.
    void fetchesAtMostDaily_data()
    {
        QTest::addColumn<QString>("lastCheck"); // ISO time, or empty for never
        QTest::addColumn<QString>("without"); // an environment field to leave empty
        QTest::addColumn<bool>("force");
        QTest::addColumn<Result>("outcome");

        const QDateTime now = QDateTime::currentDateTimeUtc();
        const auto iso = [](const QDateTime &when) { return CatalogDocument::issuedText(when); };
        QTest::newRow("never checked") << QString() << QString() << false << Result::Refreshed;
        QTest::newRow("checked an hour ago") << iso(now.addSecs(-3600)) << QString() << false << Result::NotDue;
        QTest::newRow("checked an hour ago, asked to")
            << iso(now.addSecs(-3600)) << QString() << true << Result::Refreshed;
        QTest::newRow("checked a day ago") << iso(now.addSecs(-25 * 3600)) << QString() << false << Result::Refreshed;
        QTest::newRow("checked in the future: the clock went back")
            << iso(now.addDays(30)) << QString() << false << Result::Refreshed;
        QTest::newRow("unreadable last check") << u"yesterday"_s << QString() << false << Result::Refreshed;
        QTest::newRow("no address") << QString() << u"catalogUrl"_s << true << Result::Disabled;
        QTest::newRow("no key") << QString() << u"catalogPublicKey"_s << true << Result::Disabled;
        QTest::newRow("no cache folder") << QString() << u"cacheDir"_s << true << Result::Disabled;
    }
    void fetchesAtMostDaily()
    {
        QFETCH(QString, lastCheck);
        QFETCH(QString, without);
        QFETCH(bool, force);
        QFETCH(Result, outcome);
        publish(published(later), s_keys.secretKey);
        if (!lastCheck.isEmpty())
            QVERIFY(Sandbox::writeFile(kept(u"checked"_s), lastCheck.toLatin1()));
        if (without == u"catalogUrl"_s)
            m_env.catalogUrl.clear();
        else if (without == u"catalogPublicKey"_s)
            m_env.catalogPublicKey.clear();
        else if (without == u"cacheDir"_s)
            m_env.cacheDir.clear();

        CatalogRefresher refresher(m_env);
        QCOMPARE(refresh(refresher, force), outcome);
        const bool asked = outcome == Result::Refreshed;
        QCOMPARE(m_server->requests("/catalog.json").size(), asked ? 1 : 0);
        if (asked)
            QVERIFY(refresher.lastChecked().secsTo(QDateTime::currentDateTimeUtc()) < 3600);
    }

    // An unreachable server leaves no mark: the next look tries again rather than waiting a day.
    void triesAgainAfterNoAnswer()
    {
        m_env.catalogUrl = QUrl(u"http://127.0.0.1:1/catalog.json"_s);
        CatalogRefresher refresher(m_env);
        QCOMPARE(refresh(refresher), Result::Unreachable);
        QVERIFY(!refresher.lastChecked().isValid());
        QCOMPARE(afterRelaunch(m_env), idsOf(Catalog::v1()));
    }

    // A replayed older catalog, even one signed by the program's key, never replaces a newer one.
    void onlyMovesForward()
    {
        CatalogRefresher refresher(m_env);
        const auto withNewApp = [](QJsonObject &top) {
            QJsonArray apps = top.value(u"apps"_s).toArray();
            apps.append(newApp().toJson());
            top.insert(u"apps"_s, apps);
        };
        publish(published(later, withNewApp), s_keys.secretKey);
        QCOMPARE(refresh(refresher), Result::Refreshed);
        QCOMPARE(refresh(refresher, true), Result::Unchanged);

        publish(published(later.addSecs(-3600)), s_keys.secretKey);
        QCOMPARE(refresh(refresher, true), Result::Stale);
        QCOMPARE(afterRelaunch(m_env), builtInWith({ u"hyperkey"_s }));
        QVERIFY(idsOf(Catalog::curated()).contains(u"hyperkey"_s));
        QCOMPARE(Catalog::activeIssued(), std::optional(later));
    }

    // What was kept is read again at every start as a file anyone could have changed.
    void refusesAKeptCatalogThatNoLongerChecksOut_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("used");

        QTest::newRow("untouched") << QString() << true;
        QTest::newRow("an app added on disk") << u"edit"_s << false;
        QTest::newRow("signature deleted") << u"unsign"_s << false;
        QTest::newRow("a link to a signed copy elsewhere") << u"link"_s << false;
        QTest::newRow("a FIFO in its place") << u"fifo"_s << false;
        QTest::newRow("the program's key changed") << u"rekey"_s << false;
    }
    void refusesAKeptCatalogThatNoLongerChecksOut()
    {
        QFETCH(QString, change);
        QFETCH(bool, used);
        publish(published(later, editEntry(u"vlc"_s, [](QJsonObject &e) { e.insert(u"name"_s, u"VLC player"_s); })),
            s_keys.secretKey);
        CatalogRefresher refresher(m_env);
        QCOMPARE(refresh(refresher), Result::Refreshed);

        const QString catalog = kept(u"catalog.json"_s);
        if (change == u"edit"_s) {
            QByteArray bytes = fileBytes(catalog);
            bytes.replace("\"VLC player\"", "\"VLC Pro\"");
            QVERIFY(Sandbox::writeFile(catalog, bytes));
        } else if (change == u"unsign"_s) {
            QVERIFY(QFile::remove(kept(u"catalog.json.sig"_s)));
        } else if (change == u"link"_s) {
            const QString elsewhere = m_sandbox->root() + u"/elsewhere.json"_s;
            QVERIFY(QFile::rename(catalog, elsewhere));
            QVERIFY(QFile::link(elsewhere, catalog));
        } else if (change == u"fifo"_s) {
            QVERIFY(QFile::remove(catalog));
            QCOMPARE(::mkfifo(QFile::encodeName(catalog).constData(), 0600), 0);
        } else if (change == u"rekey"_s) {
            m_env.catalogPublicKey = s_otherKeys.publicKey;
        }
        CatalogRefresher::activateCached(m_env);
        QCOMPARE(Catalog::active().at(19).name, used ? u"VLC player"_s : u"VLC"_s);
        QCOMPARE(Catalog::activeIssued().has_value(), used);
    }

    // "Uninstall all apps" reaches what Orvando may have installed: the apps of the list in use and
    // those of the built-in list that a refreshed catalog dropped.
    void uninstallAllReachesDroppedAndAddedApps()
    {
        QList<CatalogApp> apps = Catalog::v1();
        apps.removeAt(9); // Stats
        apps.append(newApp());
        Catalog::setActive(CatalogDocument { later, apps });
        for (const CatalogApp &app : { catalogApp(u"stats"_s), newApp() })
            QVERIFY(!m_sandbox->makeBundle(m_sandbox->userApplications(), app.name, *app.bundleID).isEmpty());
        InstallEngine engine(m_env);
        auto count = std::make_shared<int>(-1);
        engine.uninstallAllCatalogApps().then([count](int removed) { *count = removed; });
        QTRY_COMPARE_WITH_TIMEOUT(*count, 2, 60000);
        QCOMPARE(entriesOf(m_sandbox->userApplications()), QStringList());
    }

    // The release workflow's tool signs exactly the bytes it writes, and signs nothing the
    // program would refuse.
    void signingToolWritesWhatTheProgramTakes_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<bool>("accepted");

        const QByteArray builtIn = CatalogDocument { Catalog::builtInIssued(), Catalog::v1() }.toJson();
        QTest::newRow("the built-in list") << builtIn << true;
        QByteArray broken = builtIn;
        broken.replace("\"Media\"", "\"Movies\"");
        QTest::newRow("an entry the program cannot decode") << broken << false;
        QTest::newRow("not JSON") << QByteArray("apps: maccy") << false;
    }
    void signingToolWritesWhatTheProgramTakes()
    {
        QFETCH(QByteArray, source);
        QFETCH(bool, accepted);
        const QString in = m_sandbox->root() + u"/source.json"_s;
        const QString out = m_sandbox->root() + u"/out"_s;
        QVERIFY(Sandbox::writeFile(in, source));
        QProcess tool;
        QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
        variables.insert(u"ORVANDO_CATALOG_SECRET_KEY"_s, s_keys.secretKey);
        tool.setProcessEnvironment(variables);
        tool.start(QStringLiteral(ORVANDO_CATALOG_SIGN_PATH), { u"sign"_s, in, out });
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitCode() == 0, accepted);
        QCOMPARE(QFile::exists(out + u"/catalog.json.sig"_s), accepted);
        if (!accepted)
            return;
        m_server->serve("/catalog.json", fileBytes(out + u"/catalog.json"_s));
        m_server->serve("/catalog.json.sig", fileBytes(out + u"/catalog.json.sig"_s), 200, "text/plain");
        CatalogRefresher refresher(m_env);
        QCOMPARE(refresh(refresher), Result::Refreshed);
    }
};

QTEST_GUILESS_MAIN(TestCatalogRefresh)
#include "TestCatalogRefresh.moc"
