#include "catalog/Catalog.h"
#include "support/Sandbox.h"
#include "views/detail/AppDetailModel.h"
#include "views/detail/ScreenshotLoader.h"
#include "views/settings/SelfRemoval.h"
#include "views/style/AppIconLoader.h"
#include "views/style/ResourceBundle.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Found = SelfRemoval::Found;
Q_DECLARE_METATYPE(SelfRemoval::Found)

// The program's own files: where its resource bundle is looked for (the override, an app bundle's
// layout, an installation), the icons and screenshots read from a bundle laid out in a temporary
// folder and from the one the program ships, and which installation it may delete.
class TestResourceBundle : public QObject
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
        QVERIFY(width > 0 ? image.save(path, "PNG") : Sandbox::writeFile(path, "not a png"));
    }

private Q_SLOTS:
    void searchesBesideTheExecutableFirst_data()
    {
        QTest::addColumn<QString>("executableFolder");
        QTest::addColumn<QStringList>("first");
        QTest::newRow("in an app bundle")
            << u"/Applications/Orvando.app/Contents/MacOS"_s
            << QStringList { u"/Applications/Orvando.app/Contents/Resources"_s, u"/Applications/Orvando.app"_s,
                   u"/Applications/Orvando.app/Contents/MacOS"_s };
        QTest::newRow("installed in a prefix")
            << u"/opt/orvando/bin"_s << QStringList { u"/opt/orvando/bin"_s, u"/opt/orvando/share/orvando"_s };
    }
    void searchesBesideTheExecutableFirst()
    {
        QFETCH(QString, executableFolder);
        QFETCH(QStringList, first);
        QStringList folders;
        for (const QString &path : ResourceBundle::searchPaths(executableFolder).mid(0, first.size()))
            folders << path.chopped(ResourceBundle::name().size() + 1);
        QCOMPARE(folders, first);
    }

    // The override names the bundle or its folder, and replaces the search: naming nothing finds nothing.
    void overrideNamesTheBundleOrItsFolder()
    {
        QTemporaryDir root;
        const QString bundle = root.filePath(ResourceBundle::name());
        const QString file = bundle + u"/Assets.xcassets/a.imageset/a.png"_s;
        QVERIFY(Sandbox::writeFile(file, {}));
        for (const QString &value : { bundle, root.path(), root.filePath(u"missing"_s) }) {
            qputenv("ORVANDO_RESOURCES", QFile::encodeName(value));
            const QString found = ResourceBundle::urlForResource(u"a"_s, u"png"_s, u"Assets.xcassets/a.imageset"_s);
            QCOMPARE(found, value.endsWith(u"missing"_s) ? QString() : file);
        }
        QVERIFY(ResourceBundle::urlForResource(u"../a.imageset/a"_s, u"png"_s, u"Assets.xcassets/x"_s).isEmpty());
        qunsetenv("ORVANDO_RESOURCES");
    }

    void init() { qputenv("ORVANDO_RESOURCES", QFile::encodeName(m_root.filePath(u"Orvando_Orvando.bundle"_s))); }

    // Read when asked, or ahead on a worker thread (as for a window's first cards): the same icon,
    // and fitted to a box with its aspect kept.
    void iconTakesTheHighestResolutionThatDecodes_data()
    {
        QTest::addColumn<QList<int>>("widths"); // for -1x, -2x, -3x; 0 = absent, -1 = undecodable
        QTest::addColumn<int>("expectedWidth"); // 0 = no image
        QTest::addColumn<bool>("ahead");
        for (const bool ahead : { false, true }) {
            const auto row = [ahead](const char *name) {
                return &QTest::newRow(qPrintable((ahead ? u"ahead, "_s : QString()) + QLatin1String(name)));
            };
            *row("1x and 2x") << QList<int> { 16, 32, 0 } << 32 << ahead;
            *row("all three") << QList<int> { 16, 32, 48 } << 48 << ahead;
            *row("only 3x") << QList<int> { 0, 0, 48 } << 48 << ahead;
            *row("undecodable 3x is skipped") << QList<int> { 16, 32, -1 } << 32 << ahead;
            *row("nothing decodes") << QList<int> { -1, 0, -1 } << 0 << ahead;
        }
    }
    void iconTakesTheHighestResolutionThatDecodes()
    {
        QFETCH(QList<int>, widths);
        QFETCH(int, expectedWidth);
        QFETCH(bool, ahead);
        const QString id = u"icon-"_s + QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-');
        for (int scale = 1; scale <= 3; ++scale)
            if (widths[scale - 1] != 0)
                writeImage(id, id + u"-%1x"_s.arg(scale), widths[scale - 1]);
        if (ahead)
            AppIconLoader::prefetch({ id }, QSize(24, 20));
        const QImage image = AppIconLoader::image(id);
        QCOMPARE(image.isNull() ? 0 : image.width(), expectedWidth);
        QCOMPARE(AppIconLoader::fitted(id, QSize(24, 20)).size(), expectedWidth ? QSize(20, 20) : QSize(0, 0));
        QCOMPARE(AppIconLoader::fitted(id, QSize(12, 40)).size(), expectedWidth ? QSize(12, 12) : QSize(0, 0));
    }

    // Read once and kept; a miss is looked for again next time.
    void keepsWhatItFoundAndRetriesMisses()
    {
        AppIconLoader::prefetch({ u"late"_s }, QSize(24, 24));
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
        for (const CatalogApp &app : Catalog::builtIn()) {
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

    void deletesOnlyAnInstallationOfItsOwn_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<Found>("found");
        QTest::addColumn<bool>("own");
        const Found bundle { false, true, true, false }, marked { false, true, false, true };
        QTest::newRow("bundle") << u"/Applications/Orvando.app"_s << bundle << true;
        QTest::newRow("bundle, suffix in capitals") << u"/Users/bob/Apps/Orvando.APP/"_s << bundle << true;
        QTest::newRow("bundle without Info.plist") << u"/Applications/Orvando.app"_s << Found { false, true } << false;
        QTest::newRow("file named .app") << u"/Applications/Orvando.app"_s << Found { false, false, true } << false;
        QTest::newRow("link to a bundle") << u"/Applications/Orvando.app"_s << Found { true, true, true } << false;
        QTest::newRow("relative path") << u"Applications/Orvando.app"_s << bundle << false;
        QTest::newRow("empty path") << QString() << bundle << false;
        QTest::newRow("marked prefix of its own") << u"/opt/orvando"_s << marked << true;
        QTest::newRow("unmarked prefix") << u"/opt/orvando"_s << Found { false, true } << false;
        QTest::newRow("marked shared prefix") << u"/usr/local/"_s << marked << false;
        QTest::newRow("marked home folder") << u"/srv/users/bob"_s << marked << false;
        QTest::newRow("marked folder above home") << u"/srv/users/bob/.."_s << marked << false;
        QTest::newRow("marked folder whose name starts home's") << u"/srv/users/bo"_s << marked << true;
        QTest::newRow("build folder") << u"/work/orvando/build"_s << Found { false, true } << false;
    }
    void deletesOnlyAnInstallationOfItsOwn()
    {
        QFETCH(QString, path);
        QFETCH(Found, found);
        QFETCH(bool, own);
        QCOMPARE(SelfRemoval::isOwnInstallation(path, found, u"/srv/users/bob"_s), own);
    }

    // The real shell deletes a bundle whose name would split a naively quoted command, and only it.
    void removesTheBundleAfterQuitting()
    {
        Sandbox sandbox;
        const QString folder = sandbox.systemApplications();
        const QString own = sandbox.makeBundle(folder, u"a' 'victim' 'b $(touch pwned)"_s, u"app.orvando"_s);
        QVERIFY(Sandbox::writeFile(folder + u"/victim/keep.txt"_s, "x"));
        QDir::setCurrent(folder); // what a relative path would reach
        int quits = 0;
        QVERIFY(QFile::link(own, folder + u"/Link.app"_s));
        for (const QString &other : { u"victim"_s, u"Link.app"_s })
            QVERIFY(!SelfRemoval::removeAndQuit(folder + u'/' + other, [&quits] { ++quits; }));
        QVERIFY(SelfRemoval::removeAndQuit(own, [&quits] { ++quits; }));
        QCOMPARE(quits, 3);
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(own), 15000);
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
            (QStringList { u"Link.app"_s, u"victim"_s }));
        QVERIFY(QFileInfo::exists(folder + u"/victim/keep.txt"_s));
        // Run from the build folder, the program is no installation to delete.
        QVERIFY(!SelfRemoval::isOwnInstallation(SelfRemoval::installationPath()));
    }
};

QTEST_MAIN(TestResourceBundle)
#include "TestResourceBundle.moc"
