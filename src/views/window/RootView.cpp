#include "views/window/RootView.h"

#include "catalog/Catalog.h"
#include "engine/BatchInstaller.h"
#include "engine/EngineServices.h"
#include "engine/InstallEngine.h"
#include "engine/facts/UpdateChecker.h"
#include "platform/UserDefaults.h"
#include "telemetry/Analytics.h"
#include "telemetry/Feedback.h"
#include "views/activity/ActivityView.h"
#include "views/card/AppCard.h"
#include "views/detail/AppDetailView.h" // AppCard.h returns a QPointer to it inline
#include "views/settings/SettingsView.h"
#include "views/style/Brand.h"
#include "views/style/BrandStyle.h"
#include "views/style/Controls.h"
#include "views/style/Symbols.h"
#include "views/style/Typography.h"
#include "views/widgets/FocusChain.h"
#include "views/window/AppSelection.h"
#include "views/window/BatchFooter.h"
#include "views/window/EmptyState.h"
#include "views/window/LogDrawer.h"
#include "views/window/MailFallback.h"
#include "views/window/SelectAllButton.h"
#include "views/window/Sidebar.h"
#include "views/window/UpdatesView.h"
#include "views/window/WelcomePresenter.h"

#include <QAction>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QSplitter>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int sidebarMinimum = 240;
constexpr int sidebarIdeal = 260;
constexpr int sidebarMaximum = 300;

// What the catalog's scroll area holds: the grid and what stands in for it. Its height follows from
// the width it is given; the size hint Qt would work out is the cards' height at the width of one
// column, which nothing uses and which would lay out every card's text once more.
class CatalogContent : public QWidget
{
public:
    using QWidget::QWidget;

    QSize sizeHint() const override { return minimumSizeHint(); }
};

AppGrid::CardFactory defaultCardFactory()
{
    return [](const CatalogApp &app, InstallEngine *engine) -> QWidget * { return new AppCard(app, engine); };
}

} // namespace

RootView::RootView(QWidget *parent)
    : RootView(Options(), parent)
{
}

RootView::RootView(Options options, QWidget *parent)
    : QWidget(parent)
    , m_analytics(options.analytics ? options.analytics : Analytics::shared())
    , m_defaults(options.defaults ? options.defaults : &UserDefaults::standard())
    , m_engine(
          new InstallEngine(std::move(options.environment), m_analytics, options.coordinator, options.services, this))
    , m_selection(new AppSelection(m_engine, this))
    , m_batch(new BatchInstaller(m_engine, this))
{
    setObjectName(u"rootView"_s);
    setMinimumSize(900, 600);

    m_split = new QSplitter(Qt::Horizontal, this);
    m_split->setChildrenCollapsible(false);
    m_split->setHandleWidth(1);
    // The split measures its panes each time one joins it. Both join while empty: measuring a
    // filled pane needs the fonts, which may still be being read while the window is built.
    auto *sidebarPane = new QWidget(m_split);
    auto *column = new QWidget(m_split);
    // The split puts each pane it takes first among its children, the order a screen reader reads.
    sidebarPane->lower();
    sidebarPane->setMinimumWidth(sidebarMinimum);
    sidebarPane->setMaximumWidth(sidebarMaximum);
    m_split->setStretchFactor(0, 0);
    m_split->setStretchFactor(1, 1);
    m_split->setSizes({ sidebarIdeal, 1000 - sidebarIdeal });
    auto *sidebarStack = new QVBoxLayout(sidebarPane);
    sidebarStack->setContentsMargins(0, 0, 0, 0);
    m_sidebar = new Sidebar;
    sidebarStack->addWidget(m_sidebar);
    m_batchFooter = new BatchFooter(m_selection, m_batch);
    m_sidebar->addFooterPanel(m_batchFooter);
    // Every card ticks its app in the window's one selection, and its "Show in log" opens the
    // window's one drawer at that line.
    AppGrid::CardFactory factory = options.cardFactory ? std::move(options.cardFactory) : defaultCardFactory();
    fillDetailColumn(column, [this, factory](const CatalogApp &app, InstallEngine *engine) {
        QWidget *card = factory(app, engine);
        if (auto *appCard = qobject_cast<AppCard *>(card)) {
            appCard->setSelection(m_selection);
            connect(appCard, &AppCard::showInLogRequested, this, [this](qint64 lineId) {
                if (m_drawer)
                    m_drawer->revealLine(lineId);
            });
        }
        return card;
    });

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_split);

    connect(m_sidebar, &Sidebar::handselectedChosen, this, &RootView::chooseHandselected);
    connect(m_sidebar, &Sidebar::allAppsChosen, this, &RootView::chooseAllApps);
    connect(m_sidebar, &Sidebar::categoryChosen, this, &RootView::chooseCategory);
    connect(m_sidebar, &Sidebar::updatesChosen, this, &RootView::chooseUpdates);
    if (const EngineServices *services = m_engine->services()) {
        connect(services->updates(), &UpdateChecker::updatesChanged, this, &RootView::followUpdates);
        m_sidebar->setUpdateCount(services->updates()->count());
    }
    connect(m_sidebar, &Sidebar::feedbackRequested, this, [this] {
        if (!Feedback::openFeedbackEmail())
            MailFallback::show(window());
    });
    connect(m_sidebar, &Sidebar::settingsRequested, this, &RootView::openSettings);
    connect(m_sidebar, &Sidebar::activityRequested, this, [this] { ActivityView::present(m_engine, this); });
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_searchText = text;
        applyFilters();
    });
    // Cards past the first screenful are made later, each at the end of the window's Tab order.
    connect(m_grid, &AppGrid::completed, this, &RootView::orderFocus);

    // Back from the Finder, where an app may have been deleted or dropped in: look at the disk again.
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive && isVisible())
            m_engine->refreshInstalledStatus(Catalog::builtIn());
    });

    m_welcome = new WelcomePresenter(this, m_defaults);
    applyFilters();
}

