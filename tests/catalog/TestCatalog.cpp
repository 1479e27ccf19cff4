#include "catalog/AppSetFile.h"
#include "catalog/Catalog.h"
#include "support/EngineTestKit.h"

#include <QFile>
#include <QJsonDocument>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

using namespace Qt::StringLiterals;
using Category = CatalogApp::Category;
using OptionalCategory = std::optional<CatalogApp::Category>;
Q_DECLARE_METATYPE(OptionalCategory)
using EngineTestKit::idsOf;

namespace {

// Stands in for a shipped translation, installed for as long as it lives: the texts it knows, in a
// language of its own; every other text stays English.
class TableTranslator : public QTranslator
{
public:
    TableTranslator()
    {
        QCoreApplication::installTranslator(this);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    ~TableTranslator() override
    {
        QCoreApplication::removeTranslator(this);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    QString translate(const char *context, const char *source, const char *, int) const override
    {
        static const QHash<QString, QString> texts {
            { u"CatalogList|A clipboard that remembers what you copied."_s,
                u"Eine Zwischenablage, die sich merkt, was du kopiert hast."_s },
            { u"CatalogApp|%1/yr"_s, u"%1/Jahr"_s },
            { u"CatalogApp|%1/mo"_s, u"%1/Monat"_s },
            { u"CatalogApp|Media"_s, u"Medien"_s },
            { u"CatalogApp|Free"_s, u"Kostenlos"_s },
            { u"CatalogApp|Proprietary"_s, u"Proprietär"_s },
            { u"AppSetFile|Could not read “%1”: %2."_s, u"%2 – „%1“ ist nicht lesbar."_s },
            { u"Catalog|d MMMM yyyy"_s, u"d. MMMM yyyy"_s },
            { u"Catalog|Catalog: updated %1, %n apps"_s, u"Katalog vom %1: %n Apps"_s },
        };
        return texts.value(QString::fromUtf8(context) + u'|' + QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }
};

} // namespace

// The built-in list, the queries the grid uses, the JSON form of an entry, and the file a set of
// apps travels in: a Brewfile out, a Brewfile or a plain list in.
class TestCatalog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { Catalog::setActive(std::nullopt); }

    void listHasTwentyEightCompleteEntries()
    {
        const QStringList allIDs = idsOf(Catalog::builtIn());
        QCOMPARE(QSet<QString>(allIDs.cbegin(), allIDs.cend()).size(), 28);
        QCOMPARE(idsOf(Catalog::curated()), allIDs.mid(0, 16));
        for (const CatalogApp &app : Catalog::builtIn()) {
            QVERIFY2(app.tagline.endsWith(u'.') && app.homepage.startsWith(u"https://"_s), qPrintable(app.id));
            // Without one, an app installed by its cask's package is never seen as installed.
            QVERIFY2(app.bundleID.has_value(), qPrintable(app.id));
            QVERIFY2(app.install.isHomebrewCask() == (app.id != u"parabolic"_s), qPrintable(app.id));
            for (int n = 0; n < app.screenshots.size(); ++n)
                QCOMPARE(app.screenshots[n], app.id + u"-shot-"_s + QString::number(n + 1));
        }
    }

    // A blank search is no search: the filters hold, in catalog order.
    void filtersKeepCatalogOrder_data()
    {
        QTest::addColumn<bool>("showAll");
        QTest::addColumn<OptionalCategory>("category");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char *name, bool showAll, OptionalCategory category, const QStringList &ids) {
            QTest::newRow(name) << showAll << category << ids;
        };
        row("all window", true, Category::Window,
            { u"rectangle"_s, u"loop"_s, u"alt-tab"_s, u"sol"_s, u"linearmouse"_s });
        row("curated media", false, Category::Media,
            { u"iina"_s, u"handbrake"_s, u"shutter-encoder"_s, u"parabolic"_s, u"shottr"_s });
        row("curated, no category", false, std::nullopt, idsOf(Catalog::builtIn().mid(0, 16)));
    }
    void filtersKeepCatalogOrder()
    {
        QFETCH(bool, showAll);
        QFETCH(OptionalCategory, category);
        QFETCH(QStringList, expected);
        for (const QString &blank : { QString(), u"\n\t \r\n"_s })
            QCOMPARE(idsOf(Catalog::apps(showAll, category, blank)), expected);
    }

