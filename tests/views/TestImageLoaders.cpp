#include "catalog/Catalog.h"
#include "views/AppDetailModel.h"
#include "views/AppIconLoader.h"
#include "views/ScreenshotLoader.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

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
        const QString path = assets() + folder + u".imageset/"_s + file + u".png"_s;
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QImage image(std::max(width, 1), std::max(width, 1), QImage::Format_ARGB32);
        image.fill(Qt::darkCyan);
        QFile garbage(path);
        QVERIFY(width > 0 ? image.save(path, "PNG") : garbage.open(QIODevice::WriteOnly) && garbage.write("not a png"));
    }

private Q_SLOTS:
    void init() { qputenv("ORVANDO_RESOURCES", QFile::encodeName(m_root.filePath(u"Orvando_Orvando.bundle"_s))); }

    void iconTakesTheHighestResolutionThatDecodes_data()
    {
        QTest::addColumn<QList<int>>("widths"); // for -1x, -2x, -3x; 0 = absent, -1 = undecodable
        QTest::addColumn<int>("expectedWidth"); // 0 = no image
        QTest::newRow("1x and 2x") << QList<int> { 16, 32, 0 } << 32;
        QTest::newRow("all three") << QList<int> { 16, 32, 48 } << 48;
        QTest::newRow("only 3x") << QList<int> { 0, 0, 48 } << 48;
        QTest::newRow("undecodable 3x is skipped") << QList<int> { 16, 32, -1 } << 32;
        QTest::newRow("nothing decodes") << QList<int> { -1, 0, -1 } << 0;
    }
    void iconTakesTheHighestResolutionThatDecodes()
    {
        QFETCH(QList<int>, widths);
        QFETCH(int, expectedWidth);
        const QString id = u"icon-"_s + QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-');
        for (int scale = 1; scale <= 3; ++scale)
            if (widths[scale - 1] != 0)
                writeImage(id, id + u"-%1x"_s.arg(scale), widths[scale - 1]);
        const QImage image = AppIconLoader::image(id);
        QCOMPARE(image.isNull() ? 0 : image.width(), expectedWidth);
    }

    // Read once and kept; a miss is looked for again next time.
    void keepsWhatItFoundAndRetriesMisses()
    {
        QVERIFY(AppIconLoader::image(u"late"_s).isNull());
        QVERIFY(ScreenshotLoader::image(u"late-shot-1"_s).isNull());
        writeImage(u"late"_s, u"late-2x"_s, 32);
        writeImage(u"late-shot-1"_s, u"late-shot-1"_s, 64);
        const QImage icon = AppIconLoader::image(u"late"_s), shot = ScreenshotLoader::image(u"late-shot-1"_s);
        QCOMPARE(icon.width() + shot.width(), 96);
        QVERIFY(QDir(assets() + u"late.imageset"_s).removeRecursively());
        QVERIFY(QDir(assets() + u"late-shot-1.imageset"_s).removeRecursively());
        QCOMPARE(AppIconLoader::image(u"late"_s).cacheKey(), icon.cacheKey());
        QCOMPARE(ScreenshotLoader::image(u"late-shot-1"_s).cacheKey(), shot.cacheKey());
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
            QStringList present, found;
            for (const QString &name : app.screenshots)
                if (assets.exists(name + u".imageset"_s))
                    present << name;
            for (const AppDetailModel::Screenshot &shot : AppDetailModel(app).resolvedScreenshots())
                found << shot.name;
            QCOMPARE(found, present);
            shots += int(present.size());
        }
        QVERIFY(shots >= 40);
    }
};

QTEST_MAIN(TestImageLoaders)
#include "TestImageLoaders.moc"
