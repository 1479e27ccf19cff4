#include "app/MainWindow.h"
#include "app/OrvandoApp.h"
#include "engine/InstallEngine.h"
#include "platform/UserDefaults.h"
#include "support/Sandbox.h"
#include "views/RootView.h"
#include "views/WelcomePresenter.h"
#include "views/WelcomeView.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class TestOrvandoApp : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void openURL(const QUrl &url) { m_opened.append(url); }

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void windowHasTitleSizesAndRootView();
    void helpMenuHoldsThreeItemsWithoutShortcuts();
    void newWindowOpensIndependentWindow();
    void welcomeItemShowsSheetInEveryOpenWindow();
    void sendFeedbackOpensMailMessage();
    void closedWindowIsGone();

private:
    QMenu *menu(MainWindow *window, const QString &title) const;
    QAction *action(MainWindow *window, const QString &menuTitle, const QString &text) const;

    QTemporaryDir m_dir;
    std::unique_ptr<Sandbox> m_sandbox;
    std::unique_ptr<UserDefaults> m_defaults;
    std::unique_ptr<OrvandoApp> m_app;
    QList<QUrl> m_opened;
    int m_serial = 0;
};

void TestOrvandoApp::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
    // Closing a test's last window must not end the test's event loops.
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestOrvandoApp::init()
{
    m_sandbox = std::make_unique<Sandbox>();
    m_defaults = std::make_unique<UserDefaults>(m_dir.filePath(u"defaults-%1.ini"_s.arg(++m_serial)));
    m_defaults->setBool(WelcomeView::hasSeenWelcomeKey(), true);
    m_opened.clear();
    QDesktopServices::setUrlHandler(u"mailto"_s, this, "openURL");
    m_app = std::make_unique<OrvandoApp>(
        [this] {
            RootView::Options options;
            options.environment = m_sandbox->environment();
            return options;
        },
        m_defaults.get());
}

void TestOrvandoApp::cleanup()
{
    m_app.reset();
    QDesktopServices::unsetUrlHandler(u"mailto"_s);
    m_defaults.reset();
    m_sandbox.reset();
}

QMenu *TestOrvandoApp::menu(MainWindow *window, const QString &title) const
{
    const QList<QAction *> menus = window->menuBar()->actions();
    for (QAction *entry : menus) {
        if (entry->menu() && entry->text().remove(u'&') == title)
            return entry->menu();
    }
    return nullptr;
}

QAction *TestOrvandoApp::action(MainWindow *window, const QString &menuTitle, const QString &text) const
{
    QMenu *found = menu(window, menuTitle);
    if (!found)
        return nullptr;
    const QList<QAction *> actions = found->actions();
    for (QAction *entry : actions) {
        if (entry->text() == text)
            return entry;
    }
    return nullptr;
}

void TestOrvandoApp::windowHasTitleSizesAndRootView()
{
    MainWindow *window = m_app->newWindow();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->windowTitle(), u"orvando"_s);
    QCOMPARE(window->size(), QSize(1000, 680));
    QVERIFY(window->rootView());
    QCOMPARE(window->centralWidget(), window->rootView());
    QCOMPARE(window->rootView()->minimumSize(), QSize(900, 600));

    // The window cannot be made smaller than its content allows.
    window->resize(400, 300);
    QVERIFY(window->rootView()->width() >= 900);
    QVERIFY(window->rootView()->height() >= 600);
}

void TestOrvandoApp::helpMenuHoldsThreeItemsWithoutShortcuts()
{
    MainWindow *window = m_app->newWindow();
    QMenu *help = menu(window, u"Help"_s);
    QVERIFY(help);
    const QList<QAction *> items = help->actions();
    QCOMPARE(items.size(), 3);
    QCOMPARE(items.at(0)->text(), u"Welcome to Orvando\u2026"_s);
    QCOMPARE(items.at(1)->text(), u"Send Feedback\u2026"_s);
    QCOMPARE(items.at(2)->text(), u"Show Install Logs"_s);
    for (QAction *item : items) {
        QVERIFY(item->shortcuts().isEmpty());
        QVERIFY(!item->text().contains(u"..."_s));
    }
    QAction *open = action(window, u"File"_s, u"New Window"_s);
    QVERIFY(open);
    QCOMPARE(open->shortcut(), QKeySequence(QKeySequence::New));
}