RootView::~RootView() = default;

void RootView::prefetch()
{
    Typography::readFontsInBackground();
    const qreal ratio = qGuiApp->devicePixelRatio();
    // A new window opens on the hand-picked apps.
    AppCard::prefetchIcons(Catalog::curated().mid(0, AppGrid::eagerCards), ratio);
    Sidebar::prefetchSymbols(ratio);
}

QLineEdit *RootView::searchBar()
{
    m_search = new QLineEdit;
    m_search->setObjectName(u"searchField"_s);
    BrandStyle::setLook(m_search, BrandStyle::Look::Field);
    m_search->setPlaceholderText(tr("Search apps"));
    m_search->setAccessibleName(tr("Search apps"));
    m_search->setFont(Typography::font(14));
    m_search->setTextMargins(6, 10, 6, 10);
    m_search->setContentsMargins(7, 0, 7, 0);
    // The magnifying glass leads; pressing it puts the cursor in the field.
    QAction *glass = m_search->addAction(Symbols::icon(u"magnifyingglass"_s, Brand::n3), QLineEdit::LeadingPosition);
    //: The magnifying glass in the search field, read by a screen reader.
    glass->setText(tr("Search"));
    connect(glass, &QAction::triggered, m_search, [this] { m_search->setFocus(Qt::ShortcutFocusReason); });
    // The field's own clear button, shown while it holds anything, white space included.
    m_search->setClearButtonEnabled(true);
    if (auto *clear = m_search->findChild<QAction *>(u"_q_qlineeditclearaction"_s)) {
        clear->setText(tr("Clear search"));
        clear->setToolTip(tr("Clear search"));
    }
    // Hidden until there is something to clear; the field itself shows it when text comes.
    if (QWidget *clear = clearSearchButton())
        clear->hide();
    return m_search;
}

QWidget *RootView::clearSearchButton() const
{
    const QAction *clear = m_search->findChild<QAction *>(u"_q_qlineeditclearaction"_s);
    const QList<QObject *> shownBy = clear ? clear->associatedObjects() : QList<QObject *>();
    for (QObject *object : shownBy)
        if (object->isWidgetType() && static_cast<QWidget *>(object)->parentWidget() == m_search)
            return static_cast<QWidget *>(object);
    return nullptr;
}

void RootView::fillDetailColumn(QWidget *column, AppGrid::CardFactory factory)
{
    auto *stack = new QVBoxLayout(column);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);

    auto *catalog = new QWidget(column);
    catalog->setObjectName(u"catalogArea"_s);
    auto *catalogStack = new QVBoxLayout(catalog);
    catalogStack->setContentsMargins(0, 0, 0, 0);
    catalogStack->setSpacing(0);
    auto *content = new CatalogContent;
    content->setObjectName(u"catalogContent"_s);
    m_content = new QVBoxLayout(content);
    m_content->setContentsMargins(0, 0, 0, 0);
    m_content->setSpacing(0);
    m_grid = new AppGrid(m_engine, std::move(factory), content);
    m_content->addWidget(m_grid);
    m_content->addStretch();

    m_scroll = new QScrollArea(catalog);
    m_scroll->setObjectName(u"catalogScroll"_s);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Room for the bar from the start (the brand's draws nothing while nothing scrolls): a bar that
    // came and went would make every card measure its wrapped texts again. Overlay bars take none.
    if (!style()->styleHint(QStyle::SH_ScrollBar_Transient, nullptr, m_scroll->verticalScrollBar()))
        m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The cards take focus, not the area: Tab goes from card to card and scrolls the one reached into view.
    m_scroll->setFocusPolicy(Qt::NoFocus);
    // The window's cream shows through; filling it again would only cost time.
    m_scroll->viewport()->setAutoFillBackground(false);
    m_scroll->setWidget(content);
    catalogStack->addWidget(m_scroll, 1);

    m_drawer = new LogDrawer(m_engine->log(), column);
    stack->addWidget(catalog, 1);
    stack->addWidget(m_drawer);

    // Made last, though it goes above the cards: a line edit lays its text out as it is made, which
    // waits for the font list, and the rest of the column can be made meanwhile. Tab still reaches
    // it first (orderFocus).
    auto *searchRow = new QHBoxLayout;
    searchRow->setContentsMargins(28, 20, 28, 4);
    searchRow->setSpacing(12);
    searchRow->addWidget(searchBar(), 1);
    m_selectAll = new SelectAllButton(m_selection, catalog);
    searchRow->addWidget(m_selectAll);
    catalogStack->insertLayout(0, searchRow);
    // A screen reader goes by the order of the children: the search row before the cards.
    m_search->stackUnder(m_scroll);
    m_selectAll->stackUnder(m_scroll);
}

