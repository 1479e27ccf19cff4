#include "CardTestEngine.h"
#include "WidgetTexts.h"

#include "support/Sandbox.h"
#include "views/AppDetailView.h"
#include "views/DetailActionArea.h"
#include "views/ScreenshotStrip.h"
#include "views/ScreenshotView.h"

#include <QTest>

using namespace Qt::StringLiterals;

using OptionalState = std::optional<InstallState>;
Q_DECLARE_METATYPE(OptionalState)

namespace {

const QByteArray shippedBundle = ORVANDO_SOURCE_DIR "/resources/Orvando_Orvando.bundle";

} // namespace

// The detail sheet on a real engine: its header, gallery, About section and action control.
class TestAppDetailView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { qputenv("ORVANDO_RESOURCES", shippedBundle); }

    void headerShowsPillsAndReplaces_data();
    void headerShowsPillsAndReplaces();
    void aboutShowsPermissionBoxes_data();
    void aboutShowsPermissionBoxes();
    void galleryShowsResolvedScreenshotsInOrder();
    void galleryIsLeftOutWithoutScreenshots();
    void actionFollowsState_data();
    void actionFollowsState();
    void doneClosesTheSheet();
};

void TestAppDetailView::headerShowsPillsAndReplaces_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("freemiumSentence");
    QTest::newRow("free") << u"maccy"_s
                          << QStringList { u"Maccy"_s, u"A clipboard that remembers what you copied."_s,
                                 u"Replaces Paste - $30/yr"_s, u"Clipboard & text"_s, u"MIT"_s, u"Free"_s }
                          << false;
    QTest::newRow("freemium") << u"shottr"_s
                              << QStringList { u"Shottr"_s, u"Screenshot, annotate, and pull text out of any image."_s,
                                     u"Replaces CleanShot X - $29"_s, u"Media"_s, u"Proprietary"_s, u"Freemium"_s }
                              << true;
}

void TestAppDetailView::headerShowsPillsAndReplaces()
{
    QFETCH(QString, id);
    QFETCH(QStringList, texts);
    QFETCH(bool, freemiumSentence);

    Sandbox sandbox;
    CardTestEngine engine(sandbox.environment());
    const CatalogApp app = catalogApp(id);
    texts[3] = CatalogApp::label(app.category); // the label text belongs to the catalog
    AppDetailView sheet(app, &engine);
    QCOMPARE(visibleTexts(sheet.findChild<QWidget *>(u"header"_s)), texts + QStringList { u"Install"_s });
    QCOMPARE(visibleTexts(&sheet).contains(u"The free version is all you need. Pro extras are optional."_s),
        freemiumSentence);
    QCOMPARE(sheet.minimumSize(), QSize(640, 520));
    QCOMPARE(sheet.size(), QSize(760, 680));
}

void TestAppDetailView::aboutShowsPermissionBoxes_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("accessibility") << u"rectangle"_s
                                   << QStringList { u"Permission required: Rectangle needs Accessibility permission "
                                                    u"to work. It will ask on first launch — turn it on in System "
                                                    u"Settings › Privacy & Security › Accessibility, then switch on "
                                                    u"Rectangle."_s };
    QTest::newRow("screen recording") << u"shottr"_s
                                      << QStringList { u"Permission required: Shottr needs Screen Recording "
                                                       u"permission to capture your screen. It will ask on first "
                                                       u"launch — turn it on in System Settings › Privacy & Security "
                                                       u"› Screen Recording, then switch on Shottr."_s };
    QTest::newRow("neither") << u"maccy"_s << QStringList();
}

void TestAppDetailView::aboutShowsPermissionBoxes()
{
    QFETCH(QString, id);
    QFETCH(QStringList, boxes);

    Sandbox sandbox;
    CardTestEngine engine(sandbox.environment());
    AppDetailView sheet(catalogApp(id), &engine);
    QStringList shown;
    for (QLabel *label : sheet.findChildren<QLabel *>(u"permissionText"_s))
        shown.append(label->text());
    QCOMPARE(shown, boxes);
    // The boxes explain only: nothing in the sheet opens System Settings.
    for (QAbstractButton *button : sheet.findChildren<QAbstractButton *>())
        QVERIFY(!button->text().contains(u"System Settings"_s));
}