void TestOrvandoApp::newWindowOpensIndependentWindow()
{
    MainWindow *first = m_app->newWindow();
    QVERIFY(QTest::qWaitForWindowExposed(first));
    action(first, u"File"_s, u"New Window"_s)->trigger();
    QCOMPARE(m_app->windows().size(), 2);
    MainWindow *second = m_app->windows().last();
    QVERIFY(second != first);
    QVERIFY(QTest::qWaitForWindowExposed(second));
    QCOMPARE(second->size(), QSize(1000, 680));
    QCOMPARE(second->windowTitle(), u"orvando"_s);
    QVERIFY(second->rootView() != first->rootView());
    QVERIFY(second->rootView()->engine() != first->rootView()->engine());

    // Filters, drawer and log belong to one window each.
    first->rootView()->chooseAllApps();
    first->rootView()->engine()->appendLog(u"==> only here"_s, u"maccy"_s);
    QVERIFY(!second->rootView()->showAllApps());
    QCOMPARE(second->rootView()->engine()->log()->rowCount(), 0);
}

void TestOrvandoApp::welcomeItemShowsSheetInEveryOpenWindow()
{
    MainWindow *first = m_app->newWindow();
    MainWindow *second = m_app->newWindow();
    QVERIFY(QTest::qWaitForWindowExposed(first));
    QVERIFY(QTest::qWaitForWindowExposed(second));
    QCoreApplication::processEvents();
    WelcomePresenter *firstPresenter = first->rootView()->welcomePresenter();
    WelcomePresenter *secondPresenter = second->rootView()->welcomePresenter();
    QVERIFY(!firstPresenter->sheet());
    QVERIFY(!secondPresenter->sheet());

    action(second, u"Help"_s, u"Welcome to Orvando\u2026"_s)->trigger();
    QVERIFY(!m_defaults->boolValue(WelcomeView::hasSeenWelcomeKey(), true));
    QTRY_VERIFY(firstPresenter->sheet());
    QTRY_VERIFY(secondPresenter->sheet());
    QPointer<WelcomeView> firstSheet = firstPresenter->sheet();

    // Chosen again while showing: the same sheet stays.
    action(first, u"Help"_s, u"Welcome to Orvando\u2026"_s)->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(firstPresenter->sheet(), firstSheet.data());
    QCOMPARE(first->rootView()->findChildren<WelcomeView *>().size(), 1);

    // Dismissed in one window: stored, and the other window's sheet closes too.
    firstSheet->reject();
    QVERIFY(m_defaults->boolValue(WelcomeView::hasSeenWelcomeKey()));
    QTRY_VERIFY(!secondPresenter->sheet());

    // And it comes back after being dismissed.
    action(first, u"Help"_s, u"Welcome to Orvando\u2026"_s)->trigger();
    QTRY_VERIFY(firstPresenter->sheet());
}

void TestOrvandoApp::sendFeedbackOpensMailMessage()
{
    MainWindow *window = m_app->newWindow();
    action(window, u"Help"_s, u"Send Feedback\u2026"_s)->trigger();
    QCOMPARE(m_opened.size(), 1);
    QCOMPARE(m_opened.first().scheme(), u"mailto"_s);
    QVERIFY(m_opened.first().toString().startsWith(u"mailto:hello@orvando.app?subject="_s));
    QCOMPARE(m_app->windows().size(), 1);
}

void TestOrvandoApp::closedWindowIsGone()
{
    MainWindow *first = m_app->newWindow();
    QPointer<MainWindow> second = m_app->newWindow();
    QVERIFY(QTest::qWaitForWindowExposed(second));
    action(second, u"File"_s, u"Close Window"_s)->trigger();
    QTRY_VERIFY(second.isNull());
    QCOMPARE(m_app->windows(), QList<MainWindow *>({ first }));
}

QTEST_MAIN(TestOrvandoApp)
#include "TestOrvandoApp.moc"
