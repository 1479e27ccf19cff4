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
    void keepsTheNewest500Lines_data();
    void keepsTheNewest500Lines();
    void signalsEachChangeOfPublishedState();
};

void TestInstallEngineState::keepsTheNewest500Lines_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("removals");
    QTest::newRow("empty log") << 0 << 0;
    QTest::newRow("one below the cap") << 499 << 0;
    QTest::newRow("at the cap") << 500 << 1;
    QTest::newRow("long after the cap") << 1234 << 1;
}

// One insertion, then at most one removal of the oldest row; ids count on and are never reused.
void TestInstallEngineState::keepsTheNewest500Lines()
{
    QFETCH(int, before);
    QFETCH(int, removals);
    Sandbox sandbox;
    InstallEngine engine(sandbox.environment());
    for (int i = 1; i <= before; ++i)
        engine.appendLog(u"line %1"_s.arg(i), u"app%1"_s.arg(i % 3));
    QSignalSpy inserted(engine.log(), &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(engine.log(), &QAbstractItemModel::rowsRemoved);

    engine.appendLog(u"new"_s, u"maccy"_s);

    QCOMPARE(inserted.size(), 1);
    QCOMPARE(removed.size(), removals);
    if (removals) {
        QCOMPARE(removed.at(0).at(1).toInt(), 0); // the oldest rows
        QCOMPARE(removed.at(0).at(2).toInt(), 0); // exactly one
    }
    const int rows = qMin(before + 1, 500);
    QCOMPARE(engine.log()->rowCount(), rows);
    QCOMPARE(engine.logCounter(), before + 1);
    QCOMPARE(engine.log()->at(rows - 1), (LogLine { before + 1, u"maccy"_s, u"new"_s }));
    const int first = before + 2 - rows;
    QCOMPARE(engine.log()->at(0).id, first);
    if (rows > 1) {
        QCOMPARE(engine.log()->data(engine.log()->index(0), Qt::DisplayRole).toString(), u"line %1"_s.arg(first));
        QCOMPARE(
            engine.log()->data(engine.log()->index(0), InstallLog::AppIdRole).toString(), u"app%1"_s.arg(first % 3));
    }
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
