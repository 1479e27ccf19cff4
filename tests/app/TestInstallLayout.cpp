#include "views/ResourceBundle.h"
#include "views/SelfRemoval.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The build installed with the real `cmake --install`: the program, its helper and its resource
// bundle land where they are looked for, and only a prefix of the program's own is marked for
// self-removal.
class TestInstallLayout : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void placesProgramAndResources_data()
    {
        QTest::addColumn<QString>("prefixName");
        QTest::addColumn<bool>("marked");
        QTest::newRow("a versioned prefix of its own") << u"Orvando-1.0"_s << true;
        QTest::newRow("a user's shared prefix") << u".local"_s << false;
    }
    void placesProgramAndResources()
    {
        QFETCH(QString, prefixName);
        QFETCH(bool, marked);
        if (!QFileInfo(QStringLiteral(ORVANDO_BINARY_DIR "/src/app/orvando-askpass")).isExecutable())
            QSKIP("the programs are not built in this build folder");
        const QString prefix = m_dir.filePath(prefixName);
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(u"cmake"_s, { u"--install"_s, QStringLiteral(ORVANDO_BINARY_DIR), u"--prefix"_s, prefix });
        QVERIFY(install.waitForFinished(120000));
        QVERIFY2(install.exitCode() == 0, install.readAll().constData());
        QVERIFY(QFileInfo(prefix + u"/bin/orvando"_s).isExecutable());
        QVERIFY(QFileInfo(prefix + u"/bin/orvando-askpass"_s).isExecutable());
        QVERIFY(ResourceBundle::searchPaths(prefix + u"/bin"_s)
                    .contains(prefix + u"/share/orvando/"_s + ResourceBundle::name()));
        QVERIFY(!QDir(prefix + u"/share/orvando/"_s + ResourceBundle::name()).isEmpty());
        QCOMPARE(SelfRemoval::isOwnInstallation(prefix), marked);
    }
};

QTEST_GUILESS_MAIN(TestInstallLayout)
#include "TestInstallLayout.moc"
