#include "WidgetTexts.h"

#include "catalog/Catalog.h"
#include "engine/BatchInstaller.h"
#include "engine/EngineServices.h"
#include "engine/InstallEngine.h"
#include "engine/facts/UpdateChecker.h"
#include "platform/SettingsKeys.h"
#include "platform/UserDefaults.h"
#include "support/EngineTestKit.h"
#include "support/LocalHttpServer.h"
#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"
#include "telemetry/Analytics.h"
#include "views/card/AppCard.h"
#include "views/card/AppSelectBox.h"
#include "views/settings/SettingsView.h"
#include "views/style/BrandStyle.h"
#include "views/window/AppGrid.h"
#include "views/window/AppSelection.h"
#include "views/window/AppSetTransfer.h"
#include "views/window/BatchFooter.h"
#include "views/window/EmptyState.h"
#include "views/window/ImportConfirmation.h"
#include "views/window/LogDrawer.h"
#include "views/window/LogListView.h"
#include "views/window/RootView.h"
#include "views/window/Sidebar.h"
#include "views/window/UpdatesView.h"
#include "views/window/WelcomePresenter.h"
#include "views/window/WelcomeView.h"

#include <QAccessible>
#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QVariantAnimation>

#include <memory>

using namespace Qt::StringLiterals;
using EngineTestKit::catalogApp;
using Category = CatalogApp::Category;
using EngineTestKit::idsOf;
Q_DECLARE_METATYPE(InstallState)

namespace {

// Selected as the list shows it and as assistive technology reads it.
bool selected(Sidebar *sidebar, const QModelIndex &row)
{
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(sidebar->list());
    QAccessibleInterface *cell = list->tableInterface()->cellAt(row.row(), 0);
    return sidebar->isSelected(row) && cell && cell->state().selected;
}

void click(Sidebar *sidebar, const QModelIndex &row)
{
    QTest::mouseClick(sidebar->list()->viewport(), Qt::LeftButton, {}, sidebar->list()->visualRect(row).center());
}

} // namespace

// One window's content over a sandbox Mac: filters, search, cards, the log drawer, the sheets.
class TestRootView : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void openURL(const QUrl &url) { m_opened.append(url); }

private:
    QTemporaryDir m_dir;
    Sandbox m_sandbox;
    std::unique_ptr<LocalHttpServer> m_server;
    std::unique_ptr<UserDefaults> m_defaults;
    std::unique_ptr<Analytics> m_analytics;
    QList<QUrl> m_opened;

    // Over the test's sandbox unless given another.
    std::unique_ptr<RootView> shownView(const Sandbox *sandbox = nullptr)
    {
        RootView::Options options;
        options.environment = (sandbox ? sandbox : &m_sandbox)->environment();
        options.analytics = m_analytics.get();
        options.defaults = m_defaults.get();
        auto view = std::make_unique<RootView>(std::move(options));
        view->resize(1000, 680);
        view->show();
        if (!QTest::qWaitForWindowExposed(view.get()))
            qWarning("the window was not shown");
        return view;
    }
    // A sandbox Mac whose fake brew installs Maccy and Rectangle.
    static std::unique_ptr<Sandbox> brewSandbox()
    {
        auto sandbox = std::make_unique<Sandbox>();
        if (!sandbox->installFakeBrew() || !sandbox->registerCask(u"maccy"_s, u"Maccy"_s, u"org.p0deje.Maccy"_s)
            || !sandbox->registerCask(u"rectangle"_s, u"Rectangle"_s, u"com.knollsoft.Rectangle"_s))
            qWarning("the fake brew was not set up");
        return sandbox;
    }
    static AppSelectBox *box(RootView &view, const QString &id)
    {
        return qobject_cast<AppCard *>(view.grid()->card(id))->selectBox();
    }
    static void append(RootView &view, int count, const QString &prefix = u"line"_s)
    {
        for (int i = 0; i < count; ++i)
            view.engine()->appendLog(u"%1 %2"_s.arg(prefix).arg(i), u"maccy"_s);
    }