void TestAppDetailView::galleryShowsResolvedScreenshotsInOrder()
{
    Sandbox sandbox;
    CardTestEngine engine(sandbox.environment());
    CatalogApp app = catalogApp(u"iina"_s);
    QVERIFY(app.screenshots.size() >= 2);
    // A name the bundle lacks is skipped; the rest keep catalog order.
    app.screenshots = { app.screenshots.at(1), u"iina-no-such-shot"_s, app.screenshots.at(0) };
    AppDetailView sheet(app, &engine);
    QVERIFY(sheet.gallery());
    QStringList names;
    for (ScreenshotView *view : sheet.gallery()->views()) {
        names.append(view->name());
        QCOMPARE(view->height(), 300);
        QVERIFY(view->width() > 300); // landscape screenshots keep their proportions
    }
    QCOMPARE(names, (QStringList { app.screenshots.at(0), app.screenshots.at(2) }));
    QVERIFY(visibleTexts(&sheet).contains(u"Screenshots"_s));
}

void TestAppDetailView::galleryIsLeftOutWithoutScreenshots()
{
    Sandbox sandbox;
    CardTestEngine engine(sandbox.environment());
    CatalogApp app = catalogApp(u"maccy"_s);
    app.screenshots = { u"maccy-shot-8"_s, u"maccy-shot-9"_s };
    AppDetailView sheet(app, &engine);
    QVERIFY(!sheet.gallery());
    QVERIFY(!visibleTexts(&sheet).contains(u"Screenshots"_s));
    QVERIFY(visibleTexts(&sheet).contains(u"About"_s));
}

void TestAppDetailView::actionFollowsState_data()
{
    QTest::addColumn<OptionalState>("state");
    QTest::addColumn<bool>("bootstrap");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("not examined") << OptionalState() << false << QStringList { u"Install"_s };
    QTest::newRow("failed shows no message")
        << OptionalState(InstallState::failed(u"Homebrew could not install Maccy (exit 1)."_s)) << false
        << QStringList { u"Try again"_s };
    QTest::newRow("installing") << OptionalState(InstallState::installing(u"Getting Maccy ready."_s)) << false
                                << QStringList { u"Getting Maccy ready."_s };
    QTest::newRow("installed") << OptionalState(InstallState::installed()) << false
                               << QStringList { u"Installed"_s, u"Uninstall"_s };
    QTest::newRow("needs Homebrew") << OptionalState(InstallState::needsHomebrew()) << false
                                    << QStringList { u"Set up Homebrew"_s };
    QTest::newRow("needs Homebrew, setup running")
        << OptionalState(InstallState::needsHomebrew()) << true << QStringList { u"Setting up Homebrew…"_s };
}

void TestAppDetailView::actionFollowsState()
{
    QFETCH(OptionalState, state);
    QFETCH(bool, bootstrap);
    QFETCH(QStringList, texts);

    Sandbox sandbox;
    CardTestEngine engine(sandbox.environment());
    AppDetailView sheet(catalogApp(u"maccy"_s), &engine);
    if (state)
        engine.setState(u"maccy"_s, *state);
    engine.setBootstrapInProgress(bootstrap);
    QCOMPARE(visibleTexts(sheet.actionArea()), texts);
    if (texts == QStringList { u"Set up Homebrew"_s })
        QCOMPARE(visibleButton(&sheet, texts.first())->toolTip(),
            u"One-time setup (needs your Mac password once), then Maccy installs automatically."_s);
    QVERIFY(!visibleTexts(&sheet).contains(u"Homebrew could not install Maccy (exit 1)."_s));
}

void TestAppDetailView::doneClosesTheSheet()
{
    Sandbox sandbox;
    CardTestEngine engine(sandbox.environment());
    AppDetailView sheet(catalogApp(u"maccy"_s), &engine);
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));
    QTest::mouseClick(visibleButton(&sheet, u"Done"_s), Qt::LeftButton);
    QTRY_VERIFY(!sheet.isVisible());
}

QTEST_MAIN(TestAppDetailView)
#include "TestAppDetailView.moc"
