#include "catalog/CatalogApp.h"
#include "support/EngineTestKit.h"
#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"
#include "views/card/AppCard.h"
#include "views/style/Brand.h"
#include "views/style/BrandStyle.h"
#include "views/style/Controls.h"
#include "views/style/Symbols.h"
#include "views/style/Typography.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using Brand::Scheme;
using EngineTestKit::catalogApp;

namespace {

// WCAG 2 contrast ratio, from each colour's relative luminance.
double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto channel = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

// The brand's look over stock widgets: readable colours in both appearances, a focus ring a
// keyboard user sees, the palette following the system, symbols in their roles, settled fonts.
class TestBrandStyle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("ORVANDO_RESOURCES", ORVANDO_SOURCE_DIR "/resources/Orvando_Orvando.bundle");
        QStandardPaths::setTestModeEnabled(true);
        BrandStyle::install();
    }

    // The brand palette and symbols: the dark variant keeps every text readable where it is drawn,
    // the variant follows the system's appearance, also while the program runs, and every symbol
    // draws in the colour of its palette role.
    void darkTextReadsOnEverySurface_data()
    {
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("background");
        const QPalette p = Brand::palette(Scheme::Dark);
        const auto c = [&p](QPalette::ColorRole role) { return p.color(role); };
        const QList<std::pair<const char *, QPalette::ColorRole>> inks { { "warm black", Brand::warmBlack },
            { "n3", Brand::n3 }, { "primary", Brand::primary }, { "deep terra", Brand::deepTerra },
            { "forest", Brand::forest } };
        for (const auto &[ink, role] : inks) {
            QTest::addRow("%s on cream", ink) << c(role) << c(Brand::cream);
            QTest::addRow("%s on n1", ink) << c(role) << c(Brand::n1);
            QTest::addRow("%s pill", ink) << c(role) << Brand::over(c(role), c(Brand::cream), 0.12);
        }
        QTest::newRow("selected sidebar row")
            << c(Brand::primary) << Brand::over(c(Brand::primary), c(Brand::n1), 0.12);
        QTest::newRow("filled button") << c(Brand::onPrimary) << c(Brand::primary);
        QTest::newRow("search text") << c(QPalette::Text) << c(QPalette::Base);
        QTest::newRow("search placeholder") << c(QPalette::PlaceholderText) << c(QPalette::Base);
        QTest::newRow("selected log line")
            << c(QPalette::Text) << Brand::over(c(QPalette::Highlight), c(Brand::cream), 0.18);
        QTest::newRow("replaced app's price") << Brand::dimmedText(p, Brand::cream, 0.55) << c(Brand::cream);
        QTest::newRow("Homebrew reassurance") << Brand::dimmedText(p, Brand::n1, 0.85) << c(Brand::n1);
    }
    void darkTextReadsOnEverySurface()
    {
        QFETCH(QColor, text);
        QFETCH(QColor, background);
        QVERIFY2(contrast(text, background) >= 4.5, qPrintable(QString::number(contrast(text, background))));
    }

    // A keyboard user sees where focus is, in both appearances: the ring stands out at 3:1 from what
    // it is drawn next to on every kind of control, and a focused filled button looks unlike an unfocused one.
    void focusIsSeenOnEveryControl()
    {
        using Look = BrandStyle::Look;
        for (const Scheme scheme : { Scheme::Light, Scheme::Dark }) {
            const QPalette p = Brand::palette(scheme);
            const auto c = [&p](QPalette::ColorRole role) { return p.color(role); };
            // Inside a filled control, its fill; elsewhere the surfaces controls sit on, and a list row's selection.
            for (int each = int(Look::None); each <= int(Look::Field); ++each) {
                QList<QColor> beside { c(Brand::cream), c(Brand::n1), c(QPalette::Base) };
                if (Look(each) == Look::Filled)
                    beside = { c(Brand::primary) };
                else if (Look(each) == Look::None)
                    beside += { Brand::over(c(Brand::primary), c(Brand::n1), 0.12),
                        Brand::over(c(QPalette::Highlight), c(Brand::cream), 0.18) };
                for (const QColor &next : beside) {
                    const double ratio = contrast(BrandStyle::focusRingColor(Look(each), p), next);
                    QVERIFY2(ratio >= 3, qPrintable(u"look %1 by %2: %3"_s.arg(each).arg(next.name()).arg(ratio)));
                }
            }
            QWidget window;
            window.setPalette(p);
            QPushButton *button = Controls::button(
                u"Try again"_s, Look::Filled, Brand::onPrimary, Typography::font(14, QFont::Medium), {}, &window);
            button->adjustSize();
            window.show();
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            QTest::keyClick(&window, Qt::Key_Tab); // the one control there, reached from the keyboard
            const QImage focused = button->grab().toImage();
            button->clearFocus();
            const QImage unfocused = button->grab().toImage();
            // Pixels the ring turns 3:1 apart from what was there: half way round at least.
            int changed = 0;
            for (int y = 0; y < focused.height(); ++y)
                for (int x = 0; x < focused.width(); ++x)
                    changed += contrast(focused.pixelColor(x, y), unfocused.pixelColor(x, y)) >= 3;
            QVERIFY2(changed >= button->width() + button->height(), qPrintable(QString::number(changed)));
        }
    }

    void schemeFollowsThePlatform_data()
    {
        QTest::addColumn<QColor>("window");
        QTest::addColumn<QByteArray>("forced");
        QTest::addColumn<bool>("dark");
        QTest::newRow("light system") << QColor(Qt::white) << QByteArray() << false;
        QTest::newRow("dark system") << QColor(30, 30, 30) << QByteArray() << true;
        QTest::newRow("dark forced on a light system") << QColor(Qt::white) << QByteArray("dark") << true;
        QTest::newRow("light forced on a dark system") << QColor(30, 30, 30) << QByteArray("Light") << false;
    }
    void schemeFollowsThePlatform()
    {
        QFETCH(QColor, window);
        QFETCH(QByteArray, forced);
        QFETCH(bool, dark);
        ScopedEnvironmentVariable appearance("ORVANDO_APPEARANCE", forced);
        QCOMPARE(Brand::schemeFor(QPalette(window, window)), dark ? Scheme::Dark : Scheme::Light);
    }

    // Worked out anew, as a change of the system's appearance does, the palette reaches widgets
    // already on screen and what they draw.
    void followsTheSystemAppearanceLive()
    {
        Sandbox sandbox;
        EngineTestKit::TestEngine engine(sandbox.environment());
        AppCard card(catalogApp(u"maccy"_s), &engine);
        card.resize(320, card.heightForWidth(320));
        card.show();
        QVERIFY(QTest::qWaitForWindowExposed(&card));
        auto *tagline = card.findChild<QLabel *>(u"taglineLabel"_s);
        for (const Scheme scheme : { Scheme::Dark, Scheme::Light }) {
            const Brand::Colors &colors = Brand::colors(scheme);
            ScopedEnvironmentVariable appearance("ORVANDO_APPEARANCE", scheme == Scheme::Dark ? "dark" : "light");
            BrandStyle::refreshPalette();
            QCOMPARE(QApplication::palette().color(QPalette::Window), colors.cream);
            // Windows hear of it through the event loop, and hand it down to what they hold.
            QTRY_COMPARE(tagline->palette().color(tagline->foregroundRole()), colors.n3);
            QCOMPARE(card.grab().toImage().pixelColor(9, card.height() / 2), colors.cream);
        }
    }

    void everySymbolDrawsInItsRole_data()
    {
        QTest::addColumn<QString>("name");
        QStringList names { u"rosette"_s, u"square.grid.2x2"_s, u"envelope"_s, u"gearshape"_s, u"magnifyingglass"_s,
            u"xmark.circle.fill"_s, u"chevron.down"_s, u"chevron.up"_s, u"chevron.right"_s, u"sparkles"_s,
            u"hand.raised"_s, u"lock.shield"_s, u"rectangle.dashed.badge.record"_s, u"play.fill"_s,
            u"arrow.up.forward.app"_s, u"arrow.up.forward"_s, u"checkmark"_s, u"wrench.and.screwdriver"_s };
        for (CatalogApp::Category category : CatalogApp::allCategories())
            names << CatalogApp::symbol(category);
        names.removeDuplicates();
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << name;
    }
    void everySymbolDrawsInItsRole()
    {
        QFETCH(QString, name);
        const QColor ink = QApplication::palette().color(Brand::forest);
        const auto checkTinted = [&ink](const QImage &image, int side) {
            QCOMPARE(image.size(), QSize(side, side));
            int opaque = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixelColor(x, y).alpha() == 255 && ++opaque)
                        QCOMPARE(image.pixelColor(x, y), ink);
            QVERIFY2(opaque > 10, qPrintable(QString::number(opaque)));
        };
        checkTinted(Symbols::icon(name, Brand::forest).pixmap(QSize(24, 24), 1.0).toImage(), 24);
        // Drawn ahead on a worker thread (as for the sidebar before the first frame), then tinted.
        Symbols::prefetch({ name }, 11, 2.0);
        checkTinted(Symbols::pixmap(name, ink, 11, 2.0).toImage(), 22);
    }

    // A medium weight asked for while the font list was still being read is settled when the
    // widget is polished, before anything measures it.
    void mediumWeightSettledWhenPolished()
    {
        QFont medium = QApplication::font();
        medium.setPixelSize(15);
        medium.setWeight(QFont::Medium);
        QLabel label(u"Install"_s);
        label.setFont(medium);
        label.ensurePolished();
        QCOMPARE(label.font().weight(), Typography::weight(QFont::Medium));
        QCOMPARE(label.font().pixelSize(), 15);
        QCOMPARE(Typography::font(15, QFont::Medium).weight(), Typography::weight(QFont::Medium));
    }
};

QTEST_MAIN(TestBrandStyle)
#include "TestBrandStyle.moc"
