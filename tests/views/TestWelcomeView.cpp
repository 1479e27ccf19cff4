// The welcome sheet over real windows, with the flag in a temporary user-defaults store.
#include "platform/UserDefaults.h"
#include "views/WelcomePresenter.h"
#include "views/WelcomeView.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString seenKey = u"hasSeenWelcome"_s;

bool seen()
{
    return UserDefaults::standard().boolValue(seenKey, false);
}

// A main window as the root view sets it up: the presenter attached, then shown.
struct Window
{
    QWidget widget;
    WelcomePresenter *presenter = new WelcomePresenter(&widget);
    explicit Window(bool show = true)
    {
        widget.resize(1000, 680);
        widget.setVisible(show);
    }
    bool showing() const { return presenter->sheet() && presenter->sheet()->isVisible(); }
    QPushButton *getStarted() const { return presenter->sheet()->findChild<QPushButton *>(u"getStarted"_s); }
};

} // namespace

class TestWelcomeView : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        UserDefaults::setStandardLocation(m_dir->filePath(u"defaults.ini"_s));
    }
    void cleanup()
    {
        UserDefaults::setStandardLocation(QString());
        m_dir.reset();
    }

    void everyDismissalStoresSeen_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Get started") << u"click"_s;
        QTest::newRow("Return key") << u"return"_s;
        QTest::newRow("Escape key") << u"escape"_s;
        QTest::newRow("window closed") << u"close"_s;
    }
    void everyDismissalStoresSeen()
    {
        QFETCH(QString, how);
        {
            Window window; // the first run shows the sheet over the window
            QTRY_VERIFY(window.showing());
            WelcomeView *sheet = window.presenter->sheet();
            QCOMPARE(sheet->parentWidget(), &window.widget);
            QCOMPARE(sheet->windowModality(), Qt::WindowModal);
            QVERIFY(!seen());
            if (how == u"click"_s)
                QTest::mouseClick(window.getStarted(), Qt::LeftButton);
            else if (how == u"close"_s)
                sheet->close();
            else
                QTest::keyClick(sheet, how == u"return"_s ? Qt::Key_Return : Qt::Key_Escape);
            QTRY_VERIFY(!window.showing());
            QVERIFY(seen());
        }
        // A later launch does not show it again.
        Window later;
        QCoreApplication::processEvents();
        QVERIFY(!later.presenter->sheet());
    }

    void helpMenuShowsItAgainInEveryWindow()
    {
        UserDefaults::standard().setBool(seenKey, true);
        Window first, second;
        QCoreApplication::processEvents();
        QVERIFY(!first.presenter->sheet() && !second.presenter->sheet());
        for (int round = 0; round < 2; ++round) { // and again after it was dismissed
            UserDefaults::standard().setBool(seenKey, false); // what "Welcome to Orvando…" does
            QTRY_VERIFY(first.showing());
            QTRY_VERIFY(second.showing());
            // Getting started in one window closes the other's sheet as well.
            QTest::mouseClick(second.getStarted(), Qt::LeftButton);
            QTRY_VERIFY(!first.showing());
            QTRY_VERIFY(!second.showing());
            QVERIFY(seen());
        }
    }

    void hiddenWindowWaitsUntilShown()
    {
        Window window(false);
        QCoreApplication::processEvents();
        QVERIFY(!window.presenter->sheet());
        window.widget.show();
        QTRY_VERIFY(window.showing());
    }

    void panelTextsWrapWithinTheSheet()
    {
        WelcomeView view;
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.width(), 460);
        const QList<QLabel *> bodies = view.findChildren<QLabel *>(u"panelBody"_s);
        QCOMPARE(bodies.size(), 2);
        for (QLabel *body : bodies) {
            const QRect inSheet(body->mapTo(&view, QPoint(0, 0)), body->size());
            QVERIFY2(
                inSheet.right() < view.width() - 32 + 1 && inSheet.bottom() < view.height(), qPrintable(body->text()));
            // Given the height its wrapped text needs, on more than one line.
            QVERIFY(body->height() >= body->heightForWidth(body->width()));
            QVERIFY(body->height() > 1.5 * body->fontMetrics().height());
        }
        QDir().mkpath(QStringLiteral(ORVANDO_BINARY_DIR "/screenshots"));
        QVERIFY(view.grab().save(QStringLiteral(ORVANDO_BINARY_DIR "/screenshots/welcome.png")));
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2"); // drawn for a Retina screen, as the saved screenshot should look
    QApplication app(argc, argv);
    TestWelcomeView test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestWelcomeView.moc"
