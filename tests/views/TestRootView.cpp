#include "catalog/Catalog.h"
#include "engine/InstallEngine.h"
#include "platform/UserDefaults.h"
#include "support/Sandbox.h"
#include "telemetry/Analytics.h"
#include "telemetry/CaptureServer.h"
#include "views/AppGrid.h"
#include "views/DrawerToggle.h"
#include "views/EmptyState.h"
#include "views/LogDrawer.h"
#include "views/LogListView.h"
#include "views/NavRow.h"
#include "views/RootView.h"
#include "views/SearchBar.h"
#include "views/SettingsView.h"
#include "views/Sidebar.h"
#include "views/SymbolButton.h"
#include "views/WelcomePresenter.h"
#include "views/WelcomeView.h"

#include <QAccessible>
#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using Category = CatalogApp::Category;

Q_DECLARE_METATYPE(std::optional<CatalogApp::Category>)

namespace {

QStringList idsOf(const QList<CatalogApp> &apps)
{
    QStringList ids;
    for (const CatalogApp &app : apps)
        ids.append(app.id);
    return ids;
}

bool accessibleSelected(QWidget *row)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(row);
    return iface && iface->state().selected;
}

} // namespace

class TestRootView : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void openURL(const QUrl &url) { m_opened.append(url); }

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void searchReplacesFiltersAndClearRestoresThem();
    void searchOfSpacesShowsFilteredListAndClearButton();
    void emptyStateQuotesSearchAsTyped_data();
    void emptyStateQuotesSearchAsTyped();
    void rowsHighlightIndependently_data();
    void rowsHighlightIndependently();
    void cardsAreMadeOnceAndKeptAcrossFilters();
    void cardsPastFirstScreenfulWaitForFirstPaint();
    void drawerCountsLinesAndOpensAndCloses();
    void openDrawerScrollsToEachNewLine();
    void closedDrawerDoesNotScrollAndOpensAtTop();
    void drawerDoesNotScrollWhenOnlyContentChangesAtCap();
    void logLinesCanBeSelectedAndCopied();
    void eachShowRefreshesStatesAndRecordsLaunch();
    void footerButtonsOpenFeedbackAndSettings();
    void welcomeSheetFollowsStoredFlag();

private:
    std::unique_ptr<RootView> makeView();
    void append(RootView *view, int count, const QString &prefix = u"line"_s);

    QTemporaryDir m_dir;
    std::unique_ptr<Sandbox> m_sandbox;
    std::unique_ptr<UserDefaults> m_defaults;
    std::unique_ptr<CaptureServer> m_server;
    std::unique_ptr<Analytics> m_analytics;
    QList<QUrl> m_opened;
    int m_defaultsSerial = 0;
};

void TestRootView::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
    qRegisterMetaType<WelcomeView *>();
}

void TestRootView::init()
{
    m_sandbox = std::make_unique<Sandbox>();
    QVERIFY(m_sandbox->isValid());
    m_defaults = std::make_unique<UserDefaults>(m_dir.filePath(u"defaults-%1.ini"_s.arg(++m_defaultsSerial)));
    m_defaults->setBool(u"orvando.analytics_opt_in"_s, true);
    m_defaults->setBool(WelcomeView::hasSeenWelcomeKey(), true);
    m_server = std::make_unique<CaptureServer>();
    m_analytics = std::make_unique<Analytics>(
        Analytics::Configuration { u"test-key"_s, m_server->url().toString() }, m_defaults.get());
    m_opened.clear();
    QDesktopServices::setUrlHandler(u"mailto"_s, this, "openURL");
}

void TestRootView::cleanup()
{
    QDesktopServices::unsetUrlHandler(u"mailto"_s);
    m_analytics.reset();
    m_server.reset();
    m_defaults.reset();
    m_sandbox.reset();
}

std::unique_ptr<RootView> TestRootView::makeView()
{
    RootView::Options options;
    options.environment = m_sandbox->environment();
    options.analytics = m_analytics.get();
    options.defaults = m_defaults.get();
    auto view = std::make_unique<RootView>(std::move(options));
    view->resize(1000, 680);
    return view;
}