    // A search looks through the whole catalog, whatever the filters.
    void search_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("name, any case, trimmed") << u"  \nKeePassXC \t"_s << QStringList { u"keepassxc"_s };
        QTest::newRow("tagline only") << u"vault"_s << QStringList { u"keepassxc"_s };
        QTest::newRow("category label inside a word") << u"clip"_s << QStringList { u"maccy"_s, u"espanso"_s };
        QTest::newRow("replaced app, two words") << u"adobe illustrator"_s << QStringList { u"inkscape"_s };
        // Fields the search must not look at.
        for (const QString &other : { u"$30/yr"_s, u"alt-tab"_s, u"knollsoft"_s, u"jordanbaird"_s, u"apache"_s })
            QTest::addRow("not %s", qPrintable(other)) << other << QStringList {};
    }
    void search()
    {
        QFETCH(QString, search);
        QFETCH(QStringList, expected);
        QCOMPARE(idsOf(Catalog::apps(false, Category::Media, search)), expected);
    }

    // The JSON form is the same in every language: a catalog written or read on a Mac set to
    // German carries the English labels.
    void everyEntrySurvivesARoundTripThroughJson()
    {
        const TableTranslator german;
        QCOMPARE(CatalogApp::label(Category::Media), u"Medien"_s);
        for (const CatalogApp &app : Catalog::builtIn()) {
            QString error;
            const QJsonObject text = QJsonDocument::fromJson(QJsonDocument(app.toJson()).toJson()).object();
            QVERIFY2(CatalogApp::fromJson(text, &error) == app, qPrintable(app.id + u' ' + error));
            QCOMPARE(text.value(u"category"_s).toString(), CatalogApp::jsonLabel(app.category));
            QCOMPARE(text.value(u"pricing"_s).toString(), CatalogApp::jsonLabel(app.pricing));
            QCOMPARE(text.value(u"license"_s).toString(), CatalogApp::jsonLabel(app.license));
        }
        QCOMPARE(CatalogApp::jsonLabel(Category::Media), u"Media"_s);
        QCOMPARE(CatalogApp::jsonLabel(CatalogApp::License::Proprietary), u"Proprietary"_s);
        QCOMPARE(CatalogApp::jsonLabel(Pricing::Free), u"Free"_s);
    }

