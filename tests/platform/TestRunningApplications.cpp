#include "platform/RunningApplications.h"
#include "support/Sandbox.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Running copies are found by where their program lies: inside the bundle, not merely near it.
// (Asking them to quit and forcing them is followed through a removal in TestUninstall.)
class TestRunningApplications : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findsTheProcessesOfOneBundle_data();
    void findsTheProcessesOfOneBundle();
};

void TestRunningApplications::findsTheProcessesOfOneBundle_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("found");
    QTest::newRow("script inside the bundle") << u"script"_s << true;
    QTest::newRow("program copied into the bundle") << u"binary"_s << true;
    QTest::newRow("program that only reads a file of the bundle") << u"reader"_s << false;
    QTest::newRow("script in a bundle whose name starts the same") << u"neighbour"_s << false;
}

void TestRunningApplications::findsTheProcessesOfOneBundle()
{
    QFETCH(QString, kind);
    QFETCH(bool, found);
    QTemporaryDir dir;
    const QString bundle = dir.path() + u"/Maccy.app"_s;
    QVERIFY(Sandbox::writeFile(bundle + u"/Contents/MacOS/Maccy"_s, "#!/bin/sh\nwhile :; do sleep 1; done\n", true));
    QVERIFY(Sandbox::writeFile(
        dir.path() + u"/Maccy.app-old/Contents/MacOS/Maccy"_s, "#!/bin/sh\nwhile :; do sleep 1; done\n", true));
    const QString sleep = QStandardPaths::findExecutable(u"sleep"_s);
    QVERIFY(!sleep.isEmpty());
    QVERIFY(QFile::copy(sleep, bundle + u"/Contents/MacOS/sleeper"_s));

    QProcess process;
    if (kind == u"script"_s)
        process.start(u"/bin/sh"_s, { bundle + u"/Contents/MacOS/Maccy"_s });
    else if (kind == u"binary"_s)
        process.start(bundle + u"/Contents/MacOS/sleeper"_s, { u"30"_s });
    else if (kind == u"reader"_s)
        process.start(u"tail"_s, { u"-f"_s, bundle + u"/Contents/MacOS/Maccy"_s });
    else
        process.start(dir.path() + u"/Maccy.app-old/Contents/MacOS/Maccy"_s, QStringList());
    QVERIFY(process.waitForStarted());
    const qint64 pid = process.processId();
    QTRY_COMPARE(RunningApplications::find(u"org.p0deje.Maccy"_s, bundle).contains(pid), found);
    QCOMPARE(RunningApplications::find(u"org.p0deje.Maccy"_s, QString()), QList<qint64>());
    process.kill();
    process.waitForFinished();
}

QTEST_GUILESS_MAIN(TestRunningApplications)
#include "TestRunningApplications.moc"
