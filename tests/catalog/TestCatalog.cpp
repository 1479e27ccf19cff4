// The built-in list and the queries the grid uses to choose what to show.
#include "catalog/Catalog.h"

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

} // namespace

class TestCatalog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listHasTwentyEightCompleteEntriesWithFirstSixteenCurated()
    {
        const QList<CatalogApp> &all = Catalog::v1();
        QCOMPARE(all.size(), 28);
        const QStringList allIDs = ids(all);
        QCOMPARE(QSet<QString>(allIDs.cbegin(), allIDs.cend()).size(), 28);
        QCOMPARE(QSet<CatalogApp>(all.cbegin(), all.cend()).size(), 28);
        QCOMPARE(ids(Catalog::curated()), allIDs.mid(0, 16));
        QCOMPARE(allIDs.first() + u' ' + allIDs.last(), u"maccy calibre"_s);
        for (int i = 0; i < all.size(); ++i) {
            const CatalogApp &app = all[i];
            QVERIFY2(app.isCurated == (i < 16), qPrintable(app.id));
            QVERIFY2(app.tagline.endsWith(u'.') && app.homepage.startsWith(u"https://"_s), qPrintable(app.id));
            QVERIFY2(app.bundleID.has_value() == (app.id != u"shutter-encoder"_s), qPrintable(app.id));
            QVERIFY2(app.install.isHomebrewCask() == (app.id != u"parabolic"_s), qPrintable(app.id));
            QVERIFY2(!app.screenshots.isEmpty(), qPrintable(app.id));
            for (int n = 0; n < app.screenshots.size(); ++n)
                QCOMPARE(app.screenshots[n], app.id + u"-shot-"_s + QString::number(n + 1));
        }
    }

    void valuesThatDifferFromTheObvious()
    {
        QCOMPARE(byID(u"handbrake"_s).install.caskToken(), u"handbrake-app"_s);
        QCOMPARE(byID(u"ice"_s).install.caskToken(), u"jordanbaird-ice"_s);
        // The Mac build's identifier; the Android/Linux one would make a good install look failed.
        QCOMPARE(byID(u"localsend"_s).bundleID, u"org.localsend.localsendApp"_s);
        const CatalogApp parabolic = byID(u"parabolic"_s);
        QVERIFY(parabolic.install.download() && parabolic.install.caskToken().isEmpty());
        QCOMPARE(*parabolic.install.download(),
            (DirectDownload {
                u"NickvisionApps/Parabolic"_s, u"Parabolic-macOS-arm64.zip"_s, u"Parabolic-macOS-x64.zip"_s }));
        const CatalogApp sol = byID(u"sol"_s);
        QVERIFY(sol.replaces);
        QCOMPARE(sol.replaces->priceText.toUtf8(),
            QByteArray("\xC2\xA3"
                       "34"));
    }

    void permissionListsAndCategories()
    {
        QStringList accessibility, screenRecording;
        for (const CatalogApp &app : Catalog::v1()) {
            if (app.requiresAccessibilityPermission())
                accessibility.append(app.id);
            if (app.requiresScreenRecordingPermission())
                screenRecording.append(app.id);
        }
        QCOMPARE(accessibility,
            (QStringList { u"rectangle"_s, u"loop"_s, u"alt-tab"_s, u"espanso"_s, u"sol"_s, u"linearmouse"_s }));
        QCOMPARE(screenRecording, QStringList { u"shottr"_s });
        CatalogApp upper = byID(u"loop"_s);
        upper.id = u"Loop"_s;
        QVERIFY(!upper.requiresAccessibilityPermission());
        QStringList labels;
        for (Category category : CatalogApp::allCategories())
            labels.append(CatalogApp::label(category));
        QCOMPARE(labels,
            (QStringList { u"Window & desktop"_s, u"Clipboard & text"_s, u"Media"_s, u"Menu bar"_s,
                u"Privacy & security"_s, u"Files & disk"_s }));
    }

    void countsByCategory_data()
    {
        QTest::addColumn<Category>("category");
        QTest::addColumn<int>("all");
        QTest::addColumn<int>("curated");
        QTest::newRow("window") << Category::Window << 5 << 3;
        QTest::newRow("clipboard") << Category::Clipboard << 2 << 2;
        QTest::newRow("media") << Category::Media << 8 << 5;
        QTest::newRow("menubar") << Category::Menubar << 5 << 4;
        QTest::newRow("security") << Category::Security << 2 << 0;
        QTest::newRow("files") << Category::Files << 6 << 2;
    }
    void countsByCategory()
    {
        QFETCH(Category, category);
        QFETCH(int, all);
        QFETCH(int, curated);
        QCOMPARE(Catalog::apps(true, category).size(), all);
        QCOMPARE(Catalog::apps(false, category).size(), curated);
        for (const CatalogApp &app : Catalog::apps(true, category))
            QCOMPARE(app.category, category);
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
        QTest::newRow("all, no category") << true << OptionalCategory() << ids(Catalog::v1());
        QTest::newRow("curated, no category") << false << OptionalCategory() << ids(Catalog::v1().mid(0, 16));
    }
    void filtersKeepCatalogOrder()
    {
        QFETCH(bool, showAll);
        QFETCH(OptionalCategory, category);
        QFETCH(QStringList, expected);
        for (const QString &blank : { QString(), u"   "_s, u"\n\t \r\n"_s })
            QCOMPARE(ids(Catalog::apps(showAll, category, blank)), expected);
        QCOMPARE(ids(Catalog::apps(showAll, category)), expected);
    }

    void search_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("tagline, beyond curated and category")
            << u"password"_s << QStringList { u"keepassxc"_s, u"bitwarden"_s };
        QTest::newRow("upper case name") << u"VLC"_s << QStringList { u"vlc"_s };
        QTest::newRow("trimmed") << u"  \nKeePassXC \t"_s << QStringList { u"keepassxc"_s };
        QTest::newRow("category label inside a word") << u"clip"_s << QStringList { u"maccy"_s, u"espanso"_s };
        QTest::newRow("category label with ampersand")
            << u"files & disk"_s
            << QStringList { u"keka"_s, u"pearcleaner"_s, u"raspberry-pi-imager"_s, u"localsend"_s, u"cyberduck"_s,
                   u"calibre"_s };
        QTest::newRow("replaced app") << u"bartender"_s << QStringList { u"ice"_s, u"hiddenbar"_s };
        QTest::newRow("replaced app, two words") << u"adobe illustrator"_s << QStringList { u"inkscape"_s };
        // Fields the search must not look at.
        for (const QString &other :
            { u"$30/yr"_s, u"alt-tab"_s, u"knollsoft"_s, u"icemenubar"_s, u"jordanbaird"_s, u"apache"_s })
            QTest::addRow("not %s", qPrintable(other)) << other << QStringList {};
    }
    void search()
    {
        QFETCH(QString, search);
        QFETCH(QStringList, expected);
        QCOMPARE(ids(Catalog::apps(false, Category::Media, search)), expected);
        QCOMPARE(ids(Catalog::apps(true, std::nullopt, search)), expected);
    }
};

QTEST_GUILESS_MAIN(TestCatalog)
#include "TestCatalog.moc"