private Q_SLOTS:
    void init()
    {
        static int serial = 0;
        m_defaults = std::make_unique<UserDefaults>(m_dir.filePath(u"defaults-%1.ini"_s.arg(++serial)));
        m_defaults->setBool(SettingsKeys::analyticsOptIn(), true);
        m_defaults->setBool(SettingsKeys::hasSeenWelcome(), true);
        m_server = std::make_unique<LocalHttpServer>();
        m_server->serve("/capture/", "{}");
        m_analytics = std::make_unique<Analytics>(
            Analytics::Configuration { u"test-key"_s, m_server->url().toString() }, m_defaults.get());
        m_opened.clear();
        QDesktopServices::setUrlHandler(u"mailto"_s, this, "openURL");
        BrandStyle::install();
    }
    void cleanup() { QDesktopServices::unsetUrlHandler(u"mailto"_s); }

    // "Updates (n)" shows once a check finds updates; its view's "Update all" updates them one after
    // the other through the fake brew and says how it went. Otherwise the view says what the check
    // found: never "up to date" when brew's answer could not be read.
    void updatesRowAndUpdateAll_data()
    {
        QTest::addColumn<QByteArray>("answer"); // the file brew prints: "found", another, or none (nothing outdated)
        QTest::addColumn<QString>("status");
        QTest::newRow("two found, one fails") << QByteArray("found") << u"1 updated, 1 failed: Shottr — "_s;
        QTest::newRow("nothing outdated") << QByteArray() << u"All your apps are up to date."_s;
        QTest::newRow("brew fails") << QByteArray("/nonexistent")
                                    << u"Not every app could be checked for updates: brew outdated failed (code 1)"_s;
    }
    void updatesRowAndUpdateAll()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QString, status);
        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew());
        OperationCoordinator coordinator;
        auto *services = new EngineServices(sandbox.environment(), Catalog::builtIn(), &coordinator);
        RootView::Options options { sandbox.environment(), m_analytics.get(), &coordinator, m_defaults.get(), {},
            services };
        RootView view(std::move(options));
        Sidebar *sidebar = view.sidebar();
        for (const CatalogApp &app : EngineTestKit::catalogApps({ u"maccy"_s, u"shottr"_s })) {
            QVERIFY(sandbox.registerCask(app.id, app.name, *app.bundleID));
            QVERIFY(EngineTestKit::finish(view.engine()->install(app)));
        }
        QVERIFY(sidebar->list()->isRowHidden(sidebar->updatesRow().row()));
        const QString json = sandbox.root() + u"/outdated.json"_s;
        QVERIFY(Sandbox::writeFile(json,
            R"({"casks": [{"name": "maccy", "installed_versions": ["1.0"], "current_version": "2.0"},
                          {"name": "shottr", "installed_versions": ["1.0"], "current_version": "2.1.0"}]})"));
        const ScopedEnvironmentVariable outdated("FAKE_BREW_OUTDATED_JSON",
            answer == "found"      ? json.toUtf8()
                : answer.isEmpty() ? std::nullopt
                                   : std::optional(answer));
        const ScopedEnvironmentVariable failing("FAKE_BREW_FAIL_TOKENS", QByteArray("shottr"));
        const UpdatesView alone(view.engine()); // the row's own view is made when the row is chosen
        EngineTestKit::await(services->updates()->check());
        if (answer != "found") {
            QVERIFY(sidebar->list()->isRowHidden(sidebar->updatesRow().row()));
            QVERIFY2(alone.statusLabel()->text().startsWith(status), qPrintable(alone.statusLabel()->text()));
            return;
        }
        QCOMPARE(sidebar->updatesRow().data().toString(), u"Updates (2)"_s);
        QCOMPARE(alone.statusLabel()->text(), u"2 apps have a newer version."_s);
        QCOMPARE(alone.updateAllButton()->accessibleDescription(), u"Maccy and Shottr"_s);
        view.resize(1000, 680);
        view.show();
        click(sidebar, sidebar->updatesRow());
        QVERIFY(selected(sidebar, sidebar->updatesRow()));
        QCOMPARE(view.grid()->visibleIDs(), (QStringList { u"maccy"_s, u"shottr"_s }));
        QTest::mouseClick(view.updatesView()->updateAllButton(), Qt::LeftButton);
        QTRY_VERIFY(view.updatesView()->statusLabel()->text().startsWith(status));
        QCOMPARE(sidebar->updatesRow().data().toString(), u"Updates (1)"_s);
        QCOMPARE(alone.statusLabel()->text(), u"1 app has a newer version."_s);
        QCOMPARE(alone.updateAllButton()->accessibleDescription(), u"Shottr"_s);
        QCOMPARE(view.grid()->visibleIDs(), (QStringList { u"maccy"_s, u"shottr"_s })); // updated, still in sight
    }

    void searchGoesOverTheFiltersAndClearingBringsThemBack()
    {
        auto view = shownView();
        click(view->sidebar(), view->sidebar()->categoryRow(Category::Security));
        // No curated app is in this category: the empty state, which quotes no empty search.
        QVERIFY(view->emptyState()->isVisible() && view->grid()->visibleIDs().isEmpty());
        QCOMPARE(view->emptyState()->text(), u"No handselected apps in this category."_s);
        QLineEdit *field = view->searchField();
        QWidget *clear = view->clearSearchButton();
        QVERIFY(!clear->isVisible()); // nothing to clear yet, for the eye and for a screen reader
        QTest::keyClicks(field, u"pass"_s);
        QCOMPARE(view->grid()->visibleIDs(), (QStringList { u"keepassxc"_s, u"bitwarden"_s }));
        QVERIFY(view->grid()->isVisible() && !view->emptyState()->isVisible());
        QVERIFY(selected(view->sidebar(), view->sidebar()->categoryRow(Category::Security)));
        QCOMPARE(QAccessible::queryAccessibleInterface(clear)->text(QAccessible::Name), u"Clear search"_s);
        QTRY_VERIFY(clear->isVisible());
        QTest::mouseClick(clear, Qt::LeftButton);
        QCOMPARE(field->text(), QString());
        QTRY_VERIFY(!clear->isVisible());
        QVERIFY(view->emptyState()->isVisible());
        // Spaces are no search, but the field holds something to clear; a miss is quoted as typed.
        QTest::keyClicks(field, u"  "_s);
        QVERIFY(view->emptyState()->isVisible());
        QTRY_VERIFY(clear->isVisible());
        QTest::keyClicks(field, u"\"x\" & <b>y</b> "_s);
        QCOMPARE(view->emptyState()->text(), u"No apps match “  \"x\" & <b>y</b> ”"_s);
    }

    // Clicks and the arrow keys choose rows, the keys passing over the heading; one top row and the
    // chosen category are selected apart from each other, as assistive technology reads them too.
    void sidebarChoosesByClickAndArrowKeys()
    {
        auto view = shownView();
        Sidebar *sidebar = view->sidebar();
        click(sidebar, sidebar->allAppsRow());
        click(sidebar, sidebar->categoryRow(Category::Files));
        click(sidebar, sidebar->handselectedRow());
        click(sidebar, sidebar->categoryRow(Category::Clipboard));
        const QList<std::tuple<Qt::Key, bool, std::optional<Category>>> steps { { Qt::Key_unknown, false,
                                                                                    Category::Clipboard },
            { Qt::Key_Up, false, Category::Window }, { Qt::Key_Up, true, {} }, { Qt::Key_Down, true, Category::Window },
            { Qt::Key_Up, true, {} }, { Qt::Key_Up, false, {} } };
        for (const auto &[key, allApps, category] : steps) {
            if (key != Qt::Key_unknown)
                QTest::keyClick(sidebar->list(), key);
            QCOMPARE(selected(sidebar, sidebar->allAppsRow()), allApps);
            QCOMPARE(selected(sidebar, sidebar->handselectedRow()), !allApps);
            for (const Category each : CatalogApp::allCategories())
                QCOMPARE(selected(sidebar, sidebar->categoryRow(each)), each == category);
            QCOMPARE(view->grid()->visibleIDs(), idsOf(Catalog::apps(allApps, category)));
        }
    }

    // Tab goes through the cards row by row, each card's summary then its controls, and still does
    // after a card's state brings controls it did not have.
    void tabFollowsTheCardsAsShown()
    {
        const QString maccy = m_sandbox.makeBundle(m_sandbox.userApplications(), u"Maccy"_s, u"org.p0deje.Maccy"_s);
        auto view = shownView();
        view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(view.get()));
        const auto tabs = [&view](int count) {
            view->searchField()->setFocus(Qt::TabFocusReason);
            QStringList names;
            for (int i = 0; i < count; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                names.append(focusName());
            }
            return names;
        };
        QCOMPARE(tabs(8),
            (QStringList { u"Select all hand-picked"_s, u"Maccy"_s, u"Uninstall Maccy"_s, u"Need help opening Maccy?"_s,
                u"Ice"_s, u"Select Ice"_s, u"Install Ice"_s, u"Rectangle"_s }));
        m_sandbox.makeBundle(m_sandbox.userApplications(), u"Ice"_s, u"com.jordanbaird.Ice"_s);
        view->engine()->refreshInstalledStatus(Catalog::builtIn());
        QCOMPARE(tabs(7).mid(4), (QStringList { u"Ice"_s, u"Uninstall Ice"_s, u"Need help opening Ice?"_s }));
        for (const QString &bundle : { maccy, m_sandbox.userApplications() + u"/Ice.app"_s })
            QVERIFY(QDir(bundle).removeRecursively());
    }

    // A screen reader, which goes by the order of the children, meets the sidebar first, then the
    // search row, then the cards; in the sidebar's footer, what is drawn first.
    void readInTheOrderShown()
    {
        auto view = shownView();
        QAccessibleInterface *split = QAccessible::queryAccessibleInterface(view->findChild<QSplitter *>());
        QVERIFY(split->child(0)->object()->findChild<Sidebar *>());
        QVERIFY(split->child(1)->object()->findChild<QLineEdit *>(u"searchField"_s));
        QAccessibleInterface *area = QAccessible::queryAccessibleInterface(view->searchField()->parentWidget());
        QStringList order;
        for (int i = 0; i < area->childCount(); ++i)
            order << area->child(i)->object()->objectName();
        QCOMPARE(order.filter(QRegularExpression(u"^(searchField|selectAllHandpicked|catalogScroll)$"_s)),
            (QStringList { u"searchField"_s, u"selectAllHandpicked"_s, u"catalogScroll"_s }));
        box(*view, u"maccy"_s)->click();
        const QStringList foot = heard(view->batchFooter()->parentWidget());
        QVERIFY2(foot.value(0).startsWith(u"button Install 1 app"_s), qPrintable(foot.join(u" | "_s)));
    }

    void cardsAreMadeOnceAndKeptAcrossFilters()
    {
        auto view = shownView();
        AppGrid *grid = view->grid();
        QWidget *maccy = grid->card(u"maccy"_s);
        QVERIFY(maccy && maccy->isVisible());
        view->chooseCategory(Category::Media);
        QVERIFY(!maccy->isVisible());
        view->chooseAllApps();
        view->setSearchText(u"a"_s);
        view->setSearchText(QString());
        view->chooseHandselected();
        QCOMPARE(grid->card(u"maccy"_s), maccy);
        QVERIFY(maccy->isVisible());
        QTRY_VERIFY(grid->isComplete()); // the cards past the first screenful follow the first paint
        // Shown cards sit in list order, two 300-wide columns in 1000 pixels less the sidebar.
        const QStringList ids = grid->visibleIDs();
        QCOMPARE(ids, idsOf(Catalog::curated()));
        for (int i = 1; i < ids.size(); ++i) {
            const QRect before = grid->card(ids.at(i - 1))->geometry(), after = grid->card(ids.at(i))->geometry();
            QVERIFY(after.top() > before.top() || (after.top() == before.top() && after.left() > before.right()));
        }
        QCOMPARE(grid->card(ids.at(0))->geometry().top(), grid->card(ids.at(1))->geometry().top());
        QVERIFY(grid->card(ids.at(0))->width() >= 300);
    }

    // Closed, it only counts; open, it follows each new line, but not a trim at the cap.
    void drawerFollowsTheLogOnlyWhenOpen()
    {
        auto view = shownView();
        LogDrawer *drawer = view->logDrawer();
        QScrollBar *bar = drawer->list()->verticalScrollBar();
        QCOMPARE(drawer->shownCount(), QString());
        append(*view, 1);
        QTRY_COMPARE(drawer->shownCount(), u"1 line"_s);
        append(*view, 39);
        QTRY_COMPARE(drawer->shownCount(), u"40 lines"_s);
        QAccessibleInterface *toggle = QAccessible::queryAccessibleInterface(drawer->toggleButton());
        QVERIFY(toggle->state().expandable && !toggle->state().expanded);
        QVERIFY(!view->showProgressDrawer() && !drawer->logArea()->isVisible());
        QTest::mouseClick(drawer->toggleButton(), Qt::LeftButton);
        QTRY_COMPARE(drawer->logArea()->height(), LogDrawer::areaHeight);
        QVERIFY(toggle->state().expanded);
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), 0); // opens at the top
        append(*view, 1, u"newest"_s);
        QTRY_COMPARE(bar->value(), bar->maximum());
        QVERIFY(drawer->list()->viewport()->rect().intersects(
            drawer->list()->visualRect(drawer->list()->model()->index(40, 0))));
        append(*view, InstallLog::cap);
        QTRY_COMPARE(drawer->shownCount(), u"500 lines"_s);
        // The scroll down to those lines runs on: once it has ended, nothing but a new line moves the bar.
        const auto *scrolling = drawer->list()->findChild<QVariantAnimation *>(QString(), Qt::FindDirectChildrenOnly);
        QTRY_VERIFY(scrolling && scrolling->state() == QAbstractAnimation::Stopped);
        bar->setValue(0);
        append(*view, 3, u"past the cap"_s);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QCOMPARE(bar->value(), 0);
        QTest::mouseClick(drawer->toggleButton(), Qt::LeftButton);
        QTRY_VERIFY(!drawer->logArea()->isVisible());
    }

    void eachShowRefreshesStatesAndRecordsLaunch()
    {
        auto view = shownView();
        for (const CatalogApp &app : Catalog::builtIn())
            QVERIFY2(view->engine()->state(app.id), qPrintable(app.id));
        QCOMPARE(view->engine()->state(u"maccy"_s), InstallState::notInstalled());
        QTRY_COMPARE(m_server->requests("/capture/").size(), 1);
        // Installed behind the program's back, then shown again: looked at afresh.
        m_sandbox.makeBundle(m_sandbox.userApplications(), u"Maccy"_s, u"org.p0deje.Maccy"_s);
        view->hide();
        view->show();
        QCOMPARE(view->engine()->state(u"maccy"_s), InstallState::installed());
        QTRY_COMPARE(m_server->requests("/capture/").size(), 2);
        for (const LocalHttpServer::Request &request : m_server->requests("/capture/"))
            QVERIFY(request.body.contains("\"event\":\"app_launched\""));
        // Deleted in the Finder, then back to the program: looked at afresh as well.
        QVERIFY(QDir(m_sandbox.userApplications() + u"/Maccy.app"_s).removeRecursively());
        Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationActive);
        QCOMPARE(view->engine()->state(u"maccy"_s), InstallState::notInstalled());
    }

    void footerOpensFeedbackAndOneSettingsSheet()
    {
        auto view = shownView();
        QTest::mouseClick(view->sidebar()->feedbackButton(), Qt::LeftButton);
        QCOMPARE(m_opened.size(), 1);
        QVERIFY(m_opened.first().toString().startsWith(u"mailto:hello@orvando.app"_s));
        QTest::mouseClick(view->sidebar()->settingsButton(), Qt::LeftButton);
        QPointer<SettingsView> sheet = view->settingsSheet();
        QTRY_VERIFY(sheet && sheet->isVisible());
        QTest::mouseClick(view->sidebar()->settingsButton(), Qt::LeftButton);
        QCOMPARE(view->findChildren<SettingsView *>(), QList<SettingsView *> { sheet.data() });
        sheet->reject();
        QVERIFY(!view->showSettings());
        QTRY_VERIFY(sheet.isNull());
    }
    // The welcome sheet is shown over the window once it is shown, until dismissed in any way; not
    // on a later run.
    void everyWelcomeDismissalStoresSeen_data()
    {
        QTest::addColumn<int>("how");
        int how = 0;
        for (const char *name : { "Get started", "Return key", "Escape key", "window closed" })
            QTest::newRow(name) << how++;
    }
    void everyWelcomeDismissalStoresSeen()
    {
        QFETCH(int, how);
        UserDefaults defaults(m_dir.filePath(u"welcome-%1.ini"_s.arg(how)));
        const auto seen = [&defaults] { return defaults.boolValue(SettingsKeys::hasSeenWelcome(), false); };
        {
            QWidget window;
            WelcomePresenter presenter(&window, &defaults);
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
        WelcomePresenter presenter(&later, &defaults);
        later.show();
        QCoreApplication::processEvents();
        QVERIFY(!presenter.sheet());
    }

    // The window's side of a batch install: the cards' check boxes, the sidebar's footer that runs
    // the batch against the fake brew, and the confirmation "Install from file…" shows first.
    // The box comes right after the card's summary in Tab order; it is there only for an app that can
    // be installed, waits while one runs, and an app that becomes installed drops out of the set.
    void checkBoxFollowsTheAppsState_data()
    {
        QTest::addColumn<InstallState>("state");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("failed") << InstallState::failed(u"No."_s) << true << true;
        QTest::newRow("installing") << InstallState::installing(u"Downloading"_s) << true << false;
        QTest::newRow("installed") << InstallState::installed() << false << true;
    }
    void checkBoxFollowsTheAppsState()
    {
        QFETCH(InstallState, state);
        QFETCH(bool, shown);
        EngineTestKit::TestEngine engine(m_sandbox.environment());
        AppSelection selection(&engine);
        AppCard card(catalogApp(u"maccy"_s), &engine);
        card.setSelection(&selection);
        card.show();
        AppSelectBox *box = card.selectBox();
        QCOMPARE(card.summaryButton()->nextInFocusChain(), box);
        QCOMPARE(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name), u"Select Maccy"_s);
        QTest::keyClick(box, Qt::Key_Space);
        QCOMPARE(selection.count(), 1);
        engine.setState(u"maccy"_s, state);
        QCOMPARE(box->isVisibleTo(&card), shown);
        QTEST(box->isEnabled(), "enabled");
        QCOMPARE(selection.contains(u"maccy"_s), shown);
    }

    // Ticked in any order, installed in catalog order; the footer shows the progress with Cancel,
    // then the summary, with "Try failed again" for what failed, which installs only that.
    void footerInstallsTheSelectionAsOneBatch_data()
    {
        QTest::addColumn<QByteArray>("failing");
        QTest::addColumn<QString>("summary");
        QTest::newRow("all succeed") << QByteArray() << u"2 installed"_s;
        QTest::newRow("one fails") << QByteArray("rectangle")
                                   << u"1 installed, 1 failed: Rectangle — The download of Rectangle failed. The "
                                      u"app's publisher may have moved it; try again later."_s;
    }
    void footerInstallsTheSelectionAsOneBatch()
    {
        QFETCH(QByteArray, failing);
        const auto sandbox = brewSandbox();
        auto view = shownView(sandbox.get());
        BatchFooter *footer = view->batchFooter();
        QVERIFY(!footer->isVisible());
        QTest::mouseClick(view->selectAllButton(), Qt::LeftButton);
        QCOMPARE(view->selectAllButton()->text(), u"Clear selection"_s);
        QVERIFY(visibleButton(footer, u"Install 16 apps"_s));
        QTest::mouseClick(view->selectAllButton(), Qt::LeftButton);
        QVERIFY(!footer->isVisible());
        box(*view, u"rectangle"_s)->click();
        box(*view, u"maccy"_s)->click();
        QStringList progress;
        connect(view->batch(), &BatchInstaller::progressChanged, this, [&] {
            if (visibleButton(footer, u"Cancel"_s))
                progress.append(footer->progressText());
        });
        const ScopedEnvironmentVariable fail("FAKE_BREW_FAIL_TOKENS", failing);
        QTest::mouseClick(visibleButton(footer, u"Install 2 apps"_s), Qt::LeftButton);
        QCOMPARE(view->selection()->count(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!footer->summaryText().isEmpty(), 30000);
        QCOMPARE(
            progress, (QStringList { u"Installing 1 of 2: Maccy"_s, u"Installing 2 of 2: Rectangle"_s, QString() }));
        QTEST(footer->summaryText(), "summary");
        QCOMPARE(sandbox->brewCalls(), (QStringList { u"install --cask maccy"_s, u"install --cask rectangle"_s }));
        QVERIFY(!box(*view, u"maccy"_s)->isVisible());
        QAbstractButton *retry = visibleButton(footer, u"Try failed again"_s);
        QCOMPARE(bool(retry), !failing.isEmpty());
        if (retry) {
            retry->click();
            QTRY_VERIFY_WITH_TIMEOUT(!view->batch()->isRunning(), 30000);
            QCOMPARE(sandbox->brewCalls().mid(2), QStringList { u"install --cask rectangle"_s });
        }
        QTest::mouseClick(visibleButton(footer, u"Done"_s), Qt::LeftButton);
        QVERIFY(!footer->isVisible());
    }

    // The file names an installed app, an unknown token and an app to install: the sheet lists them
    // all and installs only the one, and only when confirmed.
    void installFromFileAsksFirst_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("confirmed") << true;
        QTest::newRow("cancelled") << false;
    }
    void installFromFileAsksFirst()
    {
        QFETCH(bool, confirm);
        const auto sandbox = brewSandbox();
        sandbox->makeBundle(sandbox->userApplications(), u"Maccy"_s, u"org.p0deje.Maccy"_s);
        const QString file = sandbox->root() + u"/Brewfile"_s;
        QVERIFY(Sandbox::writeFile(file, "cask \"maccy\"\nfoo-bar\nrectangle\n"));
        auto view = shownView(sandbox.get());
        ImportConfirmation *sheet = AppSetTransfer::importFrom(view.get(), file);
        QVERIFY(sheet && sheet->isVisible());
        QCOMPARE(visibleTexts(sheet).mid(1),
            (QStringList { u"“Brewfile” names these apps:"_s, u"Maccy — already installed"_s, u"Rectangle"_s,
                u"Not recognised: foo-bar"_s, u"Cancel"_s, u"Install 1 app"_s }));
        QTest::mouseClick(confirm ? sheet->installButton() : sheet->cancelButton(), Qt::LeftButton);
        QCOMPARE(view->batch()->isRunning(), confirm);
        QTRY_VERIFY_WITH_TIMEOUT(!view->batch()->isRunning(), 30000);
        QCOMPARE(sandbox->brewCalls(), confirm ? QStringList { u"install --cask rectangle"_s } : QStringList());
    }
};

QTEST_MAIN(TestRootView)
#include "TestRootView.moc"