void TestRootView::append(RootView *view, int count, const QString &prefix)
{
    for (int i = 0; i < count; ++i)
        view->engine()->appendLog(u"%1 %2"_s.arg(prefix).arg(i), u"maccy"_s);
}

void TestRootView::searchReplacesFiltersAndClearRestoresThem()
{
    auto view = makeView();
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));

    QTest::mouseClick(view->sidebar()->categoryRow(Category::Security), Qt::LeftButton);
    // No curated app is in this category: the empty state, with nothing between the quotes.
    QVERIFY(view->grid()->visibleIDs().isEmpty());
    QVERIFY(view->emptyState()->isVisible());
    QCOMPARE(view->emptyState()->text(), u"No apps match \u201C\u201D"_s);

    QTest::keyClicks(view->searchBar()->field(), u"pass"_s);
    QCOMPARE(view->grid()->visibleIDs(), QStringList({ u"keepassxc"_s, u"bitwarden"_s }));
    QVERIFY(view->grid()->isVisible());
    QVERIFY(!view->emptyState()->isVisible());
    QVERIFY(view->searchBar()->clearButton()->isVisible());
    // The filters stay chosen underneath the search.
    QVERIFY(view->sidebar()->categoryRow(Category::Security)->isSelected());
    QVERIFY(view->sidebar()->handselectedRow()->isSelected());

    QTest::mouseClick(view->searchBar()->clearButton(), Qt::LeftButton);
    QCOMPARE(view->searchText(), QString());
    QCOMPARE(view->searchBar()->field()->text(), QString());
    QVERIFY(!view->searchBar()->clearButton()->isVisible());
    QCOMPARE(view->grid()->visibleIDs(), idsOf(Catalog::apps(false, Category::Security)));
    QVERIFY(view->emptyState()->isVisible());
}

void TestRootView::searchOfSpacesShowsFilteredListAndClearButton()
{
    auto view = makeView();
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    QTest::mouseClick(view->sidebar()->allAppsRow(), Qt::LeftButton);
    QTest::mouseClick(view->sidebar()->categoryRow(Category::Media), Qt::LeftButton);
    const QStringList filtered = view->grid()->visibleIDs();
    QCOMPARE(filtered, idsOf(Catalog::apps(true, Category::Media)));

    QTest::keyClicks(view->searchBar()->field(), u"   "_s);
    QCOMPARE(view->searchText(), u"   "_s);
    QCOMPARE(view->grid()->visibleIDs(), filtered);
    QVERIFY(view->searchBar()->clearButton()->isVisible());
    QCOMPARE(view->searchBar()->clearButton()->toolTip(), u"Clear search"_s);
}

void TestRootView::emptyStateQuotesSearchAsTyped_data()
{
    QTest::addColumn<QString>("search");
    QTest::newRow("plain word") << u"zzzz"_s;
    QTest::newRow("surrounding spaces kept") << u"  no such app "_s;
    QTest::newRow("quotes and markup") << u"\"x\" & <b>y</b>"_s;
}

void TestRootView::emptyStateQuotesSearchAsTyped()
{
    QFETCH(QString, search);
    auto view = makeView();
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    QTest::keyClicks(view->searchBar()->field(), search);

    QVERIFY(view->visibleApps().isEmpty());
    QVERIFY(view->emptyState()->isVisible());
    QVERIFY(!view->grid()->isVisible());
    QCOMPARE(view->emptyState()->text(), u"No apps match \u201C"_s + search + u"\u201D"_s);
}

void TestRootView::rowsHighlightIndependently_data()
{
    QTest::addColumn<bool>("allApps");
    QTest::addColumn<std::optional<Category>>("category");
    QTest::newRow("handselected") << false << std::optional<Category>();
    QTest::newRow("handselected, window") << false << std::optional<Category>(Category::Window);
    QTest::newRow("all apps") << true << std::optional<Category>();
    QTest::newRow("all apps, files") << true << std::optional<Category>(Category::Files);
}

