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
    for (const CatalogApp &app : Catalog::v1()) {
        if (app.id == id)
            return app;
    }
    return {};
}

} // namespace

class TestCatalog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listHasTwentyEightUniqueEntriesWithFirstSixteenCurated()
    {
        const QList<CatalogApp> &all = Catalog::v1();
        QCOMPARE(all.size(), 28);
        const QStringList allIDs = ids(all);
        QCOMPARE(QSet<QString>(allIDs.cbegin(), allIDs.cend()).size(), 28);
        QCOMPARE(QSet<CatalogApp>(all.cbegin(), all.cend()).size(), 28);
        for (int i = 0; i < all.size(); ++i)
            QVERIFY2(all[i].isCurated == (i < 16), qPrintable(all[i].id));
        QCOMPARE(ids(Catalog::curated()), ids(all.mid(0, 16)));
        QCOMPARE(all.first().id, u"maccy"_s);
        QCOMPARE(all.last().id, u"calibre"_s);
    }

    void everyEntryIsCompleteAndNamesItsScreenshots()
    {
        for (const CatalogApp &app : Catalog::v1()) {
            QVERIFY2(app.tagline.endsWith(u'.'), qPrintable(app.id));
            QVERIFY2(app.homepage.startsWith(u"https://"_s), qPrintable(app.id));
            QVERIFY2(app.bundleID.has_value() == (app.id != u"shutter-encoder"_s), qPrintable(app.id));
            QVERIFY2(!app.screenshots.isEmpty(), qPrintable(app.id));
            for (int n = 0; n < app.screenshots.size(); ++n)
                QCOMPARE(app.screenshots[n], app.id + u"-shot-"_s + QString::number(n + 1));
            QVERIFY2(app.install.isHomebrewCask() == (app.id != u"parabolic"_s), qPrintable(app.id));
        }
        QCOMPARE(byID(u"maccy"_s).screenshots.size(), 4);
        QCOMPARE(byID(u"sol"_s).screenshots.size(), 2);
    }

    void valuesThatDifferFromTheObvious()
    {
        QCOMPARE(byID(u"handbrake"_s).install.caskToken(), u"handbrake-app"_s);
        QCOMPARE(byID(u"ice"_s).install.caskToken(), u"jordanbaird-ice"_s);
        QCOMPARE(byID(u"localsend"_s).bundleID, u"org.localsend.localsendApp"_s);
        const CatalogApp parabolic = byID(u"parabolic"_s);
        QVERIFY(parabolic.install.download());
        QCOMPARE(*parabolic.install.download(),
            (DirectDownload {
                u"NickvisionApps/Parabolic"_s, u"Parabolic-macOS-arm64.zip"_s, u"Parabolic-macOS-x64.zip"_s }));
        QVERIFY(parabolic.install.caskToken().isEmpty());
        QCOMPARE(byID(u"pearcleaner"_s).license, CatalogApp::License::ApacheCommonsClause);
        QCOMPARE(CatalogApp::label(byID(u"pearcleaner"_s).license), u"Apache-2.0 + Commons Clause"_s);
    }

    void solPriceKeepsThePoundSignByteExact()
    {
        const CatalogApp sol = byID(u"sol"_s);
        QVERIFY(sol.replaces);
        QCOMPARE(sol.replaces->priceText.toUtf8(),
            QByteArray("\xC2\xA3"
                       "34"));
        QCOMPARE(sol.replaces->priceText.size(), 3);
    }

    void entriesSharingAReplacedApp_data()
    {
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("app");
        QTest::addColumn<QString>("price");
        QTest::newRow("Bartender") << QStringList { u"ice"_s, u"hiddenbar"_s } << u"Bartender"_s << u"$16/yr"_s;
        QTest::newRow("1Password") << QStringList { u"keepassxc"_s, u"bitwarden"_s } << u"1Password"_s << u"$36/yr"_s;
        QTest::newRow("Magnet") << QStringList { u"rectangle"_s, u"loop"_s } << u"Magnet"_s << u"$8"_s;
    }
    void entriesSharingAReplacedApp()
    {
        QFETCH(QStringList, expected);
        QFETCH(QString, app);
        QFETCH(QString, price);
        QStringList found;
        for (const CatalogApp &entry : Catalog::v1()) {
            if (entry.replaces && entry.replaces->app == app) {
                QCOMPARE(entry.replaces->priceText, price);
                found.append(entry.id);
            }
        }
        QCOMPARE(found, expected);
    }

    void permissionLists()
    {
        QStringList accessibility;
        QStringList screenRecording;
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
    }

    void categoriesInSidebarOrder()
    {
        QStringList labels;
        for (Category category : CatalogApp::allCategories())
            labels.append(CatalogApp::label(category));
        QCOMPARE(labels,
            (QStringList { u"Window & desktop"_s, u"Clipboard & text"_s, u"Media"_s, u"Menu bar"_s,
                u"Privacy & security"_s, u"Files & disk"_s }));
        QCOMPARE(CatalogApp::symbol(Category::Security), u"lock.shield"_s);
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

    void filtersKeepCatalogOrder_data()
    {
        QTest::addColumn<bool>("showAll");
        QTest::addColumn<OptionalCategory>("category");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("curated window") << false << OptionalCategory(Category::Window)
                                        << QStringList { u"rectangle"_s, u"loop"_s, u"alt-tab"_s };
        QTest::newRow("all window") << true << OptionalCategory(Category::Window)
                                    << QStringList { u"rectangle"_s, u"loop"_s, u"alt-tab"_s, u"sol"_s,
                                           u"linearmouse"_s };
        QTest::newRow("curated security") << false << OptionalCategory(Category::Security) << QStringList {};
        QTest::newRow("all security") << true << OptionalCategory(Category::Security)
                                      << QStringList { u"keepassxc"_s, u"bitwarden"_s };
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
        QCOMPARE(ids(Catalog::apps(showAll, category)), expected);
        QCOMPARE(ids(Catalog::apps(showAll, category, QString())), expected);
    }

    void blankSearchHonoursTheFilters_data()
    {
        QTest::addColumn<QString>("search");
        QTest::newRow("spaces") << u"   "_s;
        QTest::newRow("line breaks and tabs") << u"\n\t \r\n"_s;
    }
    void blankSearchHonoursTheFilters()
    {
        QFETCH(QString, search);
        for (bool showAll : { false, true }) {
            QCOMPARE(Catalog::apps(showAll, std::nullopt, search), Catalog::apps(showAll, std::nullopt));
            QCOMPARE(Catalog::apps(showAll, Category::Media, search), Catalog::apps(showAll, Category::Media));
        }
    }

    void search_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("tagline, beyond curated and category")
            << u"password"_s << QStringList { u"keepassxc"_s, u"bitwarden"_s };
        QTest::newRow("upper case name") << u"VLC"_s << QStringList { u"vlc"_s };
        QTest::newRow("lower case name") << u"vlc"_s << QStringList { u"vlc"_s };
        QTest::newRow("trimmed") << u"  \nKeePassXC \t"_s << QStringList { u"keepassxc"_s };
        QTest::newRow("category label inside a word") << u"clip"_s << QStringList { u"maccy"_s, u"espanso"_s };
        QTest::newRow("category label with ampersand")
            << u"files & disk"_s
            << QStringList { u"keka"_s, u"pearcleaner"_s, u"raspberry-pi-imager"_s, u"localsend"_s, u"cyberduck"_s,
                   u"calibre"_s };
        QTest::newRow("replaced app") << u"bartender"_s << QStringList { u"ice"_s, u"hiddenbar"_s };
        QTest::newRow("replaced app, two words") << u"adobe illustrator"_s << QStringList { u"inkscape"_s };
        QTest::newRow("not the price") << u"$30/yr"_s << QStringList {};
        QTest::newRow("not the id") << u"alt-tab"_s << QStringList {};
        QTest::newRow("not the bundle id") << u"knollsoft"_s << QStringList {};
        QTest::newRow("not the home page") << u"icemenubar"_s << QStringList {};
        QTest::newRow("not the cask token") << u"jordanbaird"_s << QStringList {};
        QTest::newRow("not the licence") << u"apache"_s << QStringList {};
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
