#include "engine/homebrew/BrewNetwork.h"
#include "platform/UserDefaults.h"
#include "support/EngineTestKit.h"
#include "support/Sandbox.h"
#include "views/card/AppCard.h"
#include "views/detail/AppDetailView.h"
#include "views/settings/NetworkSection.h"
#include "views/widgets/SpinnerRow.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using OptionalText = std::optional<QString>;
Q_DECLARE_METATYPE(OptionalText)

// A download's progress on the card and in its sheet (the figures in words, the bar's value a
// screen reader reads, announcements only at the start, each quarter and the end), and
// Settings › Network, which keeps a mirror only once it is a valid https address.
class TestNetworkViews : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showsAndAnnouncesProgress()
    {
        Sandbox sandbox;
        EngineTestKit::TestEngine engine(sandbox.environment());
        AppCard card(EngineTestKit::catalogApp(u"rectangle"_s), &engine);
        AppDetailView sheet(card.app(), &engine);
        card.show();
        const QString note = u"Downloading Rectangle."_s;
        engine.setState(u"rectangle"_s, InstallState::installing(note));
        auto *cardRow = card.findChild<SpinnerRow *>(u"progressRow"_s);
        auto *sheetRow = sheet.findChild<SpinnerRow *>(u"progressRow"_s);
        QVERIFY(cardRow && sheetRow && cardRow->bar()->isHidden());
        const auto at = [](qint64 percent) {
            return DownloadProgress { 467'000 * percent, 46'700'000, 1'200'000, (100 - percent) * 467 / 1200 };
        };
        // percent shown → the one the row was last announced with
        for (const auto &[percent, announced] : QList<std::pair<int, int>> {
                 { 0, 0 }, { 10, 0 }, { 24, 0 }, { 30, 30 }, { 55, 55 }, { 60, 55 }, { 80, 80 }, { 100, 100 } }) {
            engine.setState(u"rectangle"_s, InstallState::downloading(note, at(percent)));
            for (SpinnerRow *row : { cardRow, sheetRow }) {
                QCOMPARE(row->text(), at(percent).summary());
                QVERIFY(!row->bar()->isHidden());
                QCOMPARE(QAccessible::queryAccessibleInterface(row->bar())->valueInterface()->currentValue().toInt(),
                    percent);
                QCOMPARE(row->accessibleName(), at(announced).summary());
            }
            QCOMPARE(QAccessible::queryAccessibleInterface(&card)->text(QAccessible::Description),
                u"Downloading, %1%"_s.arg(announced / 25 * 25));
        }
        // A size nobody announced: the bytes, and no bar.
        engine.setState(u"rectangle"_s, InstallState::downloading(note, { 5'300'000, -1, 1'000'000, -1 }));
        QCOMPARE(cardRow->accessibleName() + cardRow->text(), u"Downloading · 5.3 MBDownloading · 5.3 MB"_s);
        QVERIFY(cardRow->bar()->isHidden());
    }

    void keepsOnlyValidMirrors_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<OptionalText>("kept");
        QTest::newRow("API mirror, spaces trimmed")
            << 0 << u" https://mirrors.example.cn/api "_s << OptionalText(u"https://mirrors.example.cn/api"_s);
        QTest::newRow("plain http is held back")
            << 2 << u"http://mirrors.example.cn"_s << OptionalText(u"https://old.example"_s);
        QTest::newRow("emptied: cleared") << 2 << QString() << OptionalText();
    }

    void keepsOnlyValidMirrors()
    {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(OptionalText, kept);
        QTemporaryDir folder;
        UserDefaults defaults(folder.filePath(u"defaults.ini"_s));
        const QString key = BrewNetwork::mirrors().at(field).key;
        defaults.setString(BrewNetwork::mirrors().at(2).key, u"https://old.example"_s);
        NetworkSection section(&defaults);
        section.show();
        QCOMPARE(section.field(2)->text(), u"https://old.example"_s); // what is kept shows on opening
        QLineEdit *edit = section.field(field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, Qt::Key_Return);

        QCOMPARE(defaults.stringValue(key), kept);
        const bool heldBack = kept != OptionalText(typed.trimmed()) && !typed.isEmpty();
        QCOMPARE(section.problem(field)->isVisibleTo(&section), heldBack);
        QCOMPARE(edit->accessibleDescription(), heldBack ? section.problem(field)->text() : QString());
        QCOMPARE(section.problem(field)->text().startsWith(u"A mirror address starts with https://"_s), heldBack);
    }
};

QTEST_MAIN(TestNetworkViews)
#include "TestNetworkViews.moc"
