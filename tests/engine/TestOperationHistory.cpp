#include "engine/history/HistorySchema.h"
#include "engine/history/OperationHistory.h"
#include "support/EngineTestKit.h"
#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;
using Ending = HistoryRecord::Outcome;

Q_DECLARE_METATYPE(Ending)

class TestOperationHistory : public QObject
{
    Q_OBJECT

    static HistoryRecord record(const QString &appID, HistoryRecord::Kind kind = HistoryRecord::Kind::Install)
    {
        HistoryRecord result;
        result.appID = appID;
        result.appName = appID.toUpper();
        result.kind = kind;
        result.route = u"direct"_s;
        result.versionBefore = u"1.2.0"_s;
        return result;
    }

    // The id of a process that has ended, or of one still running (ended when the test ends).
    static qint64 pidOf(QProcess &process, bool running)
    {
        process.start(u"sleep"_s, { running ? u"30"_s : u"0"_s });
        process.waitForStarted();
        const qint64 pid = process.processId();
        if (!running)
            process.waitForFinished();
        return pid;
    }

private Q_SLOTS:
    void writesAtTheStartAndAtTheEnd()
    {
        QTemporaryDir folder;
        OperationHistory history(OperationHistory::fileIn(folder.path()));
        const qint64 id = history.begin(record(u"maccy"_s));
        QVERIFY(id > 0);
        const HistoryRecord running = *history.record(id);
        QCOMPARE(running.outcome, Ending::Running);
        QCOMPARE(running.ownerPid, QCoreApplication::applicationPid());
        QVERIFY(running.started.isValid() && !running.ended.isValid());

        HistoryRecord ended = running;
        ended.outcome = Ending::Failed;
        ended.sentence = u"Maccy could not be downloaded."_s;
        ended.failure = FailureKind::Download;
        for (int i = 0; i < HistoryRecord::maxLogLines + 5; ++i)
            ended.log.append(u"line "_s + QString::number(i));
        QVERIFY(history.finish(id, ended));

        const HistoryRecord written = *OperationHistory(history.path()).record(id);
        QCOMPARE(written.outcome, Ending::Failed);
        QCOMPARE(written.sentence, ended.sentence);
        QCOMPARE(written.failure, FailureKind::Download);
        QCOMPARE(written.ownerPid, 0);
        QVERIFY(written.ended.isValid());
        QCOMPARE(written.log.size(), HistoryRecord::maxLogLines);
        QCOMPARE(written.log.last(), u"line %1"_s.arg(HistoryRecord::maxLogLines + 4));
    }

    void marksWhatIsStillOpenInterrupted_data()
    {
        QTest::addColumn<bool>("ownerRuns");
        QTest::addColumn<Ending>("outcome");
        QTest::newRow("its process is gone") << false << Ending::Interrupted;
        QTest::newRow("its process still runs") << true << Ending::Running;
    }

    void marksWhatIsStillOpenInterrupted()
    {
        QFETCH(bool, ownerRuns);
        QFETCH(Ending, outcome);
        QTemporaryDir folder;
        const QString path = OperationHistory::fileIn(folder.path());
        QProcess owner;
        const qint64 pid = pidOf(owner, ownerRuns);
        qint64 id = 0;
        {
            OperationHistory history(path);
            id = history.begin(record(u"stats"_s));
            QSqlQuery query(QSqlDatabase::addDatabase(u"QSQLITE"_s, u"owner"_s));
            QSqlDatabase::database(u"owner"_s).setDatabaseName(path);
            QVERIFY(QSqlDatabase::database(u"owner"_s).open());
            QVERIFY(
                QSqlQuery(QSqlDatabase::database(u"owner"_s)).exec(u"UPDATE operations SET owner_pid = %1"_s.arg(pid)));
        }
        QSqlDatabase::removeDatabase(u"owner"_s);

        OperationHistory next(path);
        QCOMPARE(next.record(id)->outcome, outcome);
        owner.kill();
        owner.waitForFinished();
    }

