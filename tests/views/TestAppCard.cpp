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

    void showsTheControlsOfEachState_data();
    void showsTheControlsOfEachState();
    void permissionNoteComesAndGoesWithTheEngine();
    void everyCardWaitsWhileAnyHomebrewSetupRuns();
    void guidanceMatchesThePermissionsNeeded_data();
    void guidanceMatchesThePermissionsNeeded();
    void guidanceDisclosureKeepsItsStateAcrossStates();
    void launchOpensTheInstalledBundle();
    void summaryOpensTheDetailSheet();
    void summaryShowsEntryDetails();
};

void TestAppCard::showsTheControlsOfEachState_data()
{
    QTest::addColumn<OptionalState>("state");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("hidden");

    const QStringList all { u"Install"_s, u"Try again"_s, u"Installed"_s, u"Uninstall"_s, u"Need help opening it?"_s,
        u"Set up Homebrew (one-time, ~2 min — needs your Mac password once)"_s, u"Setting up Homebrew…"_s };
    const auto others = [&all](const QStringList &shown) {
        QStringList hidden;
        for (const QString &text : all)
            if (!shown.contains(text))
                hidden.append(text);
        return hidden;
    };
    const QStringList install { u"Install"_s };
    QTest::newRow("not examined yet") << OptionalState() << install << others(install);
    QTest::newRow("not installed") << OptionalState(InstallState::notInstalled()) << install << others(install);
    const QStringList progress { u"==> Downloading https://example.org/Maccy.zip"_s };
    QTest::newRow("installing") << OptionalState(InstallState::installing(progress.first())) << progress << all;
    const QStringList removing { u"Removing Maccy…"_s };
    QTest::newRow("uninstalling") << OptionalState(InstallState::uninstalling(removing.first())) << removing << all;
    const QStringList failed { u"Homebrew could not install Maccy (exit 1)."_s, u"Try again"_s };
    QTest::newRow("failed") << OptionalState(InstallState::failed(failed.first())) << failed << others(failed);
    const QStringList installed { u"Installed"_s, u"Uninstall"_s, u"Need help opening it?"_s };
    QTest::newRow("installed") << OptionalState(InstallState::installed()) << installed << others(installed);
    const QStringList homebrew { u"Maccy installs through Homebrew, a free package manager for the Mac. orvando can "
                                 u"set it up for you — one time, right here."_s,
        u"Set up Homebrew (one-time, ~2 min — needs your Mac password once)"_s,
        u"It asks for your password once. After that every install is silent — no Terminal, ever."_s };
    QTest::newRow("needs Homebrew") << OptionalState(InstallState::needsHomebrew()) << homebrew << others(homebrew);
}

void TestAppCard::showsTheControlsOfEachState()
{
    QFETCH(OptionalState, state);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, hidden);

    Sandbox sandbox;
    CardTestEngine engine(sandbox.environment());
    AppCard card(catalogApp(u"maccy"_s), &engine);
    card.resize(340, card.heightForWidth(340));
    if (state)
        engine.setState(u"maccy"_s, *state);
    const QStringList texts = visibleTexts(card.actionArea());
    for (const QString &text : shown)
        QVERIFY2(texts.contains(text), qPrintable(text + u" missing from "_s + texts.join(u" | "_s)));
    for (const QString &text : hidden)
        QVERIFY2(!texts.contains(text), qPrintable(text + u" shown in "_s + texts.join(u" | "_s)));
    // The guidance stays folded until asked for.
    QVERIFY(!visibleTexts(&card).contains(u"Didn’t open?"_s));
    // Assistive technology can name every control, and hears the progress line itself.
    for (QAbstractButton *button : card.findChildren<QAbstractButton *>())
        QVERIFY(!button->text().isEmpty() || !button->accessibleName().isEmpty());
    auto *spinner = card.findChild<SpinnerRow *>(u"progressRow"_s);
    if (spinner->isVisibleTo(&card))
        QCOMPARE(spinner->accessibleName(), state->text);
}

