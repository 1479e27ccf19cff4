#include "platform/UserDefaults.h"
#include "views/WelcomePresenter.h"
#include "views/WelcomeView.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The welcome sheet over real windows, with the flag in a temporary user-defaults store.
class TestWelcomeView : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    static bool seen() { return UserDefaults::standard().boolValue(WelcomeView::hasSeenWelcomeKey(), false); }

private Q_SLOTS:
    void init() { UserDefaults::setStandardLocation(m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()))); }
    void cleanup() { UserDefaults::setStandardLocation(QString()); }

    // Shown over the window once it is shown, until dismissed in any way; not on a later run.
    void everyDismissalStoresSeen_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("Get started") << 0;
        QTest::newRow("Return key") << 1;
        QTest::newRow("Escape key") << 2;
        QTest::newRow("window closed") << 3;
    }
    void everyDismissalStoresSeen()
    {
        QFETCH(int, how);
        {
            QWidget window;
            WelcomePresenter presenter(&window);
            QCoreApplication::processEvents();
            QVERIFY(!presenter.sheet()); // a hidden window waits
            window.show();
            QTRY_VERIFY(presenter.sheet() && presenter.sheet()->isVisible());
            WelcomeView *sheet = presenter.sheet();
            QCOMPARE(sheet->parentWidget(), &window);
            QCOMPARE(sheet->windowModality(), Qt::WindowModal);
            QVERIFY(!seen());
            if (how == 0)
                QTest::mouseClick(sheet->findChild<QPushButton *>(u"getStarted"_s), Qt::LeftButton);
            else if (how == 3)
                sheet->close();
            else
                QTest::keyClick(sheet, how == 1 ? Qt::Key_Return : Qt::Key_Escape);
            QTRY_VERIFY(!presenter.sheet() || !presenter.sheet()->isVisible());
            QVERIFY(seen());
        }
        QWidget later;
        WelcomePresenter presenter(&later);
        later.show();
        QCoreApplication::processEvents();
        QVERIFY(!presenter.sheet());
    }
};

QTEST_MAIN(TestWelcomeView)
#include "TestWelcomeView.moc"
