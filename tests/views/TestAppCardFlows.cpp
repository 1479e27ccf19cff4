#include "CardTestEngine.h"
#include "WidgetTexts.h"

#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"
#include "views/AppCard.h"
#include "views/AppCardActionArea.h"
#include "views/AppDetailView.h"
#include "views/DetailActionArea.h"

#include <QApplication>
#include <QCoroSignal>
#include <QMessageBox>
#include <QPointer>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Holds a fake Homebrew setup until the test lets it finish.
class Gate : public QObject
{
    Q_OBJECT

Q_SIGNALS:
    void opened();
};

// Stands in for the privileged setup: waits for the gate, then puts the fake brew in place.
QCoro::Task<int> fakeSetup(const Sandbox *sandbox, QPointer<Gate> gate)
{
    if (gate)
        co_await qCoro(gate.data(), &Gate::opened);
    co_return sandbox->installFakeBrew() ? 0 : 1;
}

// What a card's or a sheet's action area shows.
template <typename View> QStringList shown(const View &view)
{
    return visibleTexts(view.actionArea());
}

} // namespace

// Every engine operation started from a card or its sheet, run for real against the fake brew,
// with the card and the sheet following the engine.
class TestAppCardFlows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qputenv("ORVANDO_RESOURCES", ORVANDO_SOURCE_DIR "/resources/Orvando_Orvando.bundle"); }

    void installFollowedByCardAndSheet_data()
    {
        QTest::addColumn<bool>("pressInSheet");
        QTest::newRow("Install on the card") << false;
        QTest::newRow("Install in the sheet") << true;
    }
    void installFollowedByCardAndSheet()
    {
        QFETCH(bool, pressInSheet);
        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew());
        QVERIFY(sandbox.registerCask(u"maccy"_s, u"Maccy"_s, u"org.p0deje.Maccy"_s));
        InstallEngine engine(sandbox.environment());
        QWidget window;
        auto *card = new AppCard(catalogApp(u"maccy"_s), &engine, &window);
        window.show();
        card->setShowDetail(true);
        AppDetailView *sheet = card->detailView();
        QVERIFY(sheet);
        // What both showed at each change, read right after they redrew.
        QList<QPair<QStringList, QStringList>> seen;
        connect(&engine, &InstallEngine::stateChanged, this, [&] { seen.append({ shown(*card), shown(*sheet) }); });
        QWidget *pressed = pressInSheet ? static_cast<QWidget *>(sheet) : card;
        QTest::mouseClick(visibleButton(pressed, u"Install"_s), Qt::LeftButton);
        QTRY_COMPARE(engine.state(u"maccy"_s), std::optional(InstallState::installed()));

        QVERIFY(seen.size() >= 2);
        QCOMPARE(seen.first().first, QStringList { u"Getting Maccy ready."_s });
        for (const auto &[onCard, inSheet] : seen.mid(0, seen.size() - 1)) {
            QCOMPARE(onCard.size(), 1); // the spinner row and nothing else
            QCOMPARE(inSheet, onCard);
        }
        QCOMPARE(shown(*card), (QStringList { u"Installed"_s, u"Uninstall"_s, u"Need help opening it?"_s }));
        QCOMPARE(shown(*sheet), (QStringList { u"Installed"_s, u"Uninstall"_s }));
        QCOMPARE(sandbox.brewCalls(), QStringList { u"install --cask maccy"_s });
    }

    void tryAgainAfterAFailure()
    {
        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew());
        QVERIFY(sandbox.registerCask(u"maccy"_s, u"Maccy"_s, u"org.p0deje.Maccy"_s));
        InstallEngine engine(sandbox.environment());
        AppCard card(catalogApp(u"maccy"_s), &engine);
        AppDetailView sheet(card.app(), &engine);
        {
            ScopedEnvironmentVariable failing("FAKE_BREW_EXIT", QByteArray("1"));
            QTest::mouseClick(visibleButton(&card, u"Install"_s), Qt::LeftButton);
            QTRY_COMPARE(engine.state(u"maccy"_s)->kind, InstallState::Kind::Failed);
        }
        const QString message = engine.state(u"maccy"_s)->text;
        QVERIFY(!message.isEmpty());
        QCOMPARE(shown(card), (QStringList { message, u"Try again"_s, u"Show in log"_s }));
        QCOMPARE(shown(sheet), QStringList { u"Try again"_s });
        QVERIFY(!visibleTexts(&sheet).contains(message)); // the sheet shows no message
        QTest::mouseClick(visibleButton(&card, u"Try again"_s), Qt::LeftButton);
        QTRY_COMPARE(engine.state(u"maccy"_s), std::optional(InstallState::installed()));
        QCOMPARE(sandbox.brewCalls(), (QStringList { u"install --cask maccy"_s, u"install --cask maccy"_s }));
    }

    void uninstallStartsWithoutConfirmation()
    {
        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew());
        QVERIFY(sandbox.registerCask(u"rectangle"_s, u"Rectangle"_s, u"com.knollsoft.Rectangle"_s));
        Environment environment = sandbox.environment();
        environment.tools.tccutil = u"/bin/false"_s; // the Accessibility entry cannot be cleared
        InstallEngine engine(environment);
        AppCard card(catalogApp(u"rectangle"_s), &engine);
        QTest::mouseClick(visibleButton(&card, u"Install"_s), Qt::LeftButton);
        QTRY_COMPARE(engine.state(u"rectangle"_s), std::optional(InstallState::installed()));
        QAbstractButton *uninstall = visibleButton(&card, u"Uninstall"_s);
        QCOMPARE(uninstall->toolTip(), u"Remove Rectangle and its leftover files from this Mac."_s);
        QTest::mouseClick(uninstall, Qt::LeftButton);
        // Started at once: no question asked first.
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(qApp->findChildren<QMessageBox *>().isEmpty());
        QTRY_COMPARE(engine.state(u"rectangle"_s), std::optional(InstallState::notInstalled()));
        QVERIFY(sandbox.brewCalls().contains(u"uninstall --cask rectangle"_s));

        // The note under Install appears with the engine's and goes when the next install clears it.
        const QString note
            = u"Removed Rectangle. We could not clear its Accessibility permission automatically. You "
              u"can remove the leftover entry in System Settings > Privacy & Security > Accessibility."_s;
        QVERIFY(engine.hasPermissionNote(u"rectangle"_s));
        QCOMPARE(shown(card), (QStringList { u"Install"_s, note, u"Open Accessibility settings"_s }));
        QTest::mouseClick(visibleButton(&card, u"Install"_s), Qt::LeftButton);
        QTRY_COMPARE(engine.state(u"rectangle"_s), std::optional(InstallState::installed()));
        QVERIFY(!engine.hasPermissionNote(u"rectangle"_s));
        QVERIFY(!visibleTexts(&card).contains(note));
    }

    void homebrewSetupFromACard()
    {
        Sandbox sandbox; // no brew yet
        QVERIFY(sandbox.registerCask(u"maccy"_s, u"Maccy"_s, u"org.p0deje.Maccy"_s));
        InstallEngine engine(sandbox.environment());
        Gate gate;
        engine.setBootstrapRunnerOverride(
            [&sandbox, &gate](QString, InstallEngine::LineHandler) { return fakeSetup(&sandbox, &gate); });
        AppCard maccy(catalogApp(u"maccy"_s), &engine);
        AppCard ice(catalogApp(u"ice"_s), &engine);
        AppDetailView iceSheet(ice.app(), &engine);
        const QString setUp = u"Set up Homebrew (one-time, ~2 min — needs your Mac password once)"_s;
        for (AppCard *card : { &maccy, &ice }) {
            QTest::mouseClick(visibleButton(card, u"Install"_s), Qt::LeftButton);
            QTRY_VERIFY(visibleButton(card, setUp));
        }
        QCOMPARE(shown(iceSheet), QStringList { u"Set up Homebrew"_s });
        QCOMPARE(visibleButton(&iceSheet, u"Set up Homebrew"_s)->toolTip(),
            u"One-time setup (needs your Mac password once), then Ice installs automatically."_s);
        QCOMPARE(visibleButton(&ice, setUp)->toolTip(),
            u"Installs Homebrew with your password, then continues installing Ice."_s);

        QTest::mouseClick(visibleButton(&maccy, setUp), Qt::LeftButton);
        QTRY_VERIFY(engine.bootstrapInProgress());
        QCOMPARE(shown(maccy), QStringList { u"Setting up Homebrew (one-time)."_s });
        // The other card waiting for Homebrew shows the setup running, and so does its sheet.
        QCOMPARE(shown(ice), QStringList { u"Setting up Homebrew…"_s });
        QCOMPARE(shown(iceSheet), QStringList { u"Setting up Homebrew…"_s });
        Q_EMIT gate.opened();
        QTRY_COMPARE(engine.state(u"maccy"_s), std::optional(InstallState::installed()));
        QVERIFY(!engine.bootstrapInProgress());
        QVERIFY(visibleButton(&ice, setUp));
    }
};

QTEST_MAIN(TestAppCardFlows)
#include "TestAppCardFlows.moc"