bool RootView::showSettings() const
{
    return !m_settings.isNull();
}

SettingsView *RootView::settingsSheet() const
{
    return m_settings;
}

bool RootView::showProgressDrawer() const
{
    return m_drawer->isOpen();
}

QList<CatalogApp> RootView::visibleApps() const
{
    if (!m_showUpdates)
        return Catalog::apps(m_showAllApps, m_selectedCategory, m_searchText);
    QList<CatalogApp> apps = Catalog::apps(true, std::nullopt, m_searchText);
    apps.removeIf([this](const CatalogApp &app) { return !m_updateIDs.contains(app.id); });
    return apps;
}

void RootView::chooseUpdates()
{
    m_showUpdates = true;
    m_updateIDs.clear();
    followUpdates();
    if (!m_updates) {
        m_updates = new UpdatesView(m_engine);
        m_content->insertWidget(0, m_updates);
    }
    applyFilters();
}

void RootView::followUpdates()
{
    const EngineServices *services = m_engine->services();
    if (!services)
        return;
    m_sidebar->setUpdateCount(services->updates()->count());
    if (!m_showUpdates)
        return;
    const qsizetype before = m_updateIDs.size();
    for (const CatalogApp &app : services->updates()->appsToUpdate())
        if (!m_updateIDs.contains(app.id))
            m_updateIDs.append(app.id);
    if (m_updateIDs.size() != before && m_updates)
        applyFilters();
}

void RootView::chooseHandselected()
{
    m_showUpdates = false;
    m_showAllApps = false;
    m_selectedCategory.reset();
    applyFilters();
}

void RootView::chooseAllApps()
{
    m_showUpdates = false;
    m_showAllApps = true;
    m_selectedCategory.reset();
    applyFilters();
}

void RootView::chooseCategory(CatalogApp::Category category)
{
    m_showUpdates = false;
    m_selectedCategory = category;
    applyFilters();
}

void RootView::setSearchText(const QString &text)
{
    // The field reports the edit back through textChanged, which filters.
    m_search->setText(text);
}

void RootView::openSettings()
{
    if (m_settings)
        return;
    m_settings = SettingsView::present(m_engine, this);
    m_settings->setAnalytics(m_analytics);
    connect(m_settings, &QDialog::finished, this, [this] { m_settings = nullptr; });
}

void RootView::installApps(const QList<CatalogApp> &apps)
{
    m_batchFooter->install(apps);
}

void RootView::applyFilters()
{
    m_sidebar->setSelection(m_showAllApps, m_selectedCategory, m_showUpdates);
    if (m_updates && m_updates->isHidden() == m_showUpdates)
        m_updates->setVisible(m_showUpdates);
    const bool handpicked = !m_showUpdates && !m_showAllApps && !m_selectedCategory;
    if (m_selectAll->isHidden() == handpicked)
        m_selectAll->setVisible(handpicked);
    const QList<CatalogApp> apps = visibleApps();
    m_grid->setApps(apps);
    // Only a change: showing what is not hidden would lay the whole grid out now, at a size it
    // will not have.
    if (m_grid->isHidden() != apps.isEmpty())
        m_grid->setVisible(!apps.isEmpty());
    // Made when a filter first leaves nothing to show; most windows never need it. The Updates
    // view says itself when every app is up to date.
    const bool empty = apps.isEmpty() && (!m_showUpdates || !m_searchText.trimmed().isEmpty());
    if (empty && !m_emptyState) {
        m_emptyState = new EmptyState;
        m_content->insertWidget(1, m_emptyState);
    }
    if (m_emptyState) {
        m_emptyState->setSearchText(m_searchText);
        m_emptyState->setVisible(empty);
    }
    orderFocus();
}

void RootView::orderFocus()
{
    // Sidebar, search, the shown cards row by row, then the drawer: as the window reads.
    QList<QWidget *> order = FocusChain::focusables(m_sidebar);
    order.append(m_search);
    order.append(m_selectAll);
    if (m_showUpdates && m_updates)
        order += FocusChain::focusables(m_updates);
    for (const QString &id : m_grid->visibleIDs())
        if (QWidget *card = m_grid->card(id))
            order += FocusChain::focusables(card);
    order += FocusChain::focusables(m_drawer);
    FocusChain::chain(order);
}

void RootView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // A window coming back from the Dock is not a new appearance.
    if (event->spontaneous())
        return;
    m_engine->refreshInstalledStatus(Catalog::active());
    recordLaunch();
}

void RootView::recordLaunch()
{
    // Off the showing itself, and dropped if the view goes away first.
    QTimer::singleShot(0, this, [this] { m_analytics->capture(u"app_launched"_s); });
}