    // What the views and the command line show reads in the user's language, from the built-in
    // list or a refreshed one; the built-in list itself stays as published. A tagline the
    // translation does not know, new in a refreshed catalog, reads in English.
    void readsInTheUserLanguage_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("refreshedTagline"); // empty: the built-in list; "-": left out of a refreshed one
        QTest::addColumn<QString>("tagline");
        QTest::addColumn<QString>("price");
        const QString maccy = u"Eine Zwischenablage, die sich merkt, was du kopiert hast."_s;
        const QString maccyEnglish = u"A clipboard that remembers what you copied."_s;
        QTest::newRow("built in, yearly price") << u"maccy"_s << QString() << maccy << u"$30/Jahr"_s;
        QTest::newRow("built in, monthly price, tagline not translated")
            << u"inkscape"_s << QString() << u"Draw and edit vector graphics for free."_s << u"$23/Monat"_s;
        QTest::newRow("one-off price") << u"rectangle"_s << QString() << QString() << u"$8"_s;
        QTest::newRow("one-off price in pounds") << u"sol"_s << QString() << QString() << u"£34"_s;
        QTest::newRow("refreshed, tagline unchanged") << u"maccy"_s << maccyEnglish << maccy << u"$30/Jahr"_s;
        QTest::newRow("left out of a refreshed catalog") << u"maccy"_s << u"-"_s << maccy << u"$30/Jahr"_s;
        QTest::newRow("refreshed, new tagline")
            << u"maccy"_s << u"A clipboard with a memory."_s << u"A clipboard with a memory."_s << u"$30/Jahr"_s;
    }
    void readsInTheUserLanguage()
    {
        QFETCH(QString, id);
        QFETCH(QString, refreshedTagline);
        QFETCH(QString, tagline);
        QFETCH(QString, price);
        const CatalogApp published = EngineTestKit::catalogApp(id);
        if (!refreshedTagline.isEmpty()) {
            QList<CatalogApp> apps = Catalog::builtIn();
            for (CatalogApp &app : apps) {
                if (app.id == id)
                    app.tagline = refreshedTagline;
            }
            if (refreshedTagline == u"-"_s)
                apps.removeAt(idsOf(apps).indexOf(id));
            Catalog::setActive(CatalogDocument { Catalog::builtInIssued().addDays(1), apps });
        }
        const TableTranslator german;
        const QList<CatalogApp> lists[] { Catalog::active(), Catalog::activeAndBuiltIn(), Catalog::curated() };
        QVERIFY(idsOf(lists[1]).contains(id));
        for (const QList<CatalogApp> &list : lists) {
            const qsizetype at = idsOf(list).indexOf(id);
            if (at < 0)
                continue; // not curated, or left out
            QCOMPARE(list.at(at).tagline, tagline.isEmpty() ? published.tagline : tagline);
            QCOMPARE(list.at(at).replaces.value_or(Replacement()).priceText, price);
            QCOMPARE(list.at(at).name, published.name);
        }
        QCOMPARE(EngineTestKit::catalogApp(id), published);
    }

    // Sentences put together from a translation keep its order; the day is written the language's way.
    void sentencesFollowTheTranslation()
    {
        // English takes its plural forms from the shipped English translation.
        QCOMPARE(Catalog::activeSummary(), u"Catalog: built in, 28 apps"_s);
        Catalog::setActive(
            CatalogDocument { QDateTime(QDate(2026, 12, 9), QTime(12, 0), Qt::UTC), Catalog::builtIn().mid(0, 1) });
        QCOMPARE(Catalog::activeSummary(), u"Catalog: updated 9 December 2026, 1 app"_s);
        const TableTranslator german;
        QCOMPARE(AppSetFile::readFile(u"/nonexistent/gone.txt"_s, Catalog::builtIn())
                     .error.value_or(QString())
                     .section(u" – "_s, 1),
            u"„gone.txt“ ist nicht lesbar."_s);
        Catalog::setActive(
            CatalogDocument { QDateTime(QDate(2026, 12, 9), QTime(12, 0), Qt::UTC), Catalog::builtIn() });
        QCOMPARE(Catalog::activeSummary(), u"Katalog vom 9. Dezember 2026: 28 Apps"_s);
        QCOMPARE(idsOf(Catalog::apps(false, std::nullopt, u"medien"_s)), idsOf(Catalog::apps(true, Category::Media)));
    }

    // An entry written elsewhere: patch laid over a built-in entry, removed keys taken out. The
    // optional keys may be missing or null; every other key must be there, of its type, with one of
    // its labels, and the install source names exactly one kind.
    void decodesEntriesWrittenElsewhere_data()
    {
        QTest::addColumn<QByteArray>("patch");
        QTest::addColumn<QStringList>("removed");
        QTest::addColumn<QString>("error"); // empty: it decodes, without bundle id and replaced app
        const auto row = [](const char *name, const QByteArray &patch, const QStringList &removed,
                             const QString &error) { QTest::newRow(name) << patch << removed << error; };
        const QString oneKey = u"Invalid number of keys found, expected one."_s;
        row("optional keys null", R"({"bundleID": null, "replaces": null})", {}, {});
        row("optional keys missing", "{}", { u"bundleID"_s, u"replaces"_s }, {});
        row("install of two kinds", R"({"install": {"homebrewCask": {"_0": "sol"}, "directDownload": {"_0": {}}}})", {},
            oneKey);
        row("install of no kind", R"({"install": {}})", {}, oneKey);
        row("isCurated as text", R"({"isCurated": "true"})", {}, u"Expected a boolean for key \"isCurated\"."_s);
        row("category by case name", R"({"category": "window"})", {},
            u"Cannot initialize category from invalid value \"window\"."_s);
        row("homepage missing", "{}", { u"homepage"_s }, u"No value associated with key \"homepage\"."_s);
    }
    void decodesEntriesWrittenElsewhere()
    {
        QFETCH(QByteArray, patch);
        QFETCH(QStringList, removed);
        QFETCH(QString, error);
        const CatalogApp sol = EngineTestKit::catalogApp(u"sol"_s);
        QVERIFY(sol.bundleID && sol.replaces);
        QJsonObject object = sol.toJson();
        const QJsonObject changes = QJsonDocument::fromJson(patch).object();
        for (auto it = changes.constBegin(); it != changes.constEnd(); ++it)
            object[it.key()] = it.value();
        for (const QString &key : removed)
            object.remove(key);
        QString why;
        const std::optional<CatalogApp> decoded = CatalogApp::fromJson(object, &why);
        QCOMPARE(why, error);
        CatalogApp expected = sol;
        expected.bundleID.reset();
        expected.replaces.reset();
        QVERIFY(error.isEmpty() ? decoded == expected : !decoded);
    }

    void exportsInstalledAppsInCatalogOrder()
    {
        const QByteArray file = AppSetFile::exportBrewfile(
            Catalog::builtIn(), { u"vlc"_s, u"parabolic"_s, u"maccy"_s, u"handbrake"_s, u"not-an-app"_s });
        QCOMPARE(file,
            "cask \"maccy\"\ncask \"handbrake-app\"\n# parabolic: installed from GitHub releases by Orvando\n"
            "cask \"vlc\"\n");
        QVERIFY(AppSetFile::exportBrewfile(Catalog::builtIn(), {}).isEmpty());
    }

    void importsBrewfilesAndLists_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("apps");
        QTest::addColumn<QStringList>("ignored");
        QTest::addColumn<QStringList>("unknown");
        const auto row
            = [](const char *name, const QByteArray &content, const QStringList &apps, const QStringList &ignored = {},
                  const QStringList &unknown = {}) { QTest::newRow(name) << content << apps << ignored << unknown; };
        row("Brewfile",
            "# my Mac\ntap \"homebrew/bundle\"\nbrew \"wget\"\ncask \"vlc\"\ncask 'maccy', greedy: true\n"
            "mas \"Xcode\", id: 497799835\ncask \"firefox\" # a browser\n\ncask \"homebrew/cask/keka\"\n",
            { u"maccy"_s, u"keka"_s, u"vlc"_s },
            { u"tap \"homebrew/bundle\""_s, u"brew \"wget\""_s, u"mas \"Xcode\", id: 497799835"_s }, { u"firefox"_s });
        row("ids and tokens, CR LF, duplicates",
            "\xEF\xBB\xBFvlc\r\njordanbaird-ice\r\n  # comment\r\nhandbrake\r\nVLC\r\nice\r\n",
            { u"ice"_s, u"handbrake"_s, u"vlc"_s });
        const QByteArray exported = AppSetFile::exportBrewfile(Catalog::builtIn(), { u"parabolic"_s, u"maccy"_s });
        row("our own export, read back", exported, { u"maccy"_s, u"parabolic"_s });
        row("our own export, CR LF", QByteArray(exported).replace("\n", "\r\n"), { u"maccy"_s, u"parabolic"_s });
        // An entry without a name is listed as written; a comment without one is a comment.
        row("nothing recognised",
            "photoshop\nphotoshop\nmaccy please\ncask\ncask \"\"\ncask ' '\n"
            "# : installed from GitHub releases by Orvando\n",
            {}, {}, { u"photoshop"_s, u"maccy please"_s, u"cask"_s, u"cask \"\""_s, u"cask ' '"_s });
    }

    void importsBrewfilesAndLists()
    {
        QFETCH(QByteArray, content);
        const AppSetFile::Import result = AppSetFile::parse(content, Catalog::builtIn());
        QVERIFY(result.succeeded());
        QTEST(idsOf(result.apps), "apps");
        QTEST(result.ignored, "ignored");
        QTEST(result.unknown, "unknown");
    }

    void refusesWhatIsNoList_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("error");
        const QString empty = u"The file is empty, so it names no apps."_s;
        const QString binary = u"The file is not a list of apps: it holds binary data, not text."_s;
        QTest::newRow("empty") << QByteArray() << empty;
        QTest::newRow("blank lines") << QByteArray(" \r\n\n\t\n") << empty;
        QTest::newRow("zip archive") << QByteArray("PK\x03\x04\x14\0\0\0maccy", 13) << binary;
        QTest::newRow("not UTF-8") << QByteArray("maccy\n\xff\xfe\n") << binary;
    }

    void refusesWhatIsNoList()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, error);
        QCOMPARE(AppSetFile::parse(content, Catalog::builtIn()).error.value_or(QString()), error);
    }

    void readsAndWritesFiles()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Brewfile"_s);
        QString error;
        QVERIFY(AppSetFile::writeFile(path, "cask \"maccy\"\n", &error));
        QCOMPARE(idsOf(AppSetFile::readFile(path, Catalog::builtIn()).apps), QStringList { u"maccy"_s });

        QVERIFY(!AppSetFile::writeFile(dir.filePath(u"missing/Brewfile"_s), "x", &error));
        QVERIFY2(error.startsWith(u"Could not save “Brewfile”: "_s), qPrintable(error));
        QVERIFY(AppSetFile::readFile(dir.filePath(u"gone.txt"_s), Catalog::builtIn())
                    .error.value_or(QString())
                    .startsWith(u"Could not read “gone.txt”: "_s));
        // Up to the limit a file is read; one byte more and it is refused.
        QByteArray limit("cask \"maccy\"\n");
        limit.append(AppSetFile::maxFileSize - limit.size(), '\n');
        QVERIFY(AppSetFile::writeFile(path, limit, &error));
        QCOMPARE(idsOf(AppSetFile::readFile(path, Catalog::builtIn()).apps), QStringList { u"maccy"_s });
        QVERIFY(AppSetFile::writeFile(path, limit + '\n', &error));
        QCOMPARE(AppSetFile::readFile(path, Catalog::builtIn()).error.value_or(QString()),
            u"“Brewfile” is too large to be a list of apps."_s);
    }
};

QTEST_GUILESS_MAIN(TestCatalog)
#include "TestCatalog.moc"
