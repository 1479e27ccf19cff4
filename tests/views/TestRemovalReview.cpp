#include "engine/InstallEngine.h"
#include "engine/disk/LeftoverSweep.h"
#include "platform/SettingsKeys.h"
#include "platform/UserDefaults.h"
#include "support/EngineTestKit.h"
#include "support/Sandbox.h"
#include "views/removal/RemovalReview.h"
#include "views/removal/UndoRemovalButton.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;

namespace {

const QString bundleID = u"org.p0deje.Maccy"_s;

} // namespace

// The review before a removal, driven from the keyboard on the offscreen platform, and the card's
// Undo that follows it.
class TestRemovalReview : public QObject
{
    Q_OBJECT

    std::unique_ptr<Sandbox> m_sandbox;
    QString m_bundle;
    QStringList m_leftovers; // support folder (3 bytes), preferences (5 bytes)

    QPushButton *button(QWidget *review, const QString &name)
    {
        for (QPushButton *each : review->findChildren<QPushButton *>())
            if (each->accessibleName() == name || each->text() == name)
                return each;
        return nullptr;
    }
    static void key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

private Q_SLOTS:
    void init()
    {
        m_sandbox = std::make_unique<Sandbox>();
        qputenv("XDG_DATA_HOME", (m_sandbox->home() + u"/.local/share"_s).toUtf8());
        UserDefaults::setStandardLocation(m_sandbox->root() + u"/defaults.ini"_s);
        m_bundle = m_sandbox->makeBundle(m_sandbox->userApplications(), u"Maccy"_s, bundleID);
        const QStringList eight = LeftoverSweep::paths(m_sandbox->home(), bundleID);
        m_leftovers = QStringList { eight.at(0), eight.at(5) };
        QVERIFY(Sandbox::writeFile(m_leftovers.at(0) + u"/db"_s, "abc"));
        QVERIFY(Sandbox::writeFile(m_leftovers.at(1), "plist"));
    }
    void cleanup()
    {
        UserDefaults::setStandardLocation({});
        m_sandbox.reset();
    }

    // Each choice from the keyboard: what goes, what stays, and what is remembered for next time.
    void choicesFromTheKeyboard_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("untickFirst"); // the support folder, before answering
        QTest::addColumn<QList<bool>>("left"); // support folder, preferences still there
        QTest::newRow("app and data") << u"Remove app and data"_s << false << QList<bool> { false, false };
        QTest::newRow("app and data, one unticked") << u"Remove app and data"_s << true << QList<bool> { true, false };
        QTest::newRow("app only") << u"Remove app only"_s << false << QList<bool> { true, true };
    }
    void choicesFromTheKeyboard()
    {
        QFETCH(QString, answer);
        QFETCH(bool, untickFirst);
        QFETCH(QList<bool>, left);
        InstallEngine engine(m_sandbox->environment());
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        RemovalReview *review = RemovalReview::review(&engine, { maccy() }, &window);
        QSignalSpy measured(review, &RemovalReview::measured);
        // The sheet is up before any size is known: they are measured on a pool thread.
        QVERIFY(!review->sizesKnown());
        QCOMPARE(review->findChild<QLabel *>(u"removalTotal"_s)->text(), u"Measuring sizes…"_s);
        QVERIFY(measured.wait());

        QListWidget *list = review->list();
        QCOMPARE(list->count(), 3); // the bundle, then each leftover
        QVERIFY(!(list->item(0)->flags() & Qt::ItemIsUserCheckable));
        QVERIFY(list->item(0)->text().startsWith(u"Maccy.app — "_s));
        for (int row = 1; row < 3; ++row)
            QCOMPARE(list->item(row)->checkState(), Qt::Checked);
        QVERIFY(list->item(1)->text().contains(u"org.p0deje.Maccy — 3 bytes"_s));
        QVERIFY(list->item(2)->text().contains(u"org.p0deje.Maccy.plist — 5 bytes"_s));
        QCOMPARE(QApplication::focusWidget(), list);
        if (untickFirst) {
            key(Qt::Key_Down);
            key(Qt::Key_Space);
            QCOMPARE(list->item(1)->checkState(), Qt::Unchecked);
            QVERIFY(review->findChild<QLabel *>(u"removalTotal"_s)->text().contains(u"5 bytes in 1 item"_s));
        }
        // Tab to the answer, as someone without a mouse would.
        QPushButton *target = button(review, answer);
        QVERIFY(target);
        for (int i = 0; i < 8 && QApplication::focusWidget() != target; ++i)
            key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), target);
        key(Qt::Key_Space);

        QTRY_COMPARE(engine.state(u"maccy"_s), std::optional(InstallState::notInstalled()));
        QVERIFY(!QFileInfo::exists(m_bundle));
        QCOMPARE(QFileInfo::exists(m_leftovers.at(0)), left.at(0));
        QCOMPARE(QFileInfo::exists(m_leftovers.at(1)), left.at(1));
        const bool keep = answer == u"Remove app only"_s;
        QCOMPARE(UserDefaults::standard().boolValue(SettingsKeys::removalKeepsData(), !keep), keep);
        // Offered first next time; the choice itself held for that one removal only.
        RemovalReview next(&engine, { maccy() }, &window);
        QVERIFY(button(&next, answer)->isDefault());
        QVERIFY(finish(engine.uninstall(maccy())));
        QVERIFY(!QFileInfo::exists(m_leftovers.at(0)) && !QFileInfo::exists(m_leftovers.at(1)));
    }

    void undoOnTheCardPutsItBack()
    {
        InstallEngine engine(m_sandbox->environment());
        UndoRemovalButton undo(maccy(), &engine);
        QCOMPARE(undo.accessibleName(), u"Undo removing Maccy"_s);
        QVERIFY(undo.isHidden());
        QVERIFY(finish(engine.uninstall(maccy())));
        QVERIFY(!undo.isHidden());
        undo.setFocus();
        QTest::keyClick(&undo, Qt::Key_Space);
        QTRY_COMPARE(engine.state(u"maccy"_s), std::optional(InstallState::installed()));
        QVERIFY(QFileInfo::exists(m_bundle) && QFileInfo::exists(m_leftovers.at(1)));
        QVERIFY(undo.isHidden());
    }
};

QTEST_MAIN(TestRemovalReview)
#include "TestRemovalReview.moc"
