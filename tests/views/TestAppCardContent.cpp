#include "CardTestEngine.h"

#include "views/AppCardContent.h"
#include "views/Brand.h"

#include <QTest>

using namespace Qt::StringLiterals;

// What a card shows, decided from the catalog entry. (The texts of its summary and of its action
// area in each state are checked on the real widget in TestAppCard.)
class TestAppCardContent : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pricingPillFollowsPricing_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("pricing");
        QTest::addColumn<QColor>("pricingColor");
        QTest::newRow("free") << u"maccy"_s << u"Free"_s << Brand::forest;
        QTest::newRow("freemium") << u"shottr"_s << u"Freemium"_s << Brand::deepTerra;
    }
    void pricingPillFollowsPricing()
    {
        QFETCH(QString, id);
        QFETCH(QString, pricing);
        QFETCH(QColor, pricingColor);
        const AppCardContent content = AppCardContent::make(catalogApp(id), std::nullopt, {});
        QCOMPARE(content.pricingLabel, pricing);
        QCOMPARE(content.pricingColor, pricingColor);
    }

    void letterIsFirstGrapheme_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("letter");
        QTest::newRow("plain") << u"Maccy"_s << u"M"_s;
        QTest::newRow("non-ASCII") << u"Ümlaut"_s << u"Ü"_s;
        QTest::newRow("combining accent stays with its letter") << u"E\u0301tude"_s << u"E\u0301"_s;
        QTest::newRow("surrogate pair") << u"\U0001D4D0pp"_s << u"\U0001D4D0"_s;
        QTest::newRow("flag is two code points") << u"\U0001F1EB\U0001F1F7 Paris"_s << u"\U0001F1EB\U0001F1F7"_s;
        QTest::newRow("joined emoji") << u"\U0001F469\u200D\U0001F4BB app"_s << u"\U0001F469\u200D\U0001F4BB"_s;
        QTest::newRow("empty") << QString() << QString();
    }
    void letterIsFirstGrapheme()
    {
        QFETCH(QString, name);
        QFETCH(QString, letter);
        QCOMPARE(AppCardContent::firstGrapheme(name), letter);
        CatalogApp app = catalogApp(u"maccy"_s);
        app.name = name;
        QCOMPARE(AppCardContent::make(app, std::nullopt, {}).letter, letter);
    }
};

QTEST_GUILESS_MAIN(TestAppCardContent)
#include "TestAppCardContent.moc"
