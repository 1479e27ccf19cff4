#include "catalog/Catalog.h"

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
};

QTEST_GUILESS_MAIN(TestCatalog)
#include "TestCatalog.moc"
