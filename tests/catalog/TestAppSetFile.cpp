// The file a set of apps travels in: a Brewfile out, a Brewfile or a plain list in.
#include "catalog/AppSetFile.h"
#include "catalog/Catalog.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QStringList ids(const QList<CatalogApp> &apps)
{
    QStringList result;
    for (const CatalogApp &app : apps)
        result.append(app.id);
    return result;
}

} // namespace

class TestAppSetFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exportsInstalledAppsInCatalogOrder()
    {
        const QByteArray file = AppSetFile::exportBrewfile(
            Catalog::v1(), { u"vlc"_s, u"parabolic"_s, u"maccy"_s, u"handbrake"_s, u"not-an-app"_s });
        QCOMPARE(file,
            "cask \"maccy\"\ncask \"handbrake-app\"\n# parabolic: installed from GitHub releases by Orvando\n"
            "cask \"vlc\"\n");
        QVERIFY(AppSetFile::exportBrewfile(Catalog::v1(), {}).isEmpty());
    }

    void importsBrewfilesAndLists_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("apps");
        QTest::addColumn<QStringList>("ignored");
        QTest::addColumn<QStringList>("unknown");
        QTest::newRow("Brewfile") << QByteArray(
            "# my Mac\ntap \"homebrew/bundle\"\nbrew \"wget\"\ncask \"vlc\"\ncask 'maccy', greedy: true\n"
            "mas \"Xcode\", id: 497799835\ncask \"firefox\" # a browser\n\ncask \"homebrew/cask/keka\"\n")
                                  << QStringList { u"maccy"_s, u"keka"_s, u"vlc"_s }
                                  << QStringList { u"tap \"homebrew/bundle\""_s, u"brew \"wget\""_s,
                                         u"mas \"Xcode\", id: 497799835"_s }
                                  << QStringList { u"firefox"_s };
        QTest::newRow("ids and tokens, CR LF, duplicates")
            << QByteArray("\xEF\xBB\xBFvlc\r\njordanbaird-ice\r\n  # comment\r\nhandbrake\r\nVLC\r\nice\r\n")
            << QStringList { u"ice"_s, u"handbrake"_s, u"vlc"_s } << QStringList() << QStringList();
        QTest::newRow("our own export, read back")
            << AppSetFile::exportBrewfile(Catalog::v1(), { u"parabolic"_s, u"maccy"_s })
            << QStringList { u"maccy"_s, u"parabolic"_s } << QStringList() << QStringList();
        QTest::newRow("nothing recognised")
            << QByteArray("photoshop\nphotoshop\nmaccy please\ncask\n") << QStringList() << QStringList()
            << QStringList { u"photoshop"_s, u"maccy please"_s, u"cask"_s };
    }

    void importsBrewfilesAndLists()
    {
        QFETCH(QByteArray, content);
        const AppSetFile::Import result = AppSetFile::parse(content, Catalog::v1());
        QVERIFY(result.succeeded());
        QTEST(ids(result.apps), "apps");
        QTEST(result.ignored, "ignored");
        QTEST(result.unknown, "unknown");
    }

    void refusesWhatIsNoList_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("error");
        const QString empty = u"The file is empty, so it names no apps."_s;
        const QString binary = u"The file is not a list of apps: it holds binary data, not text."_s;
        QTest::newRow("empty") << QByteArray() << empty;
        QTest::newRow("blank lines") << QByteArray(" \r\n\n\t\n") << empty;
        QTest::newRow("zip archive") << QByteArray("PK\x03\x04\x14\0\0\0maccy", 13) << binary;
        QTest::newRow("not UTF-8") << QByteArray("maccy\n\xff\xfe\n") << binary;
    }

    void refusesWhatIsNoList()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, error);
        QCOMPARE(AppSetFile::parse(content, Catalog::v1()).error.value_or(QString()), error);
    }

    void readsAndWritesFiles()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Brewfile"_s);
        QString error;
        QVERIFY(AppSetFile::writeFile(path, "cask \"maccy\"\n", &error));
        QCOMPARE(ids(AppSetFile::readFile(path, Catalog::v1()).apps), QStringList { u"maccy"_s });

        QVERIFY(!AppSetFile::writeFile(dir.filePath(u"missing/Brewfile"_s), "x", &error));
        QVERIFY2(error.startsWith(u"Could not save “Brewfile”: "_s), qPrintable(error));
        QVERIFY(AppSetFile::readFile(dir.filePath(u"gone.txt"_s), Catalog::v1())
                    .error.value_or(QString())
                    .startsWith(u"Could not read “gone.txt”: "_s));
        QFile large(path);
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(AppSetFile::maxFileSize + 1));
        large.close();
        QCOMPARE(AppSetFile::readFile(path, Catalog::v1()).error.value_or(QString()),
            u"“Brewfile” is too large to be a list of apps."_s);
    }
};

QTEST_GUILESS_MAIN(TestAppSetFile)
#include "TestAppSetFile.moc"