void TestAppCard::permissionNoteComesAndGoesWithTheEngine()
{
    Sandbox sandbox;
    CardTestEngine engine(sandbox.environment());
    AppCard card(catalogApp(u"rectangle"_s), &engine);
    engine.setState(u"rectangle"_s, InstallState::notInstalled());
    const QString note = u"Removed Rectangle. We could not clear its Accessibility permission automatically. You can "
                         u"remove the leftover entry in System Settings > Privacy & Security > Accessibility."_s;
    QVERIFY(!visibleTexts(&card).contains(note));

    engine.setPermissionNote(u"maccy"_s, true); // another app's note
    QVERIFY(!visibleTexts(&card).contains(note));
    engine.setPermissionNote(u"rectangle"_s, true);
    QVERIFY(visibleTexts(&card).contains(note));
    QAbstractButton *open = visibleButton(&card, u"Open Accessibility settings"_s);
    QVERIFY(open);
    QTest::mouseClick(open, Qt::LeftButton);
    QCOMPARE(m_opened,
        QList<QUrl> { QUrl(u"x-apple.systempreferences:com.apple.preference.security?Privacy_Accessibility"_s) });
    QVERIFY(visibleButton(&card, u"Install"_s));

    engine.setPermissionNote(u"rectangle"_s, false);
    QVERIFY(!visibleTexts(&card).contains(note));
    QVERIFY(!visibleButton(&card, u"Open Accessibility settings"_s));
}

void TestAppCard::everyCardWaitsWhileAnyHomebrewSetupRuns()
{
    Sandbox sandbox;
    CardTestEngine engine(sandbox.environment());
    AppCard maccy(catalogApp(u"maccy"_s), &engine);
    AppCard ice(catalogApp(u"ice"_s), &engine);
    AppCard rectangle(catalogApp(u"rectangle"_s), &engine);
    engine.setState(u"maccy"_s, InstallState::needsHomebrew());
    engine.setState(u"ice"_s, InstallState::needsHomebrew());
    engine.setState(u"rectangle"_s, InstallState::installed());

    engine.setBootstrapInProgress(true);
    for (AppCard *card : { &maccy, &ice }) {
        QVERIFY(visibleTexts(card).contains(u"Setting up Homebrew…"_s));
        QVERIFY(!visibleButton(card, u"Set up Homebrew (one-time, ~2 min — needs your Mac password once)"_s));
    }
    QVERIFY(!visibleTexts(&rectangle).contains(u"Setting up Homebrew…"_s));
    QVERIFY(visibleButton(&rectangle, u"Uninstall"_s));

    engine.setBootstrapInProgress(false);
    for (AppCard *card : { &maccy, &ice }) {
        QVERIFY(!visibleTexts(card).contains(u"Setting up Homebrew…"_s));
        QAbstractButton *setUp
            = visibleButton(card, u"Set up Homebrew (one-time, ~2 min — needs your Mac password once)"_s);
        QVERIFY(setUp);
        QCOMPARE(setUp->toolTip(),
            u"Installs Homebrew with your password, then continues installing "_s + card->app().name + u'.');
    }
}

void TestAppCard::guidanceMatchesThePermissionsNeeded_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QList<QUrl>>("settingsPages");

    const QString download
        = u"macOS may ask “Are you sure you want to open this app from the internet?” — click Open."_s;
    const QUrl accessibility(u"x-apple.systempreferences:com.apple.preference.security?Privacy_Accessibility"_s);
    const QUrl screen(u"x-apple.systempreferences:com.apple.preference.security?Privacy_ScreenCapture"_s);
    QTest::newRow("accessibility") << u"rectangle"_s
                                   << QStringList { download,
                                          u"Rectangle needs Accessibility permission to work. On first launch it "
                                          u"will ask — turn it on:"_s,
                                          u"System Settings › Privacy & Security › Accessibility, then switch on "
                                          u"Rectangle."_s,
                                          u"Open System Settings › Accessibility"_s, u"Didn’t open?"_s,
                                          u"Launch Rectangle"_s }
                                   << QList<QUrl> { accessibility };
    QTest::newRow("screen recording")
        << u"shottr"_s
        << QStringList { download, u"Shottr needs Screen Recording permission to capture your screen. Turn it on:"_s,
               u"System Settings › Privacy & Security › Screen Recording, then switch on Shottr."_s,
               u"Open System Settings › Screen Recording"_s, u"Didn’t open?"_s, u"Launch Shottr"_s }
        << QList<QUrl> { screen };
    QTest::newRow("neither") << u"maccy"_s << QStringList { download, u"Didn’t open?"_s, u"Launch Maccy"_s }
                             << QList<QUrl>();
}

