#include "views/ResourceBundle.h"
#include "views/SelfRemoval.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Installs the build into temporary prefixes with the real `cmake --install` and checks that the
// program, its helper and its resource bundle land where they are looked for, and that only a
// prefix of the program's own is marked for self-removal.
class TestInstallLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void placesProgramAndResources_data();
    void placesProgramAndResources();

private:
    QString m_cmake;
    QTemporaryDir m_dir;
};

void TestInstallLayout::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_cmake = QStandardPaths::findExecutable(u"cmake"_s);
    if (m_cmake.isEmpty())
        QSKIP("cmake is not on the PATH");
    // An install needs everything it installs built first, as `make test` does.
    for (const QString &program : { u"orvando"_s, u"orvando-askpass"_s }) {
        if (!QFileInfo(QStringLiteral(ORVANDO_BINARY_DIR) + u"/src/app/"_s + program).isExecutable())
            QSKIP("the programs are not built in this build folder");
    }
}

void TestInstallLayout::placesProgramAndResources_data()
{
    QTest::addColumn<QString>("prefixName");
    QTest::addColumn<bool>("marked");
    QTest::newRow("a prefix of its own") << u"orvando"_s << true;
    QTest::newRow("a versioned prefix of its own") << u"Orvando-1.0"_s << true;
    QTest::newRow("a shared prefix") << u"local"_s << false;
    QTest::newRow("a user's shared prefix") << u".local"_s << false;
}

void TestInstallLayout::placesProgramAndResources()
{
    QFETCH(QString, prefixName);
    QFETCH(bool, marked);
    const QString prefix = m_dir.filePath(prefixName);

    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(m_cmake, { u"--install"_s, QStringLiteral(ORVANDO_BINARY_DIR), u"--prefix"_s, prefix });
    QVERIFY(install.waitForFinished(120000));
    QVERIFY2(install.exitCode() == 0, install.readAll().constData());

    QVERIFY(QFileInfo(prefix + u"/bin/orvando"_s).isExecutable());
    QVERIFY(QFileInfo(prefix + u"/bin/orvando-askpass"_s).isExecutable());
    // The loaders look in ../share/orvando from the executable's folder.
    const QString bundle = prefix + u"/share/orvando/"_s + ResourceBundle::name();
    QVERIFY(QFileInfo(bundle).isDir());
    QVERIFY(!QDir(bundle).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());

    QCOMPARE(QFileInfo::exists(prefix + u'/' + SelfRemoval::markerFileName()), marked);
    QCOMPARE(SelfRemoval::isOwnInstallation(prefix), marked);
}

QTEST_GUILESS_MAIN(TestInstallLayout)
#include "TestInstallLayout.moc"
