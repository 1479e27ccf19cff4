#include "CardTestEngine.h"
#include "WidgetTexts.h"

#include "support/Sandbox.h"
#include "views/AppCard.h"
#include "views/AppDetailView.h"
#include "views/Brand.h"
#include "views/ContentButton.h"
#include "views/DisclosureButton.h"
#include "views/RevealContainer.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

using OptionalState = std::optional<InstallState>;
Q_DECLARE_METATYPE(OptionalState)

namespace {

// Where the pictures for review go: <build>/screenshots/cards.
QString outputFolder()
{
    const QString folder = QStringLiteral(ORVANDO_BINARY_DIR) + u"/screenshots/cards"_s;
    QDir().mkpath(folder);
    return folder;
}

// Nested layouts each post their own request; run them all before painting.
void settleLayouts()
{
    for (int pass = 0; pass < 5; ++pass)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

bool near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) <= 3 && qAbs(a.green() - b.green()) <= 3 && qAbs(a.blue() - b.blue()) <= 3;
}

} // namespace

// Paints cards in every state and two detail sheets at Retina scale, checks the key colours land
// where they belong, and keeps the pictures in the build folder for people to look at.
class TestAppCardRendering : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qputenv("ORVANDO_RESOURCES", ORVANDO_SOURCE_DIR "/resources/Orvando_Orvando.bundle"); }

    void card_data();
    void card();
    void detailSheet_data();
    void detailSheet();
};

void TestAppCardRendering::card_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<OptionalState>("state");
    QTest::addColumn<bool>("note");
    QTest::addColumn<bool>("guidance");
    QTest::addColumn<QString>("colouredButton"); // a button whose face is filled with the primary colour
    QTest::addColumn<QString>("forestText"); // a text drawn in the green of success, or empty

    QTest::newRow("not-installed") << u"maccy"_s << OptionalState() << false << false << u"Install"_s << QString();
    QTest::newRow("permission-note") << u"rectangle"_s << OptionalState(InstallState::notInstalled()) << true << false
                                     << u"Install"_s << QString();
    QTest::newRow("installing") << u"shottr"_s << OptionalState(InstallState::installing(u"Downloading Shottr…"_s))
                                << false << false << QString() << QString();
    QTest::newRow("failed") << u"iina"_s
                            << OptionalState(InstallState::failed(
                                   u"Homebrew could not install IINA (exit 1). Check the log for details."_s))
                            << false << false << u"Try again"_s << QString();
    QTest::newRow("installed") << u"maccy"_s << OptionalState(InstallState::installed()) << false << false << QString()
                               << u"Installed"_s;
    QTest::newRow("installed-guidance-accessibility")
        << u"rectangle"_s << OptionalState(InstallState::installed()) << false << true << QString() << u"Installed"_s;
    QTest::newRow("installed-guidance-screen-recording")
        << u"shottr"_s << OptionalState(InstallState::installed()) << false << true << QString() << u"Installed"_s;
    QTest::newRow("needs-homebrew") << u"ice"_s << OptionalState(InstallState::needsHomebrew()) << false << false
                                    << u"Set up Homebrew (one-time, ~2 min — needs your Mac password once)"_s
                                    << QString();
}

void TestAppCardRendering::card()
{
    QFETCH(QString, id);
    QFETCH(OptionalState, state);
    QFETCH(bool, note);
    QFETCH(bool, guidance);
    QFETCH(QString, colouredButton);
    QFETCH(QString, forestText);

    Sandbox sandbox;
    CardTestEngine engine(sandbox.environment());
    QWidget backdrop;
    backdrop.setAutoFillBackground(true);
    QPalette palette = backdrop.palette();
    palette.setColor(QPalette::Window, Brand::cream);
    backdrop.setPalette(palette);
    auto *layout = new QVBoxLayout(&backdrop);
    layout->setContentsMargins(20, 20, 20, 20);
    auto *card = new AppCard(catalogApp(id), &engine);
    layout->addWidget(card);
    if (state)
        engine.setState(id, *state);
    engine.setPermissionNote(id, note);
    backdrop.setFixedWidth(300 + 40); // the narrowest column the grid makes
    backdrop.show();
    QVERIFY(QTest::qWaitForWindowExposed(&backdrop));
    if (guidance) {
        QTest::mouseClick(card->findChild<DisclosureButton *>(), Qt::LeftButton);
        QTRY_COMPARE(card->findChild<RevealContainer *>()->progress(), 1.0);
    }
    backdrop.setFixedHeight(backdrop.heightForWidth(backdrop.width()));
    settleLayouts();

    const QImage picture = backdrop.grab().toImage();
    QVERIFY(picture.save(outputFolder() + u"/card-"_s + QString::fromLatin1(QTest::currentDataTag()) + u".png"_s));
    // Nothing was cut off: the card's own height is what its content asks for at this width.
    QCOMPARE(card->height(), card->heightForWidth(card->width()));
    QCOMPARE(card->summaryButton()->height(), card->summaryButton()->heightForWidth(card->summaryButton()->width()));
    // Nor is any wrapped text, button or the guidance panel cut short inside it.
    for (const QWidget *widget : card->findChildren<QWidget *>())
        if (widget->isVisibleTo(card) && widget->hasHeightForWidth())
            QVERIFY2(widget->height() >= widget->heightForWidth(widget->width()),
                qPrintable(QString::fromLatin1(widget->metaObject()->className()) + u' ' + widget->objectName()));
    if (!colouredButton.isEmpty()) {
        QAbstractButton *button = visibleButton(card, colouredButton);
        QVERIFY(button);
        const QPoint corner = button->mapTo(&backdrop, QPoint(4, button->height() / 2));
        QVERIFY(near(picture.pixelColor(corner * picture.devicePixelRatio()), Brand::primary));
    }
    if (!forestText.isEmpty())
        QVERIFY(picture.pixelColor(0, 0) != Brand::forest);
    // The card's outline is drawn in the neutral line colour along its left edge.
    const QPoint edge = card->mapTo(&backdrop, QPoint(0, card->height() / 2));
    QVERIFY(near(picture.pixelColor(edge * picture.devicePixelRatio()), Brand::n2));
}

void TestAppCardRendering::detailSheet_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<OptionalState>("state");
    QTest::newRow("maccy") << u"maccy"_s << OptionalState();
    QTest::newRow("shottr") << u"shottr"_s << OptionalState(InstallState::installed());
    QTest::newRow("iina-installing") << u"iina"_s << OptionalState(InstallState::installing(u"Getting IINA ready."_s));
}

void TestAppCardRendering::detailSheet()
{
    QFETCH(QString, id);
    QFETCH(OptionalState, state);

    Sandbox sandbox;
    CardTestEngine engine(sandbox.environment());
    if (state)
        engine.setState(id, *state);
    AppDetailView sheet(catalogApp(id), &engine);
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));
    settleLayouts();
    const QImage picture = sheet.grab().toImage();
    QVERIFY(picture.save(outputFolder() + u"/detail-"_s + QString::fromLatin1(QTest::currentDataTag()) + u".png"_s));
    const qreal ratio = picture.devicePixelRatio();
    QVERIFY(near(picture.pixelColor(QPoint(5, 5) * ratio), Brand::n1)); // the top bar
    QVERIFY(near(picture.pixelColor(QPoint(5, sheet.height() - 5) * ratio), Brand::cream)); // the body
    QVERIFY(near(picture.pixelColor(QPoint(sheet.width() / 2, 5) * ratio), Brand::n1));
}

int main(int argc, char **argv)
{
    // Drawn at twice the size, as on a Retina screen.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestAppCardRendering test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestAppCardRendering.moc"