void TestRootView::rowsHighlightIndependently()
{
    QFETCH(bool, allApps);
    QFETCH(std::optional<Category>, category);
    auto view = makeView();
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    Sidebar *sidebar = view->sidebar();

    // Start from the other top row with some category, so every row has to change.
    QTest::mouseClick(allApps ? sidebar->handselectedRow() : sidebar->allAppsRow(), Qt::LeftButton);
    QTest::mouseClick(sidebar->categoryRow(Category::Clipboard), Qt::LeftButton);
    QTest::mouseClick(allApps ? sidebar->allAppsRow() : sidebar->handselectedRow(), Qt::LeftButton);
    QCOMPARE(view->selectedCategory(), std::optional<Category>()); // a top row clears the category
    if (category)
        QTest::mouseClick(sidebar->categoryRow(*category), Qt::LeftButton);

    QCOMPARE(view->showAllApps(), allApps);
    QCOMPARE(view->selectedCategory(), category);
    QCOMPARE(sidebar->allAppsRow()->isSelected(), allApps);
    QCOMPARE(sidebar->handselectedRow()->isSelected(), !allApps);
    QCOMPARE(accessibleSelected(sidebar->allAppsRow()), allApps);
    QCOMPARE(accessibleSelected(sidebar->handselectedRow()), !allApps);
    for (const Category each : CatalogApp::allCategories()) {
        QCOMPARE(sidebar->categoryRow(each)->isSelected(), each == category);
        QCOMPARE(accessibleSelected(sidebar->categoryRow(each)), each == category);
    }
    QCOMPARE(view->grid()->visibleIDs(), idsOf(Catalog::apps(allApps, category)));
}

void TestRootView::cardsAreMadeOnceAndKeptAcrossFilters()
{
    auto view = makeView();
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    AppGrid *grid = view->grid();
    QWidget *maccy = grid->card(u"maccy"_s);
    QVERIFY(maccy);
    QVERIFY(maccy->isVisible());

    view->chooseCategory(Category::Media);
    QVERIFY(!maccy->isVisible());
    view->chooseAllApps();
    view->chooseCategory(CatalogApp::Category::Clipboard);
    view->setSearchText(u"a"_s);
    view->setSearchText(QString());
    view->chooseHandselected();

    QCOMPARE(grid->card(u"maccy"_s), maccy);
    QVERIFY(maccy->isVisible());
    // Cards past the first screenful follow once the grid has painted.
    QTRY_VERIFY(grid->isComplete());
    QVERIFY(grid->cardCount() <= Catalog::v1().size());
    // Shown cards sit in list order, top-left to bottom-right.
    const QStringList ids = grid->visibleIDs();
    QCOMPARE(ids, idsOf(Catalog::curated()));
    for (int i = 1; i < ids.size(); ++i) {
        const QRect before = grid->card(ids.at(i - 1))->geometry();
        const QRect after = grid->card(ids.at(i))->geometry();
        QVERIFY(after.top() > before.top() || (after.top() == before.top() && after.left() > before.right()));
    }
    // 1000 wide, less the sidebar and padding, fits two 300-wide columns.
    QCOMPARE(grid->card(ids.at(0))->geometry().top(), grid->card(ids.at(1))->geometry().top());
    QVERIFY(grid->card(ids.at(0))->width() >= 300);
}

void TestRootView::cardsPastFirstScreenfulWaitForFirstPaint()
{
    auto view = makeView();
    AppGrid *grid = view->grid();
    const QStringList curated = idsOf(Catalog::curated());
    QVERIFY(curated.size() > AppGrid::eagerCards);
    QCOMPARE(grid->visibleIDs(), curated);
    QCOMPARE(grid->cardCount(), AppGrid::eagerCards);
    QVERIFY(!grid->isComplete());
    QCoreApplication::processEvents();
    QCOMPARE(grid->cardCount(), AppGrid::eagerCards); // never painted, nothing more made

    QSignalSpy completed(grid, &AppGrid::completed);
    view->show();
    QVERIFY(completed.wait());
    QCOMPARE(grid->cardCount(), curated.size());
    for (const QString &id : curated)
        QVERIFY(grid->card(id)->isVisible());
    QVERIFY(grid->card(curated.last())->geometry().top() > grid->card(curated.first())->geometry().top());
}

