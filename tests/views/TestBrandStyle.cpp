#include "CardTestEngine.h"

#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"
#include "views/AppCard.h"
#include "views/Brand.h"
#include "views/BrandStyle.h"
#include "views/ReplacesLine.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using Brand::Scheme;

namespace {

// WCAG 2 relative luminance and contrast ratio.
double luminance(const QColor &color)
{
    const auto channel = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) + 0.0722 * channel(color.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

// The brand palette's dark variant keeps every text readable where it is drawn, and the program
// follows a change of the system's appearance while it runs.
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
        QPalette platform(window);
        platform.setColor(QPalette::Window, window);
        QCOMPARE(Brand::schemeFor(platform), dark ? Scheme::Dark : Scheme::Light);
    }

    // Worked out anew, as a change of the system's appearance does, the palette reaches widgets
    // already on screen, their drawn surfaces and the colours a label keeps in its rich text.
    void followsTheSystemAppearanceLive()
    {
        Sandbox sandbox;
        CardTestEngine engine(sandbox.environment());
        AppCard card(catalogApp(u"maccy"_s), &engine);
        card.resize(320, card.heightForWidth(320));
        card.show();
        QVERIFY(QTest::qWaitForWindowExposed(&card));
        auto *tagline = card.findChild<QLabel *>(u"taglineLabel"_s);
        auto *price = card.findChild<ReplacesLine *>();
        for (const Scheme scheme : { Scheme::Dark, Scheme::Light }) {
            const Brand::Colors &colors = Brand::colors(scheme);
            ScopedEnvironmentVariable appearance("ORVANDO_APPEARANCE", scheme == Scheme::Dark ? "dark" : "light");
            BrandStyle::refreshPalette();
            QCOMPARE(QApplication::palette().color(QPalette::Window), colors.cream);
            // Windows hear of it through the event loop, and hand it down to what they hold.
            QTRY_COMPARE(tagline->palette().color(tagline->foregroundRole()), colors.n3);
            QVERIFY(price->text().contains(colors.n3.name()));
            QCOMPARE(card.grab().toImage().pixelColor(9, card.height() / 2), colors.cream);
        }
    }
};

QTEST_MAIN(TestBrandStyle)
#include "TestBrandStyle.moc"
