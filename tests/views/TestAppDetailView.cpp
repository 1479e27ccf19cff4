#include "CardTestEngine.h"
#include "WidgetTexts.h"

#include "support/Sandbox.h"
#include "views/AppDetailView.h"
#include "views/DetailActionArea.h"
#include "views/ScreenshotStrip.h"
#include "views/ScreenshotView.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The detail sheet on a real engine: its header, gallery and About section. (Its action control
// is followed through real operations in TestAppCardFlows.)
class TestAppDetailView : public QObject
{
    Q_OBJECT

    Sandbox m_sandbox;
    CardTestEngine m_engine { m_sandbox.environment() };

private Q_SLOTS:
    void initTestCase() { qputenv("ORVANDO_RESOURCES", ORVANDO_SOURCE_DIR "/resources/Orvando_Orvando.bundle"); }

    void headerAndPermissionBoxesFollowTheEntry_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QStringList>("header"); // empty: not checked
        QTest::addColumn<bool>("freemiumSentence");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("free, neither permission")
            << u"maccy"_s
            << QStringList { u"Maccy"_s, u"A clipboard that remembers what you copied."_s, u"Replaces Paste - $30/yr"_s,
                   u"Clipboard & text"_s, u"MIT"_s, u"Free"_s, u"Install"_s }
            << false << QStringList();
        QTest::newRow("freemium, screen recording")
            << u"shottr"_s
            << QStringList { u"Shottr"_s, u"Screenshot, annotate, and pull text out of any image."_s,
                   u"Replaces CleanShot X - $29"_s, u"Media"_s, u"Proprietary"_s, u"Freemium"_s, u"Install"_s }
            << true
            << QStringList { u"Permission required: Shottr needs Screen Recording permission to capture your screen. "
                             u"It will ask on first launch — turn it on in System Settings › Privacy & Security › "
                             u"Screen Recording, then switch on Shottr."_s };
        QTest::newRow("accessibility") << u"rectangle"_s << QStringList() << false
                                       << QStringList { u"Permission required: Rectangle needs Accessibility "
                                                        u"permission to work. It will ask on first launch — turn it "
                                                        u"on in System Settings › Privacy & Security › Accessibility, "
                                                        u"then switch on Rectangle."_s };
    }
    void headerAndPermissionBoxesFollowTheEntry()
    {
        QFETCH(QString, id);
        QFETCH(QStringList, header);
        QFETCH(bool, freemiumSentence);
        QFETCH(QStringList, boxes);
        AppDetailView sheet(catalogApp(id), &m_engine);
        if (!header.isEmpty())
            QCOMPARE(visibleTexts(sheet.findChild<QWidget *>(u"header"_s)), header);
        QCOMPARE(visibleTexts(&sheet).contains(u"The free version is all you need. Pro extras are optional."_s),
            freemiumSentence);
        QStringList shown;
        for (QLabel *label : sheet.findChildren<QLabel *>(u"permissionText"_s))
            shown.append(label->text());
        QCOMPARE(shown, boxes);
        // The boxes explain only: nothing in the sheet opens System Settings.
        for (QAbstractButton *button : sheet.findChildren<QAbstractButton *>())
            QVERIFY(!button->text().contains(u"System Settings"_s));
        QCOMPARE(sheet.minimumSize(), QSize(640, 520));
        QCOMPARE(sheet.size(), QSize(760, 680));
    }

    void galleryShowsFoundScreenshotsInOrder_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("expected"); // empty: no gallery at all
        QTest::newRow("missing name skipped, catalog order kept") << QStringList { u"iina-shot-2"_s,
            u"iina-no-such-shot"_s, u"iina-shot-1"_s } << QStringList { u"iina-shot-2"_s, u"iina-shot-1"_s };
        QTest::newRow("none found") << QStringList { u"maccy-shot-8"_s, u"maccy-shot-9"_s } << QStringList();
    }
    void galleryShowsFoundScreenshotsInOrder()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, expected);
        CatalogApp app = catalogApp(u"iina"_s);
        app.screenshots = names;
        AppDetailView sheet(app, &m_engine);
        QCOMPARE(sheet.gallery() != nullptr, !expected.isEmpty());
        QCOMPARE(visibleTexts(&sheet).contains(u"Screenshots"_s), !expected.isEmpty());
        QVERIFY(visibleTexts(&sheet).contains(u"About"_s));
        QStringList shown;
        for (ScreenshotView *view : sheet.gallery() ? sheet.gallery()->views() : QList<ScreenshotView *>()) {
            shown.append(view->name());
            QCOMPARE(view->height(), 300);
            QVERIFY(view->width() > 300); // landscape screenshots keep their proportions
        }
        QCOMPARE(shown, expected);
    }

    void doneClosesTheSheet()
    {
        AppDetailView sheet(catalogApp(u"maccy"_s), &m_engine);
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        QTest::mouseClick(visibleButton(&sheet, u"Done"_s), Qt::LeftButton);
        QTRY_VERIFY(!sheet.isVisible());
    }
};

QTEST_MAIN(TestAppDetailView)
#include "TestAppDetailView.moc"
