#include "catalog/CatalogApp.h"
#include "views/Brand.h"
#include "views/Symbols.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTest>

using namespace Qt::StringLiterals;

// Every symbol name the views ask for draws, in the colour asked for, at the size asked for.
class TestSymbols : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The names the sidebar, search bar, log drawer, cards, sheets and categories use, and every
    // other name the set knows.
    void everyNameDraws_data()
    {
        QTest::addColumn<QString>("name");
        QStringList names { u"rosette"_s, u"square.grid.2x2"_s, u"envelope"_s, u"gearshape"_s, u"magnifyingglass"_s,
            u"xmark.circle.fill"_s, u"chevron.down"_s, u"chevron.up"_s, u"chevron.right"_s, u"sparkles"_s,
            u"hand.raised"_s, u"lock.shield"_s, u"rectangle.dashed.badge.record"_s, u"play.fill"_s,
            u"arrow.up.forward.app"_s, u"arrow.up.forward"_s, u"checkmark"_s, u"wrench.and.screwdriver"_s, u"xmark"_s };
        for (CatalogApp::Category category : CatalogApp::allCategories())
            names << CatalogApp::symbol(category);
        names << Symbols::names();
        names.removeDuplicates();
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << name;
    }
    void everyNameDraws()
    {
        QFETCH(QString, name);
        QVERIFY(Symbols::contains(name));
        const QImage image = Symbols::pixmap(name, Brand::n3, 24, 1).toImage();
        QCOMPARE(image.size(), QSize(24, 24));
        // Something is drawn, and it is a symbol rather than a filled square.
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                opaque += qAlpha(image.pixel(x, y)) > 128;
        QVERIFY2(opaque > 10 && opaque < 24 * 24 * 3 / 4, qPrintable(QString::number(opaque)));
    }

    void isTintedWithTheColourAskedFor_data()
    {
        QTest::addColumn<QColor>("color");
        QTest::newRow("primary") << Brand::primary;
        QTest::newRow("cream") << Brand::cream;
        QColor faint = Brand::primary;
        faint.setAlphaF(0.4);
        QTest::newRow("primary at 40 %") << faint;
    }
    void isTintedWithTheColourAskedFor()
    {
        QFETCH(QColor, color);
        const QImage image
            = Symbols::pixmap(u"lock.shield"_s, color, 32, 1).toImage().convertToFormat(QImage::Format_ARGB32);
        const int tolerance = int(2 / color.alphaF()) + 1; // premultiplied storage rounds translucent colours
        int maxAlpha = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                maxAlpha = std::max(maxAlpha, pixel.alpha());
                if (pixel.alpha() < 200 * color.alphaF())
                    continue; // antialiased edge
                QVERIFY(std::abs(pixel.red() - color.red()) <= tolerance);
                QVERIFY(std::abs(pixel.green() - color.green()) <= tolerance);
                QVERIFY(std::abs(pixel.blue() - color.blue()) <= tolerance);
            }
        QVERIFY(std::abs(maxAlpha - color.alpha()) <= 2);
    }

    void followsTheDevicePixelRatio()
    {
        const QPixmap sharp = Symbols::pixmap(u"checkmark"_s, Brand::forest, 14, 2);
        QCOMPARE(sharp.size(), QSize(28, 28));
        QCOMPARE(sharp.deviceIndependentSize(), QSizeF(14, 14));
        const QIcon icon = Symbols::icon(u"checkmark"_s, Brand::forest, 14);
        QCOMPARE(icon.availableSizes(), (QList<QSize> { QSize(14, 14), QSize(28, 28) }));
        if (const QByteArray dir = qgetenv("ORVANDO_RENDER_DIR"); !dir.isEmpty()) {
            const QStringList names = Symbols::names();
            QImage sheet(int(names.size()) * 40, 40, QImage::Format_ARGB32);
            sheet.fill(Brand::cream);
            QPainter painter(&sheet);
            for (int i = 0; i < names.size(); ++i)
                painter.drawPixmap(i * 40 + 4, 4, Symbols::pixmap(names[i], i % 2 ? Brand::primary : Brand::n3, 32, 1));
            painter.end();
            sheet.save(QDir(QString::fromLocal8Bit(dir)).filePath(u"symbols.png"_s));
        }
    }

    void unknownNamesGiveNothing()
    {
        QTest::ignoreMessage(QtWarningMsg, "Symbols: no image for symbol \"no.such.symbol\"");
        QVERIFY(Symbols::pixmap(u"no.such.symbol"_s, Brand::n3, 16).isNull());
        QVERIFY(!Symbols::contains(u"no.such.symbol"_s));
        QVERIFY(Symbols::icon(u"no.such.symbol"_s, Brand::n3, 16).isNull());
    }
};

QTEST_MAIN(TestSymbols)
#include "TestSymbols.moc"
