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

// Saves the picture for review as <build>/screenshots/cards/<prefix><data tag>.png.
bool save(const QImage &picture, const QString &prefix)
{
    const QString folder = QStringLiteral(ORVANDO_BINARY_DIR) + u"/screenshots/cards"_s;
    QDir().mkpath(folder);
    return picture.save(folder + u'/' + prefix + QString::fromLatin1(QTest::currentDataTag()) + u".png"_s);
}

// Nested layouts each post their own request; run them all before painting.
void settleLayouts()
{
    for (int pass = 0; pass < 5; ++pass)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

bool near(const QImage &picture, QPoint point, const QColor &b)
{
    const QColor a = picture.pixelColor(point * picture.devicePixelRatio());
    return qAbs(a.red() - b.red()) <= 3 && qAbs(a.green() - b.green()) <= 3 && qAbs(a.blue() - b.blue()) <= 3;
}

} // namespace

// Paints cards in every state and detail sheets at Retina scale, checks the key colours land
// where they belong, and keeps the pictures in the build folder for people to look at.
class TestAppCardRendering : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qputenv("ORVANDO_RESOURCES", ORVANDO_SOURCE_DIR "/resources/Orvando_Orvando.bundle"); }

    void card_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<OptionalState>("state");
        QTest::addColumn<bool>("note");
        QTest::addColumn<bool>("guidance");
        QTest::addColumn<QString>("colouredButton"); // a button whose face is filled with the primary colour
        const auto row
            = [](const char *tag, const QString &id, OptionalState state, bool note, bool guidance,
                  const QString &button) { QTest::newRow(tag) << id << state << note << guidance << button; };
        row("not-installed", u"maccy"_s, std::nullopt, false, false, u"Install"_s);
        row("permission-note", u"rectangle"_s, InstallState::notInstalled(), true, false, u"Install"_s);
        row("installing", u"shottr"_s, InstallState::installing(u"Downloading Shottr…"_s), false, false, {});
        row("failed", u"iina"_s,
            InstallState::failed(u"Homebrew could not install IINA (exit 1). Check the log for details."_s), false,
            false, u"Try again"_s);
        row("installed", u"maccy"_s, InstallState::installed(), false, false, {});
        row("installed-guidance-accessibility", u"rectangle"_s, InstallState::installed(), false, true, {});
        row("installed-guidance-screen-recording", u"shottr"_s, InstallState::installed(), false, true, {});
        row("needs-homebrew", u"ice"_s, InstallState::needsHomebrew(), false, false,
            u"Set up Homebrew (one-time, ~2 min — needs your Mac password once)"_s);
    }
    void card()
    {
        QFETCH(QString, id);
        QFETCH(OptionalState, state);
        QFETCH(bool, note);
        QFETCH(bool, guidance);
        QFETCH(QString, colouredButton);
        Sandbox sandbox;
        CardTestEngine engine(sandbox.environment());
        QWidget backdrop;
        backdrop.setAutoFillBackground(true);
        QPalette palette;
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
        QVERIFY(save(picture, u"card-"_s));

        // Nothing was cut off: the card, and every wrapped text, button or panel inside it, has
        // the height its content asks for at this width.
        QCOMPARE(card->height(), card->heightForWidth(card->width()));
        for (const QWidget *widget : card->findChildren<QWidget *>())
            if (widget->isVisibleTo(card) && widget->hasHeightForWidth())
                QVERIFY2(widget->height() >= widget->heightForWidth(widget->width()),
                    qPrintable(QString::fromLatin1(widget->metaObject()->className()) + u' ' + widget->objectName()));
        if (!colouredButton.isEmpty()) {
            QAbstractButton *button = visibleButton(card, colouredButton);
            QVERIFY(button);
            QVERIFY(near(picture, button->mapTo(&backdrop, QPoint(4, button->height() / 2)), Brand::primary));
        }
        // The card's outline is drawn in the neutral line colour along its left edge.
        QVERIFY(near(picture, card->mapTo(&backdrop, QPoint(0, card->height() / 2)), Brand::n2));
    }

    void detailSheet_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<OptionalState>("state");
        QTest::newRow("maccy") << u"maccy"_s << OptionalState();
        QTest::newRow("shottr") << u"shottr"_s << OptionalState(InstallState::installed());
        QTest::newRow("iina-installing") << u"iina"_s
                                         << OptionalState(InstallState::installing(u"Getting IINA ready."_s));
    }
    void detailSheet()
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
        QVERIFY(save(picture, u"detail-"_s));
        QVERIFY(near(picture, QPoint(5, 5), Brand::n1)); // the top bar, across
        QVERIFY(near(picture, QPoint(sheet.width() / 2, 5), Brand::n1));
        QVERIFY(near(picture, QPoint(5, sheet.height() - 5), Brand::cream)); // the body
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2"); // drawn at twice the size, as on a Retina screen
    QApplication app(argc, argv);
    TestAppCardRendering test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestAppCardRendering.moc"
