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

bool showing(const WelcomePresenter &presenter)
{
    return presenter.sheet() && presenter.sheet()->isVisible();
}

} // namespace

class TestWelcomeView : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;

    // A main window as the root view sets it up: the presenter attached, then shown.
    struct Window
    {
        QWidget widget;
        WelcomePresenter *presenter;
        Window()
            : presenter(new WelcomePresenter(&widget))
        {
            widget.resize(1000, 680);
            widget.show();
        }
    };

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        UserDefaults::setStandardLocation(m_dir->filePath(u"defaults.ini"_s));
    }

    void cleanup()
    {
        UserDefaults::setStandardLocation(QString());
        m_dir.reset();
    }

    void firstRunShowsTheSheetOverTheWindow()
    {
        Window window;
        QTRY_VERIFY(showing(*window.presenter));
        WelcomeView *sheet = window.presenter->sheet();
        QCOMPARE(sheet->parentWidget(), &window.widget);
        QCOMPARE(sheet->windowModality(), Qt::WindowModal);
        QVERIFY(!seen());
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
            Window window;
            QTRY_VERIFY(showing(*window.presenter));
            WelcomeView *sheet = window.presenter->sheet();
            if (how == u"click"_s)
                QTest::mouseClick(sheet->findChild<QPushButton *>(u"getStarted"_s), Qt::LeftButton);
            else if (how == u"return"_s)
                QTest::keyClick(sheet, Qt::Key_Return);
            else if (how == u"escape"_s)
                QTest::keyClick(sheet, Qt::Key_Escape);
            else
                sheet->close();
            QTRY_VERIFY(!showing(*window.presenter));
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
        Window first;
        Window second;
        QCoreApplication::processEvents();
        QVERIFY(!first.presenter->sheet());
        QVERIFY(!second.presenter->sheet());

        // What "Welcome to Orvando…" in the Help menu does.
        UserDefaults::standard().setBool(seenKey, false);
        QTRY_VERIFY(showing(*first.presenter));
        QTRY_VERIFY(showing(*second.presenter));

        // Getting started in one window closes the other's sheet as well.
        QTest::mouseClick(second.presenter->sheet()->findChild<QPushButton *>(u"getStarted"_s), Qt::LeftButton);
        QTRY_VERIFY(!showing(*first.presenter));
        QTRY_VERIFY(!showing(*second.presenter));
        QVERIFY(seen());

        // And it can come back once more.
        UserDefaults::standard().setBool(seenKey, false);
        QTRY_VERIFY(showing(*first.presenter));
        QTRY_VERIFY(showing(*second.presenter));
    }

    void hiddenWindowWaitsUntilShown()
    {
        QWidget widget;
        WelcomePresenter presenter(&widget);
        UserDefaults::standard().setBool(seenKey, false);
        QCoreApplication::processEvents();
        QVERIFY(!presenter.sheet());
        widget.show();
        QTRY_VERIFY(showing(presenter));
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
            QVERIFY2(inSheet.right() < view.width() - 32 + 1, qPrintable(body->text()));
            QVERIFY2(inSheet.bottom() < view.height(), qPrintable(body->text()));
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
    // Drawn for a Retina screen, as the saved screenshot should look.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestWelcomeView test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestWelcomeView.moc"
