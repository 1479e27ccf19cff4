#include "catalog/CatalogApp.h"
#include "views/Brand.h"
#include "views/Symbols.h"

#include <QImage>
#include <QTest>

using namespace Qt::StringLiterals;

// Every symbol the views ask for comes out of the resources and draws something.
class TestSymbols : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyNameDraws_data()
    {
        QTest::addColumn<QString>("name");
        QStringList names { u"rosette"_s, u"square.grid.2x2"_s, u"envelope"_s, u"gearshape"_s, u"magnifyingglass"_s,
            u"xmark.circle.fill"_s, u"chevron.down"_s, u"chevron.up"_s, u"chevron.right"_s, u"sparkles"_s,
            u"hand.raised"_s, u"lock.shield"_s, u"rectangle.dashed.badge.record"_s, u"play.fill"_s,
            u"arrow.up.forward.app"_s, u"arrow.up.forward"_s, u"checkmark"_s, u"wrench.and.screwdriver"_s, u"xmark"_s };
        for (CatalogApp::Category category : CatalogApp::allCategories())
            names << CatalogApp::symbol(category);
        names.removeDuplicates();
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << name;
    }
    void everyNameDraws()
    {
        QFETCH(QString, name);
        const QImage image = Symbols::pixmap(name, Brand::colors(Brand::Scheme::Light).n3, 24, 1).toImage();
        QCOMPARE(image.size(), QSize(24, 24));
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                opaque += qAlpha(image.pixel(x, y)) > 128;
        QVERIFY2(opaque > 10, qPrintable(QString::number(opaque)));
    }
};

QTEST_MAIN(TestSymbols)
#include "TestSymbols.moc"
