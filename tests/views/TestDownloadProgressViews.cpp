#include "support/EngineTestKit.h"
#include "support/Sandbox.h"
#include "views/card/AppCard.h"
#include "views/detail/AppDetailView.h"
#include "views/widgets/SpinnerRow.h"

#include <QAccessible>
#include <QApplication>
#include <QProgressBar>
#include <QTest>

using namespace Qt::StringLiterals;
using EngineTestKit::catalogApp;

namespace {

DownloadProgress at(int percent)
{
    const qint64 total = 46'700'000;
    return { total * percent / 100, total, 1'200'000, (total - total * percent / 100) / 1'200'000 };
}

} // namespace

// A download's progress on the card and in its sheet: the figures in words, the bar's value a
// screen reader reads, and the announcements kept to the start, each quarter and the end.
class TestDownloadProgressViews : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showsAndAnnouncesProgress()
    {
        Sandbox sandbox;
        EngineTestKit::TestEngine engine(sandbox.environment());
        AppCard card(catalogApp(u"rectangle"_s), &engine);
        AppDetailView sheet(card.app(), &engine);
        card.show();
        const QString note = u"Downloading Rectangle."_s;
        engine.setState(u"rectangle"_s, InstallState::installing(note));
        auto *cardRow = card.findChild<SpinnerRow *>(u"progressRow"_s);
        auto *sheetRow = sheet.findChild<SpinnerRow *>(u"progressRow"_s);
        QVERIFY(cardRow && sheetRow);
        QVERIFY(cardRow->bar()->isHidden());

        // percent shown → the figures the row was last announced with
        const QList<std::pair<int, int>> steps { { 0, 0 }, { 10, 0 }, { 24, 0 }, { 30, 30 }, { 55, 55 }, { 60, 55 },
            { 80, 80 }, { 100, 100 } };
        for (const auto &[percent, announced] : steps) {
            engine.setState(u"rectangle"_s, InstallState::downloading(note, at(percent)));
            for (SpinnerRow *row : { cardRow, sheetRow }) {
                QCOMPARE(row->text(), at(percent).summary());
                QVERIFY(!row->bar()->isHidden());
                QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(row->bar());
                QCOMPARE(bar->valueInterface()->currentValue().toInt(), percent);
                QCOMPARE(row->accessibleName(), at(announced).summary());
            }
            QCOMPARE(QAccessible::queryAccessibleInterface(&card)->text(QAccessible::Description),
                u"Downloading, %1%"_s.arg(announced / 25 * 25));
        }

        // A size nobody announced: the bytes, no bar, no percent.
        const DownloadProgress unknown { 5'300'000, -1, 1'000'000, -1 };
        engine.setState(u"rectangle"_s, InstallState::downloading(note, unknown));
        QCOMPARE(cardRow->text(), u"Downloading · 5.3 MB"_s);
        QVERIFY(cardRow->bar()->isHidden());
        QCOMPARE(cardRow->accessibleName(), u"Downloading · 5.3 MB"_s);
    }
};

QTEST_MAIN(TestDownloadProgressViews)
#include "TestDownloadProgressViews.moc"