void TestRootView::drawerCountsLinesAndOpensAndCloses()
{
    auto view = makeView();
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    LogDrawer *drawer = view->logDrawer();
    QVERIFY(!view->showProgressDrawer());
    QVERIFY(!drawer->logArea()->isVisible());
    QCOMPARE(drawer->toggleButton()->countText(), QString());

    append(view.get(), 1);
    QTRY_COMPARE(drawer->toggleButton()->countText(), u"1 lines"_s);
    append(view.get(), 11);
    QTRY_COMPARE(drawer->toggleButton()->countText(), u"12 lines"_s);
    QVERIFY(!view->showProgressDrawer()); // lines arriving never open it

    QTest::mouseClick(drawer->toggleButton(), Qt::LeftButton);
    QVERIFY(view->showProgressDrawer());
    QVERIFY(drawer->logArea()->isVisible());
    QTRY_COMPARE(drawer->logArea()->height(), LogDrawer::areaHeight);
    QVERIFY(!drawer->isShowingEmptyText());

    QTest::mouseClick(drawer->toggleButton(), Qt::LeftButton);
    QVERIFY(!view->showProgressDrawer());
    QTRY_VERIFY(!drawer->logArea()->isVisible());
}

void TestRootView::openDrawerScrollsToEachNewLine()
{
    auto view = makeView();
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    LogDrawer *drawer = view->logDrawer();
    drawer->setOpen(true);
    QVERIFY(drawer->isShowingEmptyText());
    QTRY_COMPARE(drawer->logArea()->height(), LogDrawer::areaHeight);

    append(view.get(), 40);
    QScrollBar *bar = drawer->list()->verticalScrollBar();
    QTRY_VERIFY(bar->maximum() > 0);
    QTRY_COMPARE(bar->value(), bar->maximum());

    const int previousMaximum = bar->maximum();
    append(view.get(), 1, u"newest"_s);
    QTRY_VERIFY(bar->maximum() > previousMaximum);
    QTRY_COMPARE(bar->value(), bar->maximum());
    const QModelIndex last = drawer->list()->model()->index(40, 0);
    QCOMPARE(last.data().toString(), u"newest 0"_s);
    QVERIFY(drawer->list()->viewport()->rect().intersects(drawer->list()->visualRect(last)));
}

void TestRootView::closedDrawerDoesNotScrollAndOpensAtTop()
{
    auto view = makeView();
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    LogDrawer *drawer = view->logDrawer();
    append(view.get(), 40);
    QTRY_COMPARE(drawer->toggleButton()->countText(), u"40 lines"_s);

    drawer->setOpen(true);
    QTRY_COMPARE(drawer->logArea()->height(), LogDrawer::areaHeight);
    QScrollBar *bar = drawer->list()->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), 0);
    const QModelIndex first = drawer->list()->model()->index(0, 0);
    QVERIFY(drawer->list()->viewport()->rect().intersects(drawer->list()->visualRect(first)));
}

void TestRootView::drawerDoesNotScrollWhenOnlyContentChangesAtCap()
{
    auto view = makeView();
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    LogDrawer *drawer = view->logDrawer();
    append(view.get(), InstallLog::cap);
    QTRY_COMPARE(drawer->toggleButton()->countText(), u"500 lines"_s);
    drawer->setOpen(true);
    QTRY_COMPARE(drawer->logArea()->height(), LogDrawer::areaHeight);
    QScrollBar *bar = drawer->list()->verticalScrollBar();
    QCOMPARE(bar->value(), 0);

    append(view.get(), 3, u"past the cap"_s);
    // The drawer looks at the count once each append (insert, then trim) has been delivered.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCOMPARE(view->engine()->log()->rowCount(), InstallLog::cap);
    QCOMPARE(drawer->toggleButton()->countText(), u"500 lines"_s);
    QCOMPARE(bar->value(), 0);
}