    void migratesFromTheFirstSchema()
    {
        QTemporaryDir folder;
        const QString path = OperationHistory::fileIn(folder.path());
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"first"_s);
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QVERIFY(HistorySchema::migrate(db, 1));
            QCOMPARE(HistorySchema::version(db), 1);
            QVERIFY(QSqlQuery(db).exec(u"INSERT INTO operations (app_id, kind, route, started_at, ended_at, outcome, "
                                       "sentence) VALUES ('maccy', 'update', 'cask', 1000, 2000, 'failed', 'No.')"_s));
        }
        QSqlDatabase::removeDatabase(u"first"_s);

        OperationHistory history(path);
        const QList<HistoryRecord> kept = history.recent();
        QCOMPARE(kept.size(), 1);
        QCOMPARE(kept.first().kind, HistoryRecord::Kind::Update);
        QCOMPARE(kept.first().sentence, u"No."_s);
        // The second version's columns are there to write.
        const qint64 id = history.begin(record(u"stats"_s));
        HistoryRecord ended = record(u"stats"_s);
        ended.outcome = Ending::Failed;
        ended.failure = FailureKind::Network;
        ended.log = QStringList { u"error: offline"_s };
        QVERIFY(history.finish(id, ended));
        QCOMPARE(history.record(id)->failure, FailureKind::Network);
        QCOMPARE(history.record(id)->log, ended.log);
    }

    void movesAnUnreadableFileAside_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("text") << QByteArray("these are not the operations you are looking for\n").repeated(100);
        QByteArray header("SQLite format 3");
        header.append('\0');
        QTest::newRow("a database's header over junk") << header + QByteArray(8192, '\x5a');
    }

    void movesAnUnreadableFileAside()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir folder;
        const QString path = OperationHistory::fileIn(folder.path());
        QVERIFY(Sandbox::writeFile(path, content));

        OperationHistory history(path);
        QVERIFY(history.isOpen());
        QVERIFY(history.problem().contains(u"moved to"_s));
        QVERIFY(history.begin(record(u"maccy"_s)) > 0);
        const QStringList aside = QDir(folder.path()).entryList({ u"history.sqlite.unreadable-*"_s });
        QCOMPARE(aside.size(), 1);
        QCOMPARE(fileBytes(folder.filePath(aside.first())), content);
    }

    void twoProcessesWritingAtOnceLoseNothing()
    {
        QTemporaryDir folder;
        QProcess first;
        QProcess second;
        first.start(QStringLiteral(HISTORY_WRITER_PATH), { folder.path(), u"first"_s, u"500"_s });
        second.start(QStringLiteral(HISTORY_WRITER_PATH), { folder.path(), u"second"_s, u"500"_s });
        QVERIFY(first.waitForFinished(120000) && second.waitForFinished(120000));
        QCOMPARE(first.exitCode(), 0);
        QCOMPARE(second.exitCode(), 0);

        OperationHistory history(OperationHistory::fileIn(folder.path()));
        for (const QString &writer : { u"first"_s, u"second"_s }) {
            const QList<HistoryRecord> written = history.recent(OperationHistory::keptOperations, writer);
            QCOMPARE(written.size(), 500);
            QSet<QString> versions;
            for (const HistoryRecord &entry : written) {
                QCOMPARE(entry.outcome, Ending::Succeeded);
                versions.insert(entry.versionBefore);
            }
            QCOMPARE(versions.size(), 500);
        }
    }

    void keepsTheNewestThousand()
    {
        QTemporaryDir folder;
        OperationHistory history(OperationHistory::fileIn(folder.path()));
        qint64 first = 0;
        qint64 last = 0;
        for (int i = 0; i < OperationHistory::keptOperations + 5; ++i) {
            last = history.begin(record(u"app"_s + QString::number(i)));
            first = first == 0 ? last : first;
            HistoryRecord ended;
            ended.outcome = i % 2 ? Ending::Succeeded : Ending::Failed;
            QVERIFY(history.finish(last, ended));
        }
        const QList<HistoryRecord> kept = history.recent(5000);
        QCOMPARE(kept.size(), OperationHistory::keptOperations);
        QCOMPARE(kept.first().id, last);
        QCOMPARE(kept.last().id, first + 5);
        QVERIFY(!history.record(first + 4));
        QCOMPARE(history.recent(5000, {}, Ending::Failed).size(), OperationHistory::keptOperations / 2);
    }

    void theEngineRecordsEachOperation_data()
    {
        QTest::addColumn<QByteArray>("exitStatus");
        QTest::addColumn<Ending>("outcome");
        QTest::newRow("installed") << QByteArray() << Ending::Succeeded;
        QTest::newRow("brew failed") << QByteArray("1") << Ending::Failed;
    }

    void theEngineRecordsEachOperation()
    {
        QFETCH(QByteArray, exitStatus);
        QFETCH(Ending, outcome);
        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew());
        QVERIFY(sandbox.registerCask(u"maccy"_s, u"Maccy"_s, u"org.p0deje.Maccy"_s));
        ScopedEnvironmentVariable exit(
            "FAKE_BREW_EXIT", exitStatus.isEmpty() ? std::nullopt : std::optional(exitStatus));
        Environment env = sandbox.environment();
        env.dataDir = sandbox.root() + u"/data"_s;
        InstallEngine engine(env);
        std::optional<Ending> whileRunning;
        connect(&engine, &InstallEngine::stateChanged, this, [&] {
            if (!whileRunning && !engine.history()->recent(1).isEmpty())
                whileRunning = engine.history()->recent(1).first().outcome;
        });

        QVERIFY(finish(engine.install(maccy())));

        QCOMPARE(whileRunning, Ending::Running);
        const QList<HistoryRecord> written = engine.history()->recent();
        QCOMPARE(written.size(), 1);
        QCOMPARE(written.first().kind, HistoryRecord::Kind::Install);
        QCOMPARE(written.first().route, u"cask"_s);
        QCOMPARE(written.first().outcome, outcome);
        QCOMPARE(written.first().log, logTexts(engine, u"maccy"_s));
        QCOMPARE(written.first().sentence, engine.state(u"maccy"_s)->text);
    }
};

QTEST_GUILESS_MAIN(TestOperationHistory)
#include "TestOperationHistory.moc"
