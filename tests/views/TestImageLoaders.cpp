#include "catalog/Catalog.h"
#include "views/AppDetailModel.h"
#include "views/AppIconLoader.h"
#include "views/ScreenshotLoader.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QStringList names(const QList<AppDetailModel::Screenshot> &shots)
{
    QStringList result;
    for (const AppDetailModel::Screenshot &shot : shots)
        result << shot.name;
    return result;
}

} // namespace

// Icons and screenshots read from a resource bundle laid out in a temporary folder, and from the
// bundle the program ships.
class TestImageLoaders : public QObject
{
    Q_OBJECT

    QTemporaryDir m_root;
    QString assets() const { return m_root.filePath(u"Orvando_Orvando.bundle/Assets.xcassets/"_s); }

    // Writes a width x width PNG (or, for width -1, garbage) as <folder>.imageset/<file>.png.
    void writeImage(const QString &folder, const QString &file, int width)
    {
        const QString dir = assets() + folder + u".imageset"_s;
        QVERIFY(QDir().mkpath(dir));
        const QString path = dir + u'/' + file + u".png"_s;
        QImage image(std::max(width, 1), std::max(width, 1), QImage::Format_ARGB32);
        image.fill(Qt::darkCyan);
        QFile garbage(path);
        QVERIFY(width > 0 ? image.save(path, "PNG") : garbage.open(QIODevice::WriteOnly) && garbage.write("not a png"));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(assets()));
        qputenv("ORVANDO_RESOURCES", QFile::encodeName(m_root.filePath(u"Orvando_Orvando.bundle"_s)));
    }

    void iconTakesHighestResolutionPresent_data()
    {
        QTest::addColumn<QList<int>>("widths"); // for -1x, -2x, -3x; 0 = absent, -1 = undecodable
        QTest::addColumn<int>("expectedWidth"); // 0 = no image
        QTest::newRow("only 1x") << QList<int> { 16, 0, 0 } << 16;
        QTest::newRow("1x and 2x") << QList<int> { 16, 32, 0 } << 32;
        QTest::newRow("all three") << QList<int> { 16, 32, 48 } << 48;
        QTest::newRow("only 3x") << QList<int> { 0, 0, 48 } << 48;
        QTest::newRow("undecodable 3x is skipped") << QList<int> { 16, 32, -1 } << 32;
        QTest::newRow("nothing decodes") << QList<int> { -1, 0, -1 } << 0;
        QTest::newRow("empty folder") << QList<int> { 0, 0, 0 } << 0;
    }
    void iconTakesHighestResolutionPresent()
    {
        QFETCH(QList<int>, widths);
        QFETCH(int, expectedWidth);
        const QString id = u"icon-"_s + QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-');
        QVERIFY(QDir().mkpath(assets() + id + u".imageset"_s));
        for (int scale = 1; scale <= 3; ++scale)
            if (widths[scale - 1] != 0)
                writeImage(id, id + u"-%1x"_s.arg(scale), widths[scale - 1]);
        const QImage image = AppIconLoader::image(id);
        QCOMPARE(image.isNull() ? 0 : image.width(), expectedWidth);
    }

    // A second request must not read the file again: replacing or removing it changes nothing.
    void decodedOnceAndKept()
    {
        writeImage(u"kept"_s, u"kept-2x"_s, 32);
        const QImage icon = AppIconLoader::image(u"kept"_s);
        QCOMPARE(icon.width(), 32);
        writeImage(u"kept"_s, u"kept-3x"_s, 48);
        QVERIFY(QFile::remove(assets() + u"kept.imageset/kept-2x.png"_s));
        QCOMPARE(AppIconLoader::image(u"kept"_s).cacheKey(), icon.cacheKey());

        writeImage(u"demo-shot-1"_s, u"demo-shot-1"_s, 64);
        const QImage shot = ScreenshotLoader::image(u"demo-shot-1"_s);
        QCOMPARE(shot.width(), 64);
        QVERIFY(QFile::remove(assets() + u"demo-shot-1.imageset/demo-shot-1.png"_s));
        QCOMPARE(ScreenshotLoader::image(u"demo-shot-1"_s).cacheKey(), shot.cacheKey());
    }

    void screenshotIsFoundByExactNameOnly()
    {
        writeImage(u"demo-shot-2"_s, u"demo-shot-2-2x"_s, 64); // icons' suffixes are not tried
        writeImage(u"Demo-shot-3"_s, u"Demo-shot-3"_s, 64);
        QVERIFY(ScreenshotLoader::image(u"demo-shot-2"_s).isNull());
        QVERIFY(ScreenshotLoader::image(u"demo-shot-3"_s).isNull()); // names are case-sensitive
    }

    void missesAreRetried()
    {
        QVERIFY(AppIconLoader::image(u"late"_s).isNull());
        QVERIFY(AppIconLoader::image(u"late"_s).isNull());
        QVERIFY(ScreenshotLoader::image(u"late-shot-1"_s).isNull());
        writeImage(u"late"_s, u"late-1x"_s, 16);
        writeImage(u"late-shot-1"_s, u"late-shot-1"_s, 40);
        QCOMPARE(AppIconLoader::image(u"late"_s).width(), 16);
        QCOMPARE(ScreenshotLoader::image(u"late-shot-1"_s).width(), 40);
    }

    void namesCannotLeaveTheBundle()
    {
        // A file one level above the bundle's image folders must not be reachable through the name.
        writeImage(u"outside"_s, u"outside"_s, 8);
        QVERIFY(QFile::copy(assets() + u"outside.imageset/outside.png"_s, assets() + u"escape.png"_s));
        QVERIFY(ScreenshotLoader::image(u"../escape"_s).isNull());
        QVERIFY(AppIconLoader::image(u"x/../../escape"_s).isNull());
    }

    void resolvedScreenshotsKeepCatalogOrderWithoutGaps_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("first and third of three")
            << QStringList { u"gap-shot-1"_s, u"gap-shot-2"_s, u"gap-shot-3"_s }
            << QStringList { u"gap-shot-1"_s, u"gap-shot-3"_s } << QStringList { u"gap-shot-1"_s, u"gap-shot-3"_s };
        QTest::newRow("catalog order, not file order")
            << QStringList { u"order-b"_s, u"order-a"_s } << QStringList { u"order-a"_s, u"order-b"_s }
            << QStringList { u"order-b"_s, u"order-a"_s };
        QTest::newRow("none present") << QStringList { u"none-shot-1"_s } << QStringList {} << QStringList {};
    }
    void resolvedScreenshotsKeepCatalogOrderWithoutGaps()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, present);
        QFETCH(QStringList, expected);
        for (const QString &name : present)
            writeImage(name, name, 24);
        CatalogApp app;
        app.screenshots = names;
        const QList<AppDetailModel::Screenshot> resolved = AppDetailModel(app).resolvedScreenshots();
        QCOMPARE(::names(resolved), expected);
        for (const AppDetailModel::Screenshot &shot : resolved)
            QCOMPARE(shot.image.width(), 24);
    }

    void shippedBundleHoldsTheCatalogsImages()
    {
        const QString shipped = QStringLiteral(ORVANDO_SOURCE_DIR "/resources");
        qputenv("ORVANDO_RESOURCES", QFile::encodeName(shipped));
        // These two have no openly licensed artwork; their cards fall back to the letter tile.
        const QStringList withoutIcon { u"betterdisplay"_s, u"shottr"_s };
        const QDir assets(shipped + u"/Orvando_Orvando.bundle/Assets.xcassets"_s);
        int shots = 0;
        for (const CatalogApp &app : Catalog::v1()) {
            const QImage icon = AppIconLoader::image(app.id);
            QVERIFY2(icon.isNull() == withoutIcon.contains(app.id), qPrintable(app.id));
            QVERIFY(icon.isNull() || icon.size() == QSize(256, 256));
            // Every shipped screenshot the catalog names is laid out so that it is found and decodes.
            QStringList present;
            for (const QString &name : app.screenshots)
                if (assets.exists(name + u".imageset"_s))
                    present << name;
            QCOMPARE(::names(AppDetailModel(app).resolvedScreenshots()), present);
            shots += int(present.size());
        }
        QVERIFY(shots >= 40);
        qputenv("ORVANDO_RESOURCES", QFile::encodeName(m_root.filePath(u"Orvando_Orvando.bundle"_s)));
    }
};

QTEST_MAIN(TestImageLoaders)
#include "TestImageLoaders.moc"
