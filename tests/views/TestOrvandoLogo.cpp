#include "views/Brand.h"
#include "views/OrvandoLogo.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QImage render(OrvandoLogo &logo, const QString &reviewName)
{
    logo.resize(logo.sizeHint());
    QImage image(logo.size(), QImage::Format_ARGB32);
    image.fill(Brand::cream);
    logo.render(&image);
    if (const QByteArray dir = qgetenv("ORVANDO_RENDER_DIR"); !dir.isEmpty())
        image.save(QDir(QString::fromLocal8Bit(dir)).filePath(reviewName));
    return image;
}

// The first and last rows holding text ink (pixels clearly darker than the cream) right of fromX.
QPair<int, int> inkRows(const QImage &image, int fromX)
{
    int top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = fromX; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 160) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return { top, bottom };
}

} // namespace

// The mark followed by the two-run wordmark, announced as one element.
class TestOrvandoLogo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void isAnnouncedOnceByItsJoinedText()
    {
        OrvandoLogo logo(32);
        logo.show();
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&logo);
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), u"orvando"_s + OrvandoLogo::suffix());
        QCOMPARE(accessible->childCount(), 0);
    }

    void drawsMarkThenWordAndDimmedSuffix()
    {
        OrvandoLogo logo(36);
        const QImage image = render(logo, u"logo-36.png"_s);
        QVERIFY(image.height() >= 36);
        QCOMPARE(image.pixelColor(18, image.height() / 2 - 1), QColor(Brand::primary));
        // The word is drawn in warmBlack; the suffix, right of it, never gets that dark.
        const int wordEnd
            = 36 + 8 + QFontMetrics(logo.wordmarkFont(&image), &image).horizontalAdvance(OrvandoLogo::word());
        int darkestWord = 255, darkestSuffix = 255;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 36 + 8; x < image.width(); ++x) {
                int &darkest = x < wordEnd - 1 ? darkestWord : darkestSuffix;
                darkest = std::min(darkest, qGray(image.pixel(x, y)));
            }
        QVERIFY2(darkestWord <= qGray(Brand::warmBlack.rgb()) + 8, qPrintable(QString::number(darkestWord)));
        QVERIFY2(darkestSuffix > 100 && darkestSuffix < 200, qPrintable(QString::number(darkestSuffix)));
    }

    void wordmarkGrowsWithTheMarkAndSitsOnItsMiddle()
    {
        OrvandoLogo small(36), large(72);
        const QImage smallImage = render(small, u"logo-36.png"_s);
        const auto [smallTop, smallBottom] = inkRows(smallImage, 36 + 8);
        const auto [largeTop, largeBottom] = inkRows(render(large, u"logo-72.png"_s), 72 + 8);
        const qreal ratio = qreal(largeBottom - largeTop + 1) / (smallBottom - smallTop + 1);
        QVERIFY2(ratio > 1.8 && ratio < 2.2, qPrintable(QString::number(ratio)));
        QVERIFY(large.sizeHint().width() > 2 * small.sizeHint().width() - 10);
        QVERIFY(std::abs((smallTop + smallBottom) / 2.0 - smallImage.height() / 2.0) < 5);
    }
};

QTEST_MAIN(TestOrvandoLogo)
#include "TestOrvandoLogo.moc"
