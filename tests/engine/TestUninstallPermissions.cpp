#include "engine/InstallEngine.h"
#include "support/EngineTestKit.h"
#include "support/RecordingAnalytics.h"
#include "support/Sandbox.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;

namespace {

// Opens the permission-note writer, to start from a note left by an earlier removal.
class Engine : public InstallEngine
{
public:
    using InstallEngine::InstallEngine;
    using InstallEngine::setPermissionNote;
};

const InstallState clearing = InstallState::uninstalling(u"Clearing Accessibility permission."_s);

} // namespace

class TestUninstallPermissions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void buildsTheResetArguments_data();
    void buildsTheResetArguments();
    void resetsAccessibilityOrLeavesANote_data();
    void resetsAccessibilityOrLeavesANote();
    void anInstallClearsTheNote();
};

void TestUninstallPermissions::buildsTheResetArguments_data()
{
    QTest::addColumn<QString>("bundleID");
    QTest::addColumn<std::optional<QStringList>>("arguments");
    const std::optional<QStringList> loop(QStringList { u"reset"_s, u"Accessibility"_s, u"com.MrKai77.Loop"_s });
    QTest::newRow("as is") << u"com.MrKai77.Loop"_s << loop;
    QTest::newRow("white space both ends") << u" \tcom.MrKai77.Loop \r\n"_s << loop;
    QTest::newRow("only white space") << u"  \n\t "_s << std::optional<QStringList>();
}

void TestUninstallPermissions::buildsTheResetArguments()
{
    QFETCH(QString, bundleID);
    QFETCH(std::optional<QStringList>, arguments);
    QCOMPARE(InstallEngine::accessibilityResetArguments(bundleID), arguments);
}

void TestUninstallPermissions::resetsAccessibilityOrLeavesANote_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<std::optional<QString>>("bundleID");
    QTest::addColumn<QString>("tccutil"); // "exit 0", "exit 1" or "missing"
    QTest::addColumn<bool>("notedBefore");
    QTest::addColumn<QStringList>("calls"); // what tccutil was run with
    QTest::addColumn<bool>("cleared"); // the "Clearing" note was shown
    QTest::addColumn<bool>("notedAfter");

    const std::optional<QString> loop(u"com.MrKai77.Loop"_s);
    const QStringList resetLoop { u"reset Accessibility com.MrKai77.Loop"_s };
    QTest::newRow("reset succeeds: an old note goes")
        << u"loop"_s << loop << u"exit 0"_s << true << resetLoop << true << false;
    QTest::newRow("reset fails: the note comes")
        << u"loop"_s << loop << u"exit 1"_s << false << resetLoop << true << true;
    QTest::newRow("no tccutil on this system")
        << u"loop"_s << loop << u"missing"_s << false << QStringList() << true << true;
    QTest::newRow("identifier of spaces: attempted, never run")
        << u"loop"_s << std::optional<QString>(u"   "_s) << u"exit 0"_s << false << QStringList() << true << true;
    QTest::newRow("empty identifier: straight to the note")
        << u"sol"_s << std::optional<QString>(QString()) << u"exit 0"_s << false << QStringList() << false << true;
    QTest::newRow("no identifier: straight to the note")
        << u"alt-tab"_s << std::optional<QString>() << u"exit 0"_s << false << QStringList() << false << true;
    QTest::newRow("an app that needs no permission") << u"maccy"_s << std::optional<QString>(u"org.p0deje.Maccy"_s)
                                                     << u"exit 0"_s << false << QStringList() << false << false;
}

void TestUninstallPermissions::resetsAccessibilityOrLeavesANote()
{
    QFETCH(QString, id);
    QFETCH(std::optional<QString>, bundleID);
    QFETCH(QString, tccutil);
    QFETCH(bool, notedBefore);
    QFETCH(QStringList, calls);
    QFETCH(bool, cleared);
    QFETCH(bool, notedAfter);

    Sandbox sandbox;
    RecordingAnalytics analytics;
    Environment env = sandbox.environment();
    const QString callLog = sandbox.root() + u"/tccutil-calls"_s;
    env.tools.tccutil = sandbox.helperDir() + u"/tccutil"_s;
    if (tccutil != u"missing"_s) {
        const QByteArray script
            = "#!/bin/sh\nprintf '%s\\n' \"$*\" >> '" + callLog.toUtf8() + "'\n" + tccutil.toUtf8() + '\n';
        QVERIFY(Sandbox::writeFile(env.tools.tccutil, script, true));
    }
    Engine engine(env, analytics.client());
    engine.setPermissionNote(id, notedBefore);
    QList<InstallState> seen;
    connect(
        &engine, &InstallEngine::stateChanged, this, [&](const QString &appID) { seen.append(*engine.state(appID)); });

    // Nothing of it is on this Mac: it still goes through the sweep and the reset.
    QVERIFY(finish(engine.uninstall(caskApp(id, u"Loop"_s, bundleID))));
    QCOMPARE(engine.state(id), std::optional(InstallState::notInstalled()));
    QCOMPARE(seen.contains(clearing), cleared);
    QCOMPARE(engine.hasPermissionNote(id), notedAfter);
    QFile log(callLog);
    QStringList ran;
    if (log.open(QIODevice::ReadOnly))
        ran = QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(ran, calls);
    // A failed reset is no failed removal.
    QCOMPARE(analytics.settledEvents(), QStringList { u"uninstall_succeeded "_s + id });
}

void TestUninstallPermissions::anInstallClearsTheNote()
{
    Sandbox sandbox;
    Environment env = sandbox.environment();
    env.tools.tccutil = sandbox.helperDir() + u"/no-tccutil-here"_s;
    InstallEngine engine(env);
    const CatalogApp loop = caskApp(u"loop"_s, u"Loop"_s, u"com.MrKai77.Loop"_s);
    QVERIFY(finish(engine.uninstall(loop)));
    QVERIFY(engine.hasPermissionNote(u"loop"_s));

    QVERIFY(!sandbox.makeBundle(sandbox.userApplications(), u"Loop"_s, u"com.MrKai77.Loop"_s).isEmpty());
    QVERIFY(finish(engine.install(loop)));
    QCOMPARE(engine.state(u"loop"_s), std::optional(InstallState::installed()));
    QVERIFY(!engine.hasPermissionNote(u"loop"_s));
}

QTEST_GUILESS_MAIN(TestUninstallPermissions)
#include "TestUninstallPermissions.moc"
