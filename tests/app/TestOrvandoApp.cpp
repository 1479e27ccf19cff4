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
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

// The application object: its windows and their menus.
class TestOrvandoApp : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void openURL(const QUrl &url) { m_opened.append(url); }

private:
    QTemporaryDir m_dir;
    Sandbox m_sandbox;
    std::unique_ptr<UserDefaults> m_defaults;
    std::unique_ptr<OrvandoApp> m_app;
    QList<QUrl> m_opened;

    static QList<QAction *> menu(MainWindow *window, const QString &title)
    {
        for (QAction *entry : window->menuBar()->actions())
            if (entry->menu() && entry->text().remove(u'&') == title)
                return entry->menu()->actions();
        return {};
    }
    static QAction *action(MainWindow *window, const QString &menuTitle, const QString &text)
    {
        for (QAction *entry : menu(window, menuTitle))
            if (entry->text() == text)
                return entry;
        qFatal("no menu item %s", qPrintable(text));
    }

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init()
    {
        static int serial = 0;
        m_defaults = std::make_unique<UserDefaults>(m_dir.filePath(u"defaults-%1.ini"_s.arg(++serial)));
        m_defaults->setBool(WelcomeView::hasSeenWelcomeKey(), true);
        m_opened.clear();
        QDesktopServices::setUrlHandler(u"mailto"_s, this, "openURL");
        m_app = std::make_unique<OrvandoApp>(
            [this] {
                RootView::Options options;
                options.environment = m_sandbox.environment();
                return options;
            },
            m_defaults.get());
    }
    void cleanup()
    {
        m_app.reset();
        QDesktopServices::unsetUrlHandler(u"mailto"_s);
    }

    void windowHasItsTitleSizeAndMenus()
    {
        MainWindow *window = m_app->newWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->windowTitle(), u"orvando"_s);
        QCOMPARE(window->size(), QSize(1000, 680));
        window->resize(400, 300); // no smaller than the content allows
        QVERIFY(window->rootView()->width() >= 900 && window->rootView()->height() >= 600);
        const QList<QAction *> help = menu(window, u"Help"_s);
        QStringList items;
        for (QAction *item : help)
            items << item->text() + (item->shortcuts().isEmpty() ? QString() : u" (shortcut)"_s);
        QCOMPARE(items, (QStringList { u"Welcome to Orvando…"_s, u"Send Feedback…"_s, u"Show Install Logs"_s }));
        QCOMPARE(action(window, u"File"_s, u"New Window"_s)->shortcut(), QKeySequence(QKeySequence::New));
        action(window, u"Help"_s, u"Send Feedback…"_s)->trigger();
        QCOMPARE(m_opened.size(), 1);
        QVERIFY(m_opened.first().toString().startsWith(u"mailto:hello@orvando.app?subject="_s));
    }

    // Filters, drawer and log belong to one window each; a closed window is gone.
    void newWindowIsIndependent()
    {
        MainWindow *first = m_app->newWindow();
        action(first, u"File"_s, u"New Window"_s)->trigger();
        QCOMPARE(m_app->windows().size(), 2);
        QPointer<MainWindow> second = m_app->windows().last();
        QVERIFY(QTest::qWaitForWindowExposed(second));
        QCOMPARE(second->size(), QSize(1000, 680));
        QVERIFY(second->rootView()->engine() != first->rootView()->engine());
        first->rootView()->chooseAllApps();
        first->rootView()->engine()->appendLog(u"==> only here"_s, u"maccy"_s);
        QVERIFY(!second->rootView()->showAllApps());
        QCOMPARE(second->rootView()->engine()->log()->rowCount(), 0);
        action(second, u"File"_s, u"Close Window"_s)->trigger();
        QTRY_VERIFY(second.isNull());
        QCOMPARE(m_app->windows(), QList<MainWindow *>({ first }));
    }

    // Shown in every open window, once each; dismissed in one, closed in all; shown again later.
    void welcomeItemShowsTheSheetInEveryWindow()
    {
        MainWindow *first = m_app->newWindow(), *second = m_app->newWindow();
        QVERIFY(QTest::qWaitForWindowExposed(second));
        WelcomePresenter *one = first->rootView()->welcomePresenter(), *two = second->rootView()->welcomePresenter();
        QVERIFY(!one->sheet() && !two->sheet());
        action(second, u"Help"_s, u"Welcome to Orvando…"_s)->trigger();
        QTRY_VERIFY(one->sheet() && two->sheet());
        QPointer<WelcomeView> sheet = one->sheet();
        action(first, u"Help"_s, u"Welcome to Orvando…"_s)->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(first->rootView()->findChildren<WelcomeView *>(), QList<WelcomeView *> { sheet.data() });
        sheet->reject();
        QVERIFY(m_defaults->boolValue(WelcomeView::hasSeenWelcomeKey()));
        QTRY_VERIFY(!two->sheet());
        action(first, u"Help"_s, u"Welcome to Orvando…"_s)->trigger();
        QTRY_VERIFY(one->sheet());
    }
};

QTEST_MAIN(TestOrvandoApp)
#include "TestOrvandoApp.moc"
