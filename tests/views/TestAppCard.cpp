#include "CardTestEngine.h"
#include "WidgetTexts.h"

#include "support/Sandbox.h"
#include "views/AppCard.h"
#include "views/AppCardActionArea.h"
#include "views/AppDetailView.h"
#include "views/AppIconTile.h"
#include "views/ContentButton.h"
#include "views/DisclosureButton.h"
#include "views/RevealContainer.h"

#include <QDesktopServices>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

using OptionalState = std::optional<InstallState>;
Q_DECLARE_METATYPE(OptionalState)

namespace {

const QString note = u"Removed Rectangle. We could not clear its Accessibility permission automatically. You can "
                     u"remove the leftover entry in System Settings > Privacy & Security > Accessibility."_s;
const QUrl accessibilityPage(u"x-apple.systempreferences:com.apple.preference.security?Privacy_Accessibility"_s);

} // namespace

// A card on a real engine in a sandbox: what it shows in each state and what its buttons do.
class TestAppCard : public QObject
{
    Q_OBJECT

public:
    Q_INVOKABLE void openUrl(const QUrl &url) { m_opened.append(url); }

private:
    QList<QUrl> m_opened;

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("ORVANDO_RESOURCES", ORVANDO_SOURCE_DIR "/resources/Orvando_Orvando.bundle");
        QDesktopServices::setUrlHandler(u"x-apple.systempreferences"_s, this, "openUrl");
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(u"x-apple.systempreferences"_s); }
    void init() { m_opened.clear(); }

    // Shown: exactly these of the card's controls and texts; every other one stays hidden.
    void showsTheControlsOfEachState_data()
    {
        QTest::addColumn<OptionalState>("state");
        QTest::addColumn<bool>("permissionNote");
        QTest::addColumn<bool>("homebrewSetupRuns");
        QTest::addColumn<QStringList>("shown");
        const QString failure = u"Homebrew could not install Rectangle (exit 1)."_s;
        const QStringList install { u"Install"_s },
            installed { u"Installed"_s, u"Uninstall"_s, u"Need help opening it?"_s };
        const QStringList offer { u"Rectangle installs through Homebrew, a free package manager for the Mac. orvando "
                                  u"can set it up for you — one time, right here."_s,
            u"Set up Homebrew (one-time, ~2 min — needs your Mac password once)"_s,
            u"It asks for your password once. After that every install is silent — no Terminal, ever."_s };
        const auto row = [](const char *name, OptionalState state, bool withNote, bool setup, QStringList shown) {
            QTest::newRow(name) << state << withNote << setup << shown;
        };
        row("not examined yet", std::nullopt, false, false, install);
        row("not installed", InstallState::notInstalled(), false, false, install);
        row("not installed, note", InstallState::notInstalled(), true, false,
            install + QStringList { note, u"Open Accessibility settings"_s });
        row("a running setup leaves others alone", InstallState::notInstalled(), false, true, install);
        row("installing", InstallState::installing(u"Getting Rectangle ready."_s), false, false,
            { u"Getting Rectangle ready."_s });
        row("uninstalling", InstallState::uninstalling(u"Removing leftovers…"_s), true, false,
            { u"Removing leftovers…"_s });
        row("failed", InstallState::failed(failure), true, false, { failure, u"Try again"_s, u"Show in log"_s });
        row("installed, note only under Install", InstallState::installed(), true, true, installed);
        row("needs Homebrew", InstallState::needsHomebrew(), false, false, offer);
        row("needs Homebrew, setup runs", InstallState::needsHomebrew(), false, true, { u"Setting up Homebrew…"_s });
    }
    void showsTheControlsOfEachState()
    {
        QFETCH(OptionalState, state);
        QFETCH(bool, permissionNote);
        QFETCH(bool, homebrewSetupRuns);
        QFETCH(QStringList, shown);
        Sandbox sandbox;
        CardTestEngine engine(sandbox.environment());
        AppCard card(catalogApp(u"rectangle"_s), &engine);
        card.resize(340, card.heightForWidth(340));
        if (state)
            engine.setState(u"rectangle"_s, *state);
        engine.setPermissionNote(u"maccy"_s, true); // another app's note never shows here
        engine.setPermissionNote(u"rectangle"_s, permissionNote);
        engine.setBootstrapInProgress(homebrewSetupRuns);

        QCOMPARE(visibleTexts(card.actionArea()), shown);
        // The guidance stays folded until asked for.
        QVERIFY(!visibleTexts(&card).contains(u"Didn’t open?"_s));
        // Assistive technology can name every control, and hears the progress line itself.
        for (QAbstractButton *button : card.findChildren<QAbstractButton *>())
            QVERIFY(!button->text().isEmpty() || !button->accessibleName().isEmpty());
        if (auto *spinner = card.findChild<SpinnerRow *>(u"progressRow"_s); spinner->isVisibleTo(&card))
            QCOMPARE(spinner->accessibleName(), state->text);
        if (QAbstractButton *open = visibleButton(&card, u"Open Accessibility settings"_s)) {
            QTest::mouseClick(open, Qt::LeftButton);
            QCOMPARE(m_opened, QList<QUrl> { accessibilityPage });
        }
    }

    void guidanceMatchesThePermissionsNeeded_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QList<QUrl>>("settingsPages");
        const QString download
            = u"macOS may ask “Are you sure you want to open this app from the internet?” — click Open."_s;
        QTest::newRow("accessibility")
            << u"rectangle"_s
            << QStringList { download,
                   u"Rectangle needs Accessibility permission to work. On first launch it will ask — turn it on:"_s,
                   u"System Settings › Privacy & Security › Accessibility, then switch on Rectangle."_s,
                   u"Open System Settings › Accessibility"_s, u"Didn’t open?"_s, u"Launch Rectangle"_s }
            << QList<QUrl> { accessibilityPage };
        QTest::newRow("screen recording")
            << u"shottr"_s
            << QStringList { download,
                   u"Shottr needs Screen Recording permission to capture your screen. Turn it on:"_s,
                   u"System Settings › Privacy & Security › Screen Recording, then switch on Shottr."_s,
                   u"Open System Settings › Screen Recording"_s, u"Didn’t open?"_s, u"Launch Shottr"_s }
            << QList<QUrl> { QUrl(u"x-apple.systempreferences:com.apple.preference.security?Privacy_ScreenCapture"_s) };
        QTest::newRow("neither") << u"maccy"_s << QStringList { download, u"Didn’t open?"_s, u"Launch Maccy"_s }
                                 << QList<QUrl>();
    }
    void guidanceMatchesThePermissionsNeeded()
    {
        QFETCH(QString, id);
        QFETCH(QStringList, lines);
        QFETCH(QList<QUrl>, settingsPages);
        Sandbox sandbox;
        CardTestEngine engine(sandbox.environment());
        AppCard card(catalogApp(id), &engine);
        engine.setState(id, InstallState::installed());
        QTest::mouseClick(card.findChild<DisclosureButton *>(), Qt::LeftButton);
        QTRY_COMPARE(card.findChild<RevealContainer *>()->progress(), 1.0);
        const QStringList texts = visibleTexts(&card);
        QCOMPARE(texts.mid(texts.indexOf(u"Need help opening it?"_s) + 1), lines);
        for (const QString &text : lines)
            if (text.startsWith(u"Open System Settings"_s))
                QTest::mouseClick(visibleButton(&card, text), Qt::LeftButton);
        QCOMPARE(m_opened, settingsPages);
    }

    void guidanceDisclosureKeepsItsStateAcrossStates()
    {
        Sandbox sandbox;
        CardTestEngine engine(sandbox.environment());
        AppCard card(catalogApp(u"maccy"_s), &engine);
        engine.setState(u"maccy"_s, InstallState::installed());
        auto *disclosure = card.findChild<DisclosureButton *>();
        auto *panel = card.findChild<RevealContainer *>();
        QVERIFY(!panel->isVisibleTo(&card));
        QTest::mouseClick(disclosure, Qt::LeftButton);
        QVERIFY(card.actionArea()->showGuidance());
        QTRY_COMPARE(disclosure->angle(), 90.0);
        QTRY_COMPARE(panel->progress(), 1.0);
        // Hidden with the rest of the installed box while a removal runs, and back as it was after.
        engine.setState(u"maccy"_s, InstallState::uninstalling(u"Removing Maccy…"_s));
        QVERIFY(!visibleTexts(&card).contains(u"Didn’t open?"_s));
        engine.setState(u"maccy"_s, InstallState::installed());
        QVERIFY(visibleTexts(&card).contains(u"Didn’t open?"_s));
        QTest::mouseClick(disclosure, Qt::LeftButton);
        QVERIFY(!card.actionArea()->showGuidance());
        QTRY_VERIFY(!panel->isVisibleTo(&card));
        QTRY_COMPARE(disclosure->angle(), 0.0);
    }

    void launchOpensTheInstalledBundle()
    {
        Sandbox sandbox;
        const QString marker = sandbox.root() + u"/launched"_s;
        sandbox.makeBundle(sandbox.userApplications(), u"Maccy"_s, u"org.p0deje.Maccy"_s, PlistFile::Format::Binary,
            "#!/bin/sh\ntouch '" + marker.toUtf8() + "'\n");
        CardTestEngine engine(sandbox.environment());
        AppCard card(catalogApp(u"maccy"_s), &engine);
        engine.refreshInstalledStatus({ card.app() });
        QCOMPARE(engine.state(u"maccy"_s), std::optional(InstallState::installed()));
        QTest::mouseClick(card.findChild<DisclosureButton *>(), Qt::LeftButton);
        QTest::mouseClick(visibleButton(&card, u"Launch Maccy"_s), Qt::LeftButton);
        QTRY_VERIFY(QFile::exists(marker));
        QCOMPARE(engine.state(u"maccy"_s), std::optional(InstallState::installed()));
    }

    void summaryOpensTheDetailSheet()
    {
        Sandbox sandbox;
        CardTestEngine engine(sandbox.environment());
        QWidget window;
        auto *card = new AppCard(catalogApp(u"shottr"_s), &engine, &window);
        window.resize(360, 400);
        window.show();
        QVERIFY(!card->showDetail());
        QCOMPARE(card->summaryButton()->toolTip(), u"See Shottr screenshots and details."_s);
        // A press on the name, not only on the button's bare background, opens it.
        QTest::mouseClick(card->summaryButton()->findChild<QLabel *>(u"nameLabel"_s), Qt::LeftButton);
        QTRY_VERIFY(card->showDetail());
        AppDetailView *sheet = card->detailView();
        QCOMPARE(sheet->app().id, u"shottr"_s);
        QCOMPARE(sheet->parentWidget(), &window);
        QCOMPARE(sheet->windowModality(), Qt::WindowModal);
        QTRY_VERIFY(sheet->isVisible());
        sheet->close();
        QTRY_VERIFY(!card->showDetail());
    }

    void summaryShowsEntryDetails()
    {
        Sandbox sandbox;
        CardTestEngine engine(sandbox.environment());
        AppCard shottr(catalogApp(u"shottr"_s), &engine);
        QCOMPARE(visibleTexts(shottr.summaryButton()),
            (QStringList { u"Freemium"_s, u"Shottr"_s, u"Screenshot, annotate, and pull text out of any image."_s,
                u"The free version is all you need. Pro extras are optional."_s, u"Replaces CleanShot X - $29"_s }));
        // Shottr's icon is not in the bundle, so its tile shows the letter; Maccy's is.
        QVERIFY(!shottr.findChild<AppIconTile *>()->hasImage());
        QCOMPARE(shottr.findChild<AppIconTile *>()->letter(), u"S"_s);
        AppCard maccy(catalogApp(u"maccy"_s), &engine);
        QVERIFY(maccy.findChild<AppIconTile *>()->hasImage());
        CatalogApp plain = catalogApp(u"maccy"_s);
        plain.replaces.reset();
        AppCard card(plain, &engine);
        QCOMPARE(visibleTexts(card.summaryButton()),
            (QStringList { u"Free"_s, u"Maccy"_s, u"A clipboard that remembers what you copied."_s }));
    }
};

QTEST_MAIN(TestAppCard)
#include "TestAppCard.moc"
