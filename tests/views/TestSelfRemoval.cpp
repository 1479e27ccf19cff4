#include "support/Sandbox.h"
#include "views/SelfRemoval.h"

#include <QCoreApplication>
#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Found = SelfRemoval::Found;
Q_DECLARE_METATYPE(SelfRemoval::Found)

class TestSelfRemoval : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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

QTEST_GUILESS_MAIN(TestSelfRemoval)
#include "TestSelfRemoval.moc"
