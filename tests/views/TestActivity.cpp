#include "engine/InstallEngine.h"
#include "engine/history/OperationHistory.h"
#include "support/Sandbox.h"
#include "views/activity/ActivityView.h"
#include "views/model/ActivityModel.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

using namespace Qt::StringLiterals;
using Kind = HistoryRecord::Kind;
using Ending = HistoryRecord::Outcome;

Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(Ending)

namespace {

HistoryRecord made(
    const QString &appID, Kind kind, Ending outcome, const QString &sentence = {}, const QStringList &log = {})
{
    HistoryRecord record;
    record.appID = appID;
    record.appName = appID.isEmpty() ? QString() : appID.left(1).toUpper() + appID.mid(1);
    record.kind = kind;
    record.outcome = outcome;
    record.sentence = sentence;
    record.log = log;
    return record;
}

} // namespace

// The Activity sheet's rows worked out from the history (titles, details, filters, the lines a row
// opens to), and the sheet over a real history file, driven from the keyboard.
class TestActivity : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void saysWhatWasDone_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<Ending>("outcome");
        QTest::addColumn<QString>("title");
        QTest::newRow("installed") << Kind::Install << Ending::Succeeded << u"Installed Maccy"_s;
        QTest::newRow("install failed") << Kind::Install << Ending::Failed << u"Maccy didn’t install"_s;
        QTest::newRow("install still running") << Kind::Install << Ending::Running << u"Installed Maccy"_s;
        QTest::newRow("update interrupted") << Kind::Update << Ending::Interrupted << u"Maccy didn’t update"_s;
        QTest::newRow("removed") << Kind::Uninstall << Ending::Succeeded << u"Removed Maccy"_s;
        QTest::newRow("removal cancelled") << Kind::Uninstall << Ending::Cancelled << u"Maccy wasn’t removed"_s;
        QTest::newRow("Homebrew set up") << Kind::HomebrewSetup << Ending::Succeeded << u"Set up Homebrew"_s;
    }

    void saysWhatWasDone()
    {
        QFETCH(Kind, kind);
        QFETCH(Ending, outcome);
        QTEST(ActivityModel::title(made(u"maccy"_s, kind, outcome)), "title");
    }

    void detailsVersionsSourceAndTime_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("start"); // of the detail
        QTest::newRow("an update") << u"1.2.0"_s << u"1.3.0"_s << u"direct"_s
                                   << u"1.2.0 → 1.3.0 · GitHub download · "_s;
        QTest::newRow("a failed update") << u"1.2.0"_s << u"1.2.0"_s << u"cask"_s << u"1.2.0 · Homebrew · "_s;
        QTest::newRow("a removal") << u"2.0"_s << QString() << u"cask"_s << u"2.0 · Homebrew · "_s;
    }

    void detailsVersionsSourceAndTime()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QString, route);
        QFETCH(QString, start);
        HistoryRecord record = made(u"maccy"_s, Kind::Update, Ending::Succeeded);
        record.versionBefore = before;
        record.versionAfter = after;
        record.route = route;
        record.started = QDateTime(QDate(2026, 12, 5), QTime(14, 2));
        const QString detail = ActivityModel::detail(record);
        QVERIFY2(detail.startsWith(start), qPrintable(detail));
        QVERIFY(detail.endsWith(QLocale().toString(record.started, QLocale::ShortFormat)));
    }

    void filtersByAppAndOutcome_data()
    {
        QTest::addColumn<QString>("app");
        QTest::addColumn<std::optional<Ending>>("outcome");
        QTest::addColumn<QList<qint64>>("shown");
        QTest::newRow("everything, newest first")
            << QString() << std::optional<Ending>() << QList<qint64> { 4, 3, 2, 1 };
        QTest::newRow("one app") << u"maccy"_s << std::optional<Ending>() << QList<qint64> { 4, 2 };
        QTest::newRow("failures") << QString() << std::optional(Ending::Failed) << QList<qint64> { 3, 2 };
        QTest::newRow("one app's failures") << u"maccy"_s << std::optional(Ending::Failed) << QList<qint64> { 2 };
        QTest::newRow("nothing matches") << u"stats"_s << std::optional(Ending::Interrupted) << QList<qint64> {};
    }

    void filtersByAppAndOutcome()
    {
        QFETCH(QString, app);
        QFETCH(std::optional<Ending>, outcome);
        QFETCH(QList<qint64>, shown);
        QList<HistoryRecord> records { made(u"maccy"_s, Kind::Update, Ending::Succeeded),
            made(u"stats"_s, Kind::Install, Ending::Failed), made(u"maccy"_s, Kind::Install, Ending::Failed),
            made(u"stats"_s, Kind::Install, Ending::Succeeded) };
        for (qsizetype i = 0; i < records.size(); ++i)
            records[i].id = records.size() - i;
        ActivityModel model;
        model.setRecords(records);
        model.setFilter(app, outcome);
        QList<qint64> ids;
        for (int row = 0; row < model.rowCount(); ++row)
            ids.append(model.index(row, 0).data(ActivityModel::RecordIDRole).toLongLong());
        QCOMPARE(ids, shown);
        QCOMPARE(model.apps().size(), 2);
        QCOMPARE(model.apps().first(), std::pair(u"maccy"_s, u"Maccy"_s));
    }

    void aRowOpensToItsSentenceAndLines_data()
    {
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QStringList>("children");
        const QStringList log { u"==> Downloading Maccy.zip"_s, u"error: 404"_s };
        QTest::newRow("a failure") << u"The download failed."_s << log
                                   << (QStringList { u"The download failed."_s } + log);
        QTest::newRow("a success") << QString() << log << log;
        QTest::newRow("nothing to show") << QString() << QStringList() << QStringList();
    }

    void aRowOpensToItsSentenceAndLines()
    {
        QFETCH(QString, sentence);
        QFETCH(QStringList, log);
        QFETCH(QStringList, children);
        ActivityModel model;
        model.setRecords({ made(u"stats"_s, Kind::Install, Ending::Succeeded),
            made(u"maccy"_s, Kind::Install, Ending::Failed, sentence, log) });
        const QModelIndex row = model.index(1, 0);
        QStringList texts;
        for (int i = 0; i < model.rowCount(row); ++i) {
            QCOMPARE(model.parent(model.index(i, 0, row)), row);
            texts.append(model.index(i, 0, row).data().toString());
        }
        QCOMPARE(texts, children);
        QCOMPARE(model.rowCount(model.index(0, 0)), 0);
        QVERIFY(
            model.index(1, 0).data(Qt::AccessibleTextRole).toString().startsWith(u"Maccy didn’t install, failed, "_s));
    }

    // The sheet over a real history file: the newest row is current, the right arrow opens it, the
    // filters narrow the list, and every control is named.
    void theSheetShowsTheHistoryFile()
    {
        Sandbox sandbox;
        Environment env = sandbox.environment();
        env.dataDir = sandbox.root() + u"/data"_s;
        InstallEngine engine(env);
        for (const HistoryRecord &record : { made(u"stats"_s, Kind::Install, Ending::Succeeded),
                 made(u"maccy"_s, Kind::Update, Ending::Failed, u"No room."_s, { u"error: disk full"_s }) }) {
            HistoryRecord ended = record;
            QVERIFY(engine.history()->finish(engine.history()->begin(record), ended));
        }

        ActivityView view(&engine);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTreeView *list = view.list();
        QCOMPARE(list->model()->rowCount(), 2);
        QCOMPARE(list->currentIndex().data(ActivityModel::RecordIDRole).toLongLong(), 2);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Right);
        QVERIFY(list->isExpanded(list->currentIndex()));
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentIndex().data().toString(), u"No room."_s);
        // The lines, left out of the list, read when the row opened.
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentIndex().data().toString(), u"error: disk full"_s);

        view.outcomeFilter()->setCurrentIndex(view.outcomeFilter()->findData(int(Ending::Succeeded)));
        QCOMPARE(list->model()->rowCount(), 1);
        view.appFilter()->setCurrentIndex(view.appFilter()->findData(u"maccy"_s));
        QCOMPARE(list->model()->rowCount(), 0);
        QVERIFY(view.emptyNote()->isVisible());
        for (QWidget *control : QList<QWidget *> { list, view.appFilter(), view.outcomeFilter() })
            QVERIFY(!control->accessibleName().isEmpty() && control->focusPolicy() & Qt::TabFocus);
    }
};

QTEST_MAIN(TestActivity)
#include "TestActivity.moc"
