#include "views/ResourceBundle.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Where the resource bundle is looked for: the override, an app bundle's layout, an installation.
class TestResourceBundle : public QObject
{
    Q_OBJECT

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
        QVERIFY(QDir().mkpath(bundle + u"/Assets.xcassets/a.imageset"_s));
        QFile file(bundle + u"/Assets.xcassets/a.imageset/a.png"_s);
        QVERIFY(file.open(QIODevice::WriteOnly));
        for (const QString &value : { bundle, root.path(), root.filePath(u"missing"_s) }) {
            qputenv("ORVANDO_RESOURCES", QFile::encodeName(value));
            const QString found = ResourceBundle::urlForResource(u"a"_s, u"png"_s, u"Assets.xcassets/a.imageset"_s);
            QCOMPARE(found, value.endsWith(u"missing"_s) ? QString() : file.fileName());
        }
        QVERIFY(ResourceBundle::urlForResource(u"../a.imageset/a"_s, u"png"_s, u"Assets.xcassets/x"_s).isEmpty());
        qunsetenv("ORVANDO_RESOURCES");
    }
};

QTEST_GUILESS_MAIN(TestResourceBundle)
#include "TestResourceBundle.moc"
