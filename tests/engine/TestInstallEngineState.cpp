#include "engine/InstallEngine.h"
#include "support/Sandbox.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Opens the engine's writers to the test, as the engine's own flows use them.
class Engine : public InstallEngine
{
public:
    using InstallEngine::InstallEngine;
    using InstallEngine::setPermissionNote;
    using InstallEngine::setState;
};

} // namespace

class TestInstallEngineState : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsEmpty();
    void numbersLinesAndKeepsTheNewest500();
    void appendIsOneInsertionThenAtMostOneRemoval_data();
    void appendIsOneInsertionThenAtMostOneRemoval();
    void statesCompareCaseAndText_data();
    void statesCompareCaseAndText();
    void signalsEachChangeOfPublishedState();
};

void TestInstallEngineState::startsEmpty()
{
    Sandbox sandbox;
    InstallEngine engine(sandbox.environment());
    QVERIFY(engine.states().isEmpty());
    QVERIFY(engine.permissionNotes().isEmpty());
    QVERIFY(!engine.bootstrapInProgress());
    QCOMPARE(engine.log()->rowCount(), 0);
    QCOMPARE(engine.logCounter(), 0);
    QCOMPARE(engine.bootstrapLinesEmitted(), 0);
    QVERIFY(!engine.bootstrapRunnerOverride());
    QVERIFY(!engine.brewAvailable()); // the sandbox has no brew yet

    QVERIFY(sandbox.installFakeBrew());
    InstallEngine withBrew(sandbox.environment());
    QCOMPARE(withBrew.brewBinary(), std::optional<QString>(sandbox.brewPath()));
    QVERIFY(withBrew.brewAvailable());
}

void TestInstallEngineState::numbersLinesAndKeepsTheNewest500()
{
    Sandbox sandbox;
    InstallEngine engine(sandbox.environment());
    engine.appendLog(u"first"_s, u"maccy"_s);
    QCOMPARE(engine.log()->at(0), (LogLine { 1, u"maccy"_s, u"first"_s }));

    for (int i = 2; i <= 600; ++i)
        engine.appendLog(u"line %1"_s.arg(i), u"app%1"_s.arg(i % 3));
    QCOMPARE(engine.log()->rowCount(), 500);
    QCOMPARE(engine.logCounter(), 600);
    const QList<LogLine> lines = engine.log()->lines();
    for (int row = 0; row < 500; ++row) {
        QCOMPARE(lines.at(row).id, row + 101);
        QCOMPARE(lines.at(row).text, u"line %1"_s.arg(row + 101));
    }
    QCOMPARE(engine.log()->data(engine.log()->index(499), Qt::DisplayRole).toString(), u"line 600"_s);
    QCOMPARE(engine.log()->data(engine.log()->index(0), InstallLog::AppIdRole).toString(), u"app2"_s);

    // Ids go on counting after the trim and are never reused.
    engine.appendLog(u"after"_s, u"x"_s);
    QCOMPARE(engine.log()->at(499).id, 601);
    QCOMPARE(engine.log()->at(0).id, 102);
}

void TestInstallEngineState::appendIsOneInsertionThenAtMostOneRemoval_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("removals");
    QTest::newRow("empty log") << 0 << 0;
    QTest::newRow("one below the cap") << 499 << 0;
    QTest::newRow("at the cap") << 500 << 1;
    QTest::newRow("long after the cap") << 1234 << 1;
}

void TestInstallEngineState::appendIsOneInsertionThenAtMostOneRemoval()
{
    QFETCH(int, before);
    QFETCH(int, removals);
    Sandbox sandbox;
    InstallEngine engine(sandbox.environment());
    for (int i = 0; i < before; ++i)
        engine.appendLog(u"x"_s, u"a"_s);

    QSignalSpy inserted(engine.log(), &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(engine.log(), &QAbstractItemModel::rowsRemoved);
    engine.appendLog(u"new"_s, u"a"_s);
    QCOMPARE(inserted.size(), 1);
    QCOMPARE(removed.size(), removals);
    if (removals) {
        QCOMPARE(removed.at(0).at(1).toInt(), 0); // the oldest rows
        QCOMPARE(removed.at(0).at(2).toInt(), 0); // exactly one
    }
    QCOMPARE(engine.log()->rowCount(), qMin(before + 1, 500));
    QCOMPARE(engine.log()->at(engine.log()->rowCount() - 1).text, u"new"_s);
}

void TestInstallEngineState::statesCompareCaseAndText_data()
{
    QTest::addColumn<InstallState>("a");
    QTest::addColumn<InstallState>("b");
    QTest::addColumn<bool>("equal");
    QTest::newRow("same note") << InstallState::installing(u"x"_s) << InstallState::installing(u"x"_s) << true;
    QTest::newRow("different notes") << InstallState::installing(u"x"_s) << InstallState::installing(u"y"_s) << false;
    QTest::newRow("installing vs uninstalling")
        << InstallState::installing(u"x"_s) << InstallState::uninstalling(u"x"_s) << false;
    QTest::newRow("failed sentences") << InstallState::failed(u"a."_s) << InstallState::failed(u"b."_s) << false;
    QTest::newRow("installed vs not") << InstallState::installed() << InstallState::notInstalled() << false;
    QTest::newRow("needs Homebrew") << InstallState::needsHomebrew() << InstallState::needsHomebrew() << true;
}

void TestInstallEngineState::statesCompareCaseAndText()
{
    QFETCH(InstallState, a);
    QFETCH(InstallState, b);
    QFETCH(bool, equal);
    QCOMPARE(a == b, equal);
}

void TestInstallEngineState::signalsEachChangeOfPublishedState()
{
    Sandbox sandbox;
    Engine engine(sandbox.environment());
    QSignalSpy states(&engine, &InstallEngine::stateChanged);
    QSignalSpy notes(&engine, &InstallEngine::permissionNotesChanged);

    engine.setState(u"maccy"_s, InstallState::installing(u"Getting Maccy ready."_s));
    engine.setState(u"maccy"_s, InstallState::installing(u"Downloading Maccy…"_s));
    engine.setState(u"iina"_s, InstallState::failed(u"Install did not finish. You can try again."_s));
    QCOMPARE(states.size(), 3);
    QCOMPARE(states.at(1).at(0).toString(), u"maccy"_s);
    QCOMPARE(engine.state(u"maccy"_s), InstallState::installing(u"Downloading Maccy…"_s));
    QCOMPARE(engine.state(u"unknown"_s), std::nullopt);

    engine.setPermissionNote(u"rectangle"_s, true);
    engine.setPermissionNote(u"rectangle"_s, true);
    QCOMPARE(notes.size(), 1);
    QVERIFY(engine.hasPermissionNote(u"rectangle"_s));
    engine.setPermissionNote(u"rectangle"_s, false);
    QCOMPARE(notes.size(), 2);
    QVERIFY(engine.permissionNotes().isEmpty());
}

QTEST_GUILESS_MAIN(TestInstallEngineState)
#include "TestInstallEngineState.moc"
