#include "views/Brand.h"
#include "views/BrandMark.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QImage render(qreal size, int canvas)
{
    QImage image(canvas, canvas, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    BrandMark::paint(&painter, QRectF(0, 0, canvas, canvas), size);
    return image;
}

} // namespace

// The mark drawn at any size from its 60-unit grid.
class TestBrandMark : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void drawsEachSquareWhereTheGridSays_data()
    {
        QTest::addColumn<qreal>("size");
        QTest::addColumn<QPointF>("point"); // in grid units
        QTest::addColumn<QColor>("expected"); // transparent: nothing drawn
        const QColor none = Qt::transparent;
        for (qreal size : { 60.0, 30.0, 120.0 }) {
            const QByteArray at = " at " + QByteArray::number(size);
            QTest::newRow("front centre" + at) << size << QPointF(30, 29) << Brand::primary;
            QTest::newRow("front left edge" + at) << size << QPointF(16, 29) << Brand::primary;
            QTest::newRow("front top edge" + at) << size << QPointF(30, 15) << Brand::primary;
            QTest::newRow("front bottom edge" + at) << size << QPointF(30, 43) << Brand::primary;
            QTest::newRow("above the front" + at) << size << QPointF(30, 13) << none;
            QTest::newRow("rounded front corner" + at) << size << QPointF(15.6, 14.6) << none;
            QTest::newRow("honey behind, left" + at) << size << QPointF(8, 31) << Brand::honey;
            QTest::newRow("terra behind, right" + at) << size << QPointF(52, 31) << Brand::deepTerra;
            QTest::newRow("frame corner" + at) << size << QPointF(1, 1) << none;
        }
        // The side squares fan outwards at the top: their outer upper corners reach out, the lower ones do not.
        QTest::newRow("honey turned anticlockwise") << 60.0 << QPointF(2.5, 22.5) << Brand::honey;
        QTest::newRow("terra turned clockwise") << 60.0 << QPointF(57.5, 22.5) << Brand::deepTerra;
        QTest::newRow("lower left stays in") << 60.0 << QPointF(2.5, 39.5) << none;
        QTest::newRow("lower right stays in") << 60.0 << QPointF(57.5, 39.5) << none;
    }
    void drawsEachSquareWhereTheGridSays()
    {
        QFETCH(qreal, size);
        QFETCH(QPointF, point);
        QFETCH(QColor, expected);
        // The pixel whose centre is nearest the point.
        const QColor actual
            = render(size, int(size)).pixelColor(int(point.x() * size / 60), int(point.y() * size / 60));
        if (expected.alpha() == 0) {
            QVERIFY2(actual.alpha() < 64, qPrintable(actual.name(QColor::HexArgb)));
        } else {
            QCOMPARE(actual.alpha(), 255);
            const int distance = std::abs(actual.red() - expected.red()) + std::abs(actual.green() - expected.green())
                + std::abs(actual.blue() - expected.blue());
            QVERIFY2(distance <= 6, qPrintable(actual.name() + u" vs "_s + expected.name()));
        }
    }

    void sideSquaresMirrorEachOther()
    {
        const QImage image = render(60, 60);
        int mismatched = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 30; ++x)
                mismatched += std::abs(qAlpha(image.pixel(x, y)) - qAlpha(image.pixel(59 - x, y))) > 40;
        QVERIFY2(mismatched < 10, qPrintable(QString::number(mismatched)));
    }

    void centresTheMarkInALargerFrame()
    {
        const QImage image = render(60, 100); // 20 units of margin all round
        QCOMPARE(image.pixelColor(50, 49), QColor(Brand::primary));
        QCOMPARE(image.pixelColor(21, 21).alpha(), 0);
        QCOMPARE(image.pixelColor(50, 33).alpha(), 0);
    }

    void widgetTakesItsSizeAndPaints()
    {
        BrandMark mark(32);
        QCOMPARE(mark.sizeHint(), QSize(32, 32));
        mark.resize(mark.sizeHint());
        QCOMPARE(mark.grab().toImage().pixelColor(16, 15), QColor(Brand::primary));
        mark.setMarkSize(48);
        QCOMPARE(mark.sizeHint(), QSize(48, 48));
        if (const QByteArray dir = qgetenv("ORVANDO_RENDER_DIR"); !dir.isEmpty())
            render(240, 240).save(QDir(QString::fromLocal8Bit(dir)).filePath(u"brand-mark.png"_s));
    }
};

QTEST_MAIN(TestBrandMark)
#include "TestBrandMark.moc"