void TestAppCard::guidanceMatchesThePermissionsNeeded()
{
    QFETCH(QString, id);
    QFETCH(QStringList, lines);
    QFETCH(QList<QUrl>, settingsPages);

    Sandbox sandbox;
    CardTestEngine engine(sandbox.environment());
    AppCard card(catalogApp(id), &engine);
    engine.setState(id, InstallState::installed());
    auto *disclosure = card.findChild<DisclosureButton *>();
    QTest::mouseClick(disclosure, Qt::LeftButton);
    auto *panel = card.findChild<RevealContainer *>();
    QTRY_COMPARE(panel->progress(), 1.0);

    const QStringList before = visibleTexts(&card);
    const qsizetype start = before.indexOf(u"Need help opening it?"_s) + 1;
    QCOMPARE(before.mid(start), lines);
    for (const QString &text : lines)
        if (text.startsWith(u"Open System Settings"_s))
            QTest::mouseClick(visibleButton(&card, text), Qt::LeftButton);
    QCOMPARE(m_opened, settingsPages);
}

void TestAppCard::guidanceDisclosureKeepsItsStateAcrossStates()
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
    QVERIFY(panel->isVisibleTo(&card));

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

void TestAppCard::launchOpensTheInstalledBundle()
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
    QAbstractButton *launch = visibleButton(&card, u"Launch Maccy"_s);
    QVERIFY(launch);
    QTest::mouseClick(launch, Qt::LeftButton);
    QTRY_VERIFY(QFile::exists(marker));
    QCOMPARE(engine.state(u"maccy"_s), std::optional(InstallState::installed()));
}

void TestAppCard::summaryOpensTheDetailSheet()
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

void TestAppCard::summaryShowsEntryDetails()
{
    Sandbox sandbox;
    CardTestEngine engine(sandbox.environment());
    AppCard shottr(catalogApp(u"shottr"_s), &engine);
    QCOMPARE(visibleTexts(shottr.summaryButton()),
        (QStringList { u"Freemium"_s, u"Shottr"_s, u"Screenshot, annotate, and pull text out of any image."_s,
            u"The free version is all you need. Pro extras are optional."_s, u"Replaces CleanShot X - $29"_s }));
    // Shottr's icon is not in the bundle; Maccy's is.
    QVERIFY(!shottr.findChild<AppIconTile *>()->hasImage());
    QCOMPARE(shottr.findChild<AppIconTile *>()->letter(), u"S"_s);
    AppCard maccy(catalogApp(u"maccy"_s), &engine);
    QVERIFY(maccy.findChild<AppIconTile *>()->hasImage());

    CatalogApp plain = catalogApp(u"maccy"_s);
    plain.id = u"no-such-icon"_s;
    plain.name = u"Ümlaut"_s;
    plain.replaces.reset();
    AppCard card(plain, &engine);
    QCOMPARE(visibleTexts(card.summaryButton()),
        (QStringList { u"Free"_s, u"Ümlaut"_s, u"A clipboard that remembers what you copied."_s }));
    auto *tile = card.findChild<AppIconTile *>();
    QVERIFY(!tile->hasImage());
    QCOMPARE(tile->letter(), u"Ü"_s);
}

QTEST_MAIN(TestAppCard)
#include "TestAppCard.moc"
