#include "catalog/Catalog.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using Category = CatalogApp::Category;
using OptionalCategory = std::optional<CatalogApp::Category>;
Q_DECLARE_METATYPE(OptionalCategory)

namespace {

QStringList ids(const QList<CatalogApp> &apps)
{
    QStringList result;
    for (const CatalogApp &app : apps)
        result.append(app.id);
    return result;
}

CatalogApp byID(const QString &id)
{
    for (const CatalogApp &app : Catalog::v1())
        if (app.id == id)
            return app;
    return {};
}

// An entry written elsewhere, in the JSON form. Built in code: moc cannot read a raw string
// literal that spans lines.
QJsonObject validEntry()
{
    return { { u"id"_s, u"sol"_s }, { u"name"_s, u"Sol"_s }, { u"tagline"_s, u"Launch apps."_s },
        { u"category"_s, u"Window & desktop"_s },
        { u"install"_s, QJsonObject { { u"homebrewCask"_s, QJsonObject { { u"_0"_s, u"sol"_s } } } } },
        { u"license"_s, u"Apache-2.0 + Commons Clause"_s }, { u"pricing"_s, u"Freemium"_s },
        { u"homepage"_s, u"https://example.org/"_s }, { u"bundleID"_s, u"com.example.sol"_s },
        { u"isCurated"_s, false },
        { u"replaces"_s, QJsonObject { { u"app"_s, u"Alfred"_s }, { u"priceText"_s, u"£34"_s } } },
        { u"screenshots"_s, QJsonArray { u"sol-shot-1"_s, u"sol-shot-2"_s } } };
}

} // namespace

// The built-in list, the queries the grid uses, and the JSON form of an entry.
class TestCatalog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listHasTwentyEightCompleteEntries()
    {
        const QStringList allIDs = ids(Catalog::v1());
        QCOMPARE(QSet<QString>(allIDs.cbegin(), allIDs.cend()).size(), 28);
        QCOMPARE(ids(Catalog::curated()), allIDs.mid(0, 16));
        for (const CatalogApp &app : Catalog::v1()) {
            QVERIFY2(app.tagline.endsWith(u'.') && app.homepage.startsWith(u"https://"_s), qPrintable(app.id));
            QVERIFY2(app.bundleID.has_value() == (app.id != u"shutter-encoder"_s), qPrintable(app.id));
            QVERIFY2(app.install.isHomebrewCask() == (app.id != u"parabolic"_s), qPrintable(app.id));
            for (int n = 0; n < app.screenshots.size(); ++n)
                QCOMPARE(app.screenshots[n], app.id + u"-shot-"_s + QString::number(n + 1));
        }
        // The values that differ from the obvious.
        QCOMPARE(byID(u"handbrake"_s).install.caskToken(), u"handbrake-app"_s);
        QCOMPARE(byID(u"ice"_s).install.caskToken(), u"jordanbaird-ice"_s);
        QCOMPARE(byID(u"localsend"_s).bundleID, u"org.localsend.localsendApp"_s); // the Mac build's
        QCOMPARE(*byID(u"parabolic"_s).install.download(),
            (DirectDownload {
                u"NickvisionApps/Parabolic"_s, u"Parabolic-macOS-arm64.zip"_s, u"Parabolic-macOS-x64.zip"_s }));
    }

    // A blank search is no search: the filters hold, in catalog order.
    void filtersKeepCatalogOrder_data()
    {
        QTest::addColumn<bool>("showAll");
        QTest::addColumn<OptionalCategory>("category");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("all window") << true << OptionalCategory(Category::Window)
                                    << QStringList { u"rectangle"_s, u"loop"_s, u"alt-tab"_s, u"sol"_s,
                                           u"linearmouse"_s };
        QTest::newRow("curated media") << false << OptionalCategory(Category::Media)
                                       << QStringList { u"iina"_s, u"handbrake"_s, u"shutter-encoder"_s, u"parabolic"_s,
                                              u"shottr"_s };
        QTest::newRow("curated, no category") << false << OptionalCategory() << ids(Catalog::v1().mid(0, 16));
    }
    void filtersKeepCatalogOrder()
    {
        QFETCH(bool, showAll);
        QFETCH(OptionalCategory, category);
        QFETCH(QStringList, expected);
        for (const QString &blank : { QString(), u"\n\t \r\n"_s })
            QCOMPARE(ids(Catalog::apps(showAll, category, blank)), expected);
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
        QCOMPARE(ids(Catalog::apps(false, Category::Media, search)), expected);
    }

    void everyEntrySurvivesARoundTripThroughJson()
    {
        for (const CatalogApp &app : Catalog::v1()) {
            QString error;
            const QJsonObject text = QJsonDocument::fromJson(QJsonDocument(app.toJson()).toJson()).object();
            QVERIFY2(CatalogApp::fromJson(text, &error) == app, qPrintable(app.id + u' ' + error));
        }
    }

    // Labels, not case names, are the values; optional keys may be missing or null, and come back
    // out missing, everything else as it came.
    void decodesAnEntryWrittenElsewhere()
    {
        QJsonObject object = validEntry();
        object[u"bundleID"_s] = QJsonValue::Null;
        object.remove(u"replaces"_s);
        QString error;
        const std::optional<CatalogApp> app = CatalogApp::fromJson(object, &error);
        QVERIFY2(app, qPrintable(error));
        object.remove(u"bundleID"_s);
        QCOMPARE(app->toJson(), object);
    }
};

QTEST_GUILESS_MAIN(TestCatalog)
#include "TestCatalog.moc"
