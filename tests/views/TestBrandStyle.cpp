#include "CardTestEngine.h"

#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"
#include "views/AppCard.h"
#include "views/Brand.h"
#include "views/BrandStyle.h"
#include "views/Symbols.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using Brand::Scheme;

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

// The brand palette and symbols: the dark variant keeps every text readable where it is drawn,
// the variant follows the system's appearance, also while the program runs, and every symbol
// draws in the colour of its palette role.
class TestBrandStyle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { BrandStyle::install(); }

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
        CardTestEngine engine(sandbox.environment());
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
        const QImage image = Symbols::icon(name, Brand::forest).pixmap(QSize(24, 24), 1.0).toImage();
        QCOMPARE(image.size(), QSize(24, 24));
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y).alpha() == 255 && ++opaque)
                    QCOMPARE(image.pixelColor(x, y), QApplication::palette().color(Brand::forest));
        QVERIFY2(opaque > 10, qPrintable(QString::number(opaque)));
    }
};

QTEST_MAIN(TestBrandStyle)
#include "TestBrandStyle.moc"
