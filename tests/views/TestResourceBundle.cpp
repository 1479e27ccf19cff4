#include "views/ResourceBundle.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

QString iconA()
{
    return ResourceBundle::urlForResource(u"a"_s, u"png"_s, u"Assets.xcassets/a.imageset"_s);
}

} // namespace

// Where the resource bundle is found: the override, an app bundle's layout, beside the executable.
class TestResourceBundle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void overrideNamesTheBundleOrItsFolder()
    {
        QTemporaryDir root;
        const QString bundle = root.filePath(ResourceBundle::name());
        QVERIFY(QDir().mkpath(bundle + u"/Assets.xcassets/a.imageset"_s));
        QFile file(bundle + u"/Assets.xcassets/a.imageset/a.png"_s);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        for (const QString &value : { bundle, root.path() }) {
            qputenv("ORVANDO_RESOURCES", QFile::encodeName(value));
            QCOMPARE(ResourceBundle::path(), bundle);
            QCOMPARE(iconA(), file.fileName());
            QVERIFY(ResourceBundle::urlForResource(u"b"_s, u"png"_s, u"Assets.xcassets/a.imageset"_s).isEmpty());
        }
        // An override that names nothing yields no files rather than falling back elsewhere.
        qputenv("ORVANDO_RESOURCES", QFile::encodeName(root.filePath(u"missing"_s)));
        QVERIFY(iconA().isEmpty());
        qunsetenv("ORVANDO_RESOURCES");
    }

    void findsTheBundleInAnAppBundle_data()
    {
        QTest::addColumn<QStringList>("bundles"); // folders, relative to Orvando.app, holding a bundle
        QTest::addColumn<QString>("expected");
        QTest::newRow("Contents/Resources") << QStringList { u"Contents/Resources"_s } << u"Contents/Resources"_s;
        QTest::newRow("Resources before top folder")
            << QStringList { u"."_s, u"Contents/Resources"_s } << u"Contents/Resources"_s;
        QTest::newRow("top folder before executable") << QStringList { u"Contents/MacOS"_s, u"."_s } << u"."_s;
    }
    void findsTheBundleInAnAppBundle()
    {
        QFETCH(QStringList, bundles);
        QFETCH(QString, expected);
        QTemporaryDir root;
        const QDir app(root.filePath(u"Orvando.app"_s));
        QVERIFY(QDir().mkpath(app.filePath(u"Contents/MacOS"_s)));
        const QString executable = app.filePath(u"Contents/MacOS/orvando"_s);
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), executable));
        for (const QString &folder : bundles)
            QVERIFY(QDir().mkpath(app.filePath(folder + u'/' + ResourceBundle::name())));
        // A copy of this executable, run in its child mode, prints the bundle it finds.
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(u"ORVANDO_RESOURCES"_s);
        child.setProcessEnvironment(environment);
        child.start(executable, { u"--resource-bundle-path"_s });
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()),
            QDir::cleanPath(app.filePath(expected + u'/' + ResourceBundle::name())));
    }

    void findsTheBundleBesideAPlainExecutable()
    {
        qunsetenv("ORVANDO_RESOURCES");
        const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(ResourceBundle::name());
        const QStringList paths = ResourceBundle::searchPaths();
        QCOMPARE(paths.value(0), beside);
        for (const QString &path : paths)
            QVERIFY2(path.endsWith(u'/' + ResourceBundle::name()), qPrintable(path));
        QVERIFY(!QFileInfo::exists(beside));
        QVERIFY(QDir().mkpath(beside));
        const QString found = ResourceBundle::path();
        QDir(beside).removeRecursively();
        QCOMPARE(found, beside);
        QVERIFY(iconA().isEmpty());
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 2 && qstrcmp(argv[1], "--resource-bundle-path") == 0) { // the child mode
        std::fputs(ResourceBundle::path().toUtf8().constData(), stdout);
        return 0;
    }
    TestResourceBundle test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestResourceBundle.moc"