void TestRootView::logLinesCanBeSelectedAndCopied()
{
    auto view = makeView();
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    LogDrawer *drawer = view->logDrawer();
    view->engine()->appendLog(u"==> Downloading https://example.invalid/a.zip"_s, u"maccy"_s);
    view->engine()->appendLog(u"note: second"_s, u"maccy"_s);
    view->engine()->appendLog(u"\U0001F37A  maccy was successfully installed!"_s, u"maccy"_s);
    drawer->setOpen(true);
    QTRY_VERIFY(!drawer->isShowingEmptyText());

    LogListView *list = drawer->list();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(0, 0)).center());
    QTest::mouseClick(
        list->viewport(), Qt::LeftButton, Qt::ShiftModifier, list->visualRect(list->model()->index(2, 0)).center());
    QGuiApplication::clipboard()->clear();
    QTest::keySequence(list, QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(),
        u"==> Downloading https://example.invalid/a.zip\nnote: second\n\U0001F37A  maccy was successfully installed!"_s);
    // Lines are for reading: no editor opens on them.
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(1, 0)).center());
    QVERIFY(!list->isPersistentEditorOpen(list->model()->index(1, 0)));
    QCOMPARE(list->editTriggers(), QAbstractItemView::NoEditTriggers);
}

void TestRootView::eachShowRefreshesStatesAndRecordsLaunch()
{
    const CatalogApp maccy = Catalog::v1().first();
    QVERIFY(maccy.bundleID);
    auto view = makeView();
    QVERIFY(view->engine()->states().isEmpty());

    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    QCOMPARE(view->engine()->states().size(), Catalog::v1().size());
    QCOMPARE(view->engine()->state(maccy.id), InstallState::notInstalled());
    QTRY_COMPARE(m_server->requests().size(), 1);

    // Installed behind the program's back, then shown again: looked at afresh, launch recorded again.
    m_sandbox->makeBundle(m_sandbox->userApplications(), maccy.name, *maccy.bundleID);
    view->hide();
    view->show();
    QCOMPARE(view->engine()->state(maccy.id), InstallState::installed());
    QCOMPARE(view->engine()->state(u"vlc"_s), InstallState::notInstalled());
    QTRY_COMPARE(m_server->requests().size(), 2);
    for (const CaptureServer::Request &request : m_server->requests()) {
        const QJsonObject body = QJsonDocument::fromJson(request.body).object();
        QCOMPARE(body.value(u"event"_s).toString(), u"app_launched"_s);
    }
}

void TestRootView::footerButtonsOpenFeedbackAndSettings()
{
    auto view = makeView();
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    Sidebar *sidebar = view->sidebar();
    QCOMPARE(sidebar->feedbackButton()->toolTip(), u"Email hello@orvando.app"_s);
    QCOMPARE(sidebar->settingsButton()->toolTip(), u"Privacy, uninstall, analytics, suggestions"_s);

    QTest::mouseClick(sidebar->feedbackButton(), Qt::LeftButton);
    QCOMPARE(m_opened.size(), 1);
    QVERIFY(m_opened.first().toString().startsWith(u"mailto:hello@orvando.app"_s));

    QVERIFY(!view->showSettings());
    QTest::mouseClick(sidebar->settingsButton(), Qt::LeftButton);
    QVERIFY(view->showSettings());
    QPointer<SettingsView> sheet = view->settingsSheet();
    QTRY_VERIFY(sheet->isVisible());
    QTest::mouseClick(sidebar->settingsButton(), Qt::LeftButton); // no second sheet
    QCOMPARE(view->settingsSheet(), sheet.data());
    QCOMPARE(view->findChildren<SettingsView *>().size(), 1);
    sheet->reject();
    QVERIFY(!view->showSettings());
    QTRY_VERIFY(sheet.isNull());
}

void TestRootView::welcomeSheetFollowsStoredFlag()
{
    m_defaults->remove(WelcomeView::hasSeenWelcomeKey());
    auto first = makeView();
    QSignalSpy presented(first->welcomePresenter(), &WelcomePresenter::sheetPresented);
    first->show();
    QVERIFY(presented.wait());
    QPointer<WelcomeView> sheet = first->welcomePresenter()->sheet();
    QVERIFY(sheet);
    sheet->reject(); // closed another way than "Get started"
    QVERIFY(m_defaults->boolValue(WelcomeView::hasSeenWelcomeKey()));
    first.reset();

    // A later launch: no sheet.
    auto second = makeView();
    second->show();
    QVERIFY(QTest::qWaitForWindowExposed(second.get()));
    QCoreApplication::processEvents();
    QVERIFY(!second->welcomePresenter()->sheet());
}

QTEST_MAIN(TestRootView)
#include "TestRootView.moc"
