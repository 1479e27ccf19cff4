// The catalog fetched in place of the built-in list: what a loopback server publishes (signed with a
// key pair made here, never the shipped one) and what the program uses at its next start, and when.
#include "catalog/Catalog.h"
#include "catalog/SignedCatalog.h"
#include "engine/CatalogRefresher.h"
#include "support/EngineTestKit.h"
#include "support/LocalHttpServer.h"
#include "support/Sandbox.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <functional>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;
using Result = CatalogRefresher::Outcome;
using Edit = std::function<void(QJsonObject &)>;

namespace {

const QDateTime later = Catalog::builtInIssued().addDays(3);
const SignedCatalog::KeyPair s_keys = SignedCatalog::generateKeyPair();
const SignedCatalog::KeyPair s_otherKeys = SignedCatalog::generateKeyPair();

CatalogApp newApp()
{
    CatalogApp app = caskApp(u"hyperkey"_s, u"Hyperkey"_s, u"com.knollsoft.Hyperkey"_s);
    app.homepage = u"https://hyperkey.app/"_s;
    app.isCurated = true;
    return app;
}

// The built-in list issued at `issued`, changed by edit (on the JSON form), as published by a later
// program, which adds a key of its own.
QByteArray published(const QDateTime &issued, const Edit &edit = {})
{
    QJsonObject top = QJsonDocument::fromJson(CatalogDocument { issued, Catalog::builtIn() }.toJson()).object();
    top.insert(u"publisher"_s, u"a key this program does not know"_s);
    if (edit)
        edit(top);
    return QJsonDocument(top).toJson();
}

// Sets key of the entry at index to value, or, with no key, drops the entry; index -1 adds newApp().
Edit entry(int index, const QString &key = {}, const QJsonValue &value = {})
{
    return [=](QJsonObject &top) {
        QJsonArray apps = top.value(u"apps"_s).toArray();
        if (index < 0) {
            apps.append(newApp().toJson());
        } else if (key.isEmpty()) {
            apps.removeAt(index);
        } else {
            QJsonObject changed = apps.at(index).toObject();
            changed.insert(key, value);
            apps.replace(index, changed);
        }
        top.insert(u"apps"_s, apps);
    };
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
    void publish(const QByteArray &bytes, const QByteArray &signature = "sign")
    {
        // A body past the size limit breaks off soon after it, as an endless one would never end.
        const qint64 cut = bytes.size() > SignedCatalog::maximumSize ? SignedCatalog::maximumSize + 4096 : -1;
        if (!bytes.isEmpty())
            m_server->serve("/catalog.json", bytes, 200, "application/json", cut);
        if (!signature.isEmpty())
            m_server->serve(
                "/catalog.json.sig", signature == "sign" ? SignedCatalog::sign(bytes, s_keys.secretKey) : signature);
    }

private Q_SLOTS:
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
        QTest::addColumn<QByteArray>("signature"); // "sign": signed with the program's key
        QTest::addColumn<Result>("outcome");
        QTest::addColumn<QStringList>("ids"); // after a relaunch

        const QStringList builtIn = idsOf(Catalog::builtIn());
        const auto top = [](const QString &key, const QJsonValue &value) {
            return [=](QJsonObject &document) { document.insert(key, value); };
        };
        const auto row = [](const char *name, const QByteArray &bytes, const QByteArray &signature, Result outcome,
                             const QStringList &ids) { QTest::newRow(name) << bytes << signature << outcome << ids; };
        row("an app added", published(later, entry(-1)), "sign", Result::Refreshed,
            builtIn + QStringList { u"hyperkey"_s });
        row("an app removed", published(later, entry(15)), "sign", Result::Refreshed,
            builtIn.mid(0, 15) + builtIn.mid(16));
        row("fields of a later catalog", published(later, entry(0, u"minimumMacOS"_s, u"14.0"_s)), "sign",
            Result::Refreshed, builtIn);
        row("signed by another key", published(later), SignedCatalog::sign(published(later), s_otherKeys.secretKey),
            Result::BadSignature, builtIn);
        row("changed after signing", published(later, entry(-1)),
            SignedCatalog::sign(published(later), s_keys.secretKey), Result::BadSignature, builtIn);
        row("no signature file", published(later), {}, Result::Unsigned, builtIn);
        row("no catalog published", {}, {}, Result::Missing, builtIn);
        row("issued before the built-in list", published(Catalog::builtInIssued().addSecs(-60), entry(-1)), "sign",
            Result::Stale, builtIn);
        row("larger than a catalog can be",
            published(later, top(u"padding"_s, QString(SignedCatalog::maximumSize, u'x'))), "sign", Result::Oversized,
            builtIn);
        // Signed, but not a catalog this program can use safely: the whole file is refused.
        const auto vlc = [&](const char *name, const QString &key, const QJsonValue &value) {
            row(name, published(later, entry(19, key, value)), "sign", Result::Invalid, builtIn);
        };
        vlc("an unknown category", u"category"_s, u"Games"_s);
        vlc("an id that is a path", u"id"_s, u"../../vlc"_s);
        vlc("a cask token brew reads as an option", u"install"_s,
            QJsonObject { { u"homebrewCask"_s, QJsonObject { { u"_0"_s, u"--force"_s } } } });
        vlc("a home page that is no https address", u"homepage"_s, u"file:///etc/passwd"_s);
        row("a later format", published(later, top(u"format"_s, 2)), "sign", Result::Invalid, builtIn);
        row("no apps", published(later, top(u"apps"_s, QJsonArray())), "sign", Result::Invalid, builtIn);
    }
    void takesOnlyASoundNewerCatalog()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, signature);
        QFETCH(Result, outcome);
        QFETCH(QStringList, ids);
        publish(bytes, signature);
        CatalogRefresher refresher(m_env);
        QCOMPARE(await(refresher.refresh()), outcome);
        QCOMPARE(afterRelaunch(m_env), ids);
        // The queries the window and the command line use follow the list in use.
        QCOMPARE(idsOf(Catalog::apps(true, std::nullopt)), ids);
    }

    // One look a day at most, or at once when the clock went back; a replayed older catalog, even
    // one signed by the program's key, never replaces a newer one; no answer leaves no mark, so the
    // next look tries again; a program built without a key never looks.
    void looksDailyAndOnlyMovesForward()
    {
        const auto lastLookedHoursAgo = [this](int hours) {
            const QDateTime when = QDateTime::currentDateTimeUtc().addSecs(-hours * 3600);
            return Sandbox::writeFile(kept(u"checked"_s), CatalogDocument::issuedText(when).toLatin1());
        };
        CatalogRefresher refresher(m_env);
        publish(published(later, entry(-1)));
        QCOMPARE(await(refresher.refresh()), Result::Refreshed);
        QCOMPARE(await(refresher.refresh()), Result::NotDue);
        QVERIFY(lastLookedHoursAgo(25));
        QCOMPARE(await(refresher.refresh()), Result::Unchanged);
        publish(published(later.addSecs(-3600)));
        QVERIFY(lastLookedHoursAgo(-24 * 30));
        QCOMPARE(await(refresher.refresh()), Result::Stale);
        QCOMPARE(m_server->requests("/catalog.json").size(), 3);
        QCOMPARE(afterRelaunch(m_env), idsOf(Catalog::builtIn()) + QStringList { u"hyperkey"_s });
        QVERIFY(idsOf(Catalog::curated()).contains(u"hyperkey"_s));

        QVERIFY(lastLookedHoursAgo(25));
        m_env.catalogUrl = QUrl(u"http://127.0.0.1:1/catalog.json"_s);
        CatalogRefresher unanswered(m_env);
        QCOMPARE(await(unanswered.refresh()), Result::Unreachable);
        QVERIFY(unanswered.lastChecked() < QDateTime::currentDateTimeUtc().addSecs(-24 * 3600));
        m_env.catalogPublicKey.clear();
        CatalogRefresher keyless(m_env);
        QCOMPARE(await(keyless.refresh()), Result::Disabled);
    }

    // What was kept is read again at every start as a file anyone could have changed: an edit, a
    // link to a signed copy elsewhere, a FIFO that would block the start.
    void refusesAKeptCatalogThatNoLongerChecksOut()
    {
        publish(published(later, entry(-1)));
        CatalogRefresher refresher(m_env);
        QCOMPARE(await(refresher.refresh()), Result::Refreshed);
        const QString catalog = kept(u"catalog.json"_s);
        const auto usedAtStart = [this] { return afterRelaunch(m_env).contains(u"hyperkey"_s); };
        QVERIFY(usedAtStart() && QFile::copy(catalog, kept(u"copy.json"_s)));
        QVERIFY(Sandbox::writeFile(catalog, fileBytes(kept(u"copy.json"_s)).replace("Hyperkey", "Hyperkeys")));
        QVERIFY(!usedAtStart());
        QVERIFY(QFile::remove(catalog) && QFile::link(kept(u"copy.json"_s), catalog));
        QVERIFY(!usedAtStart());
        QVERIFY(QFile::remove(catalog) && ::mkfifo(QFile::encodeName(catalog).constData(), 0600) == 0);
        QVERIFY(!usedAtStart());
    }

    // "Uninstall all apps" reaches what Orvando may have installed: the apps of the list in use and
    // those of the built-in list that a refreshed catalog dropped.
    void uninstallAllReachesDroppedAndAddedApps()
    {
        QList<CatalogApp> apps = Catalog::builtIn();
        apps.removeAt(9); // Stats
        Catalog::setActive(CatalogDocument { later, apps << newApp() });
        for (const CatalogApp &app : { catalogApp(u"stats"_s), newApp() })
            QVERIFY(!m_sandbox->makeBundle(m_sandbox->userApplications(), app.name, *app.bundleID).isEmpty());
        InstallEngine engine(m_env);
        QVERIFY(finish(engine.uninstallAllCatalogApps().then([](int) {})));
        QCOMPARE(entriesOf(m_sandbox->userApplications()), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestCatalogRefresh)
#include "TestCatalogRefresh.moc"
