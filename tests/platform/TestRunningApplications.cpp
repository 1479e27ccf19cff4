#include "platform/RunningApplications.h"
#include "platform/Workspace.h"
#include "support/Sandbox.h"

#include <QCoreApplication>
#include <QFile>
#include <QOperatingSystemVersion>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestRunningApplications : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findsTheProcessesOfOneBundle_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("found");
        QTest::newRow("script inside the bundle") << u"script"_s << true;
        QTest::newRow("program copied into the bundle") << u"binary"_s << true;
        QTest::newRow("program that only reads a file of the bundle") << u"reader"_s << false;
        QTest::newRow("script in a bundle whose name starts the same") << u"neighbour"_s << false;
    }

    void findsTheProcessesOfOneBundle()
    {
        if (QOperatingSystemVersion::currentType() == QOperatingSystemVersion::MacOS)
            QSKIP("the Mac finds running applications by bundle identifier, not by the path of their program");
        QFETCH(QString, kind);
        QFETCH(bool, found);
        QTemporaryDir dir;
        const QString bundle = dir.path() + u"/Maccy.app"_s;
        QVERIFY(
            Sandbox::writeFile(bundle + u"/Contents/MacOS/Maccy"_s, "#!/bin/sh\nwhile :; do sleep 1; done\n", true));
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

    // Through both backends: the application is started the way the user's are (LaunchServices on the
    // Mac) and found by its bundle identifier there, by its bundle's path elsewhere.
    void asksThenForces()
    {
        Sandbox sandbox;
        const QString ready = sandbox.root() + u"/ready"_s;
        const QString bundleID = u"app.orvando.tests.stubborn%1"_s.arg(QCoreApplication::applicationPid());
        // It ignores the polite request (SIGTERM; on the Mac a quit event, which a script cannot
        // answer) and ends by itself after a minute should the test stop before forcing it.
        const QString bundle = sandbox.makeBundle(sandbox.root(), u"Stubborn"_s, bundleID, PlistFile::Format::Xml,
            "#!/bin/sh\ntrap '' TERM\ntouch '" + ready.toUtf8()
                + "'\ni=0\nwhile [ $i -lt 1200 ]; do sleep 0.05; i=$((i+1)); done\n");
        QVERIFY(!bundle.isEmpty());
        QVERIFY(Workspace::openApplication(bundle));
        QTRY_VERIFY(QFile::exists(ready));
        QList<qint64> found;
        QTRY_VERIFY((found = RunningApplications::find(bundleID, bundle)).size() == 1);
        const qint64 pid = found.first();
        const auto stopAnyway = qScopeGuard([pid] { RunningApplications::forceTerminate(pid); });

        RunningApplications::terminate(pid);
        QVERIFY(!QTest::qWaitFor([pid] { return RunningApplications::isTerminated(pid); }, 300)); // ignored
        RunningApplications::forceTerminate(pid);
        // Ended but perhaps not yet collected by its parent: terminated all the same.
        QTRY_VERIFY(RunningApplications::isTerminated(pid));
        QTRY_COMPARE(RunningApplications::find(bundleID, bundle), QList<qint64>());
    }
};

QTEST_GUILESS_MAIN(TestRunningApplications)
#include "TestRunningApplications.moc"
