#include "views/RootView.h"

#include "catalog/Catalog.h"
#include "engine/InstallEngine.h"
#include "platform/UserDefaults.h"
#include "telemetry/Analytics.h"
#include "telemetry/Feedback.h"
#include "views/AppCard.h"
#include "views/AppDetailView.h" // AppCard.h returns a QPointer to it inline
#include "views/Brand.h"
#include "views/EmptyState.h"
#include "views/LogDrawer.h"
#include "views/MailFallback.h"
#include "views/SearchBar.h"
#include "views/SettingsView.h"
#include "views/Sidebar.h"
#include "views/SlimScrollBars.h"
#include "views/WelcomePresenter.h"

#include <QHBoxLayout>
#include <QPointer>
#include <QScrollArea>
#include <QShowEvent>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int sidebarMinimum = 240;
constexpr int sidebarIdeal = 260;
constexpr int sidebarMaximum = 300;

AppGrid::CardFactory defaultCardFactory()
{
    return [](const CatalogApp &app, InstallEngine *engine) -> QWidget * { return new AppCard(app, engine); };
}

void fill(QWidget *widget, const QColor &color)
{
    widget->setAutoFillBackground(true);
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, color);
    widget->setPalette(p);
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
    , m_engine(new InstallEngine(std::move(options.environment), m_analytics, options.coordinator, this))
{
    setObjectName(u"rootView"_s);
    setMinimumSize(900, 600);
    fill(this, Brand::cream);

    m_split = new QSplitter(Qt::Horizontal, this);
    m_split->setChildrenCollapsible(false);
    m_split->setHandleWidth(1);
    m_sidebar = new Sidebar(m_split);
    m_sidebar->setMinimumWidth(sidebarMinimum);
    m_sidebar->setMaximumWidth(sidebarMaximum);
    m_split->addWidget(m_sidebar);
    m_split->addWidget(detailColumn(options.cardFactory ? std::move(options.cardFactory) : defaultCardFactory()));
    m_split->setStretchFactor(0, 0);
    m_split->setStretchFactor(1, 1);
    m_split->setSizes({ sidebarIdeal, 1000 - sidebarIdeal });
    fill(m_split->handle(1), Brand::n2);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_split);

    connect(m_sidebar, &Sidebar::handselectedChosen, this, &RootView::chooseHandselected);
    connect(m_sidebar, &Sidebar::allAppsChosen, this, &RootView::chooseAllApps);
    connect(m_sidebar, &Sidebar::categoryChosen, this, &RootView::chooseCategory);
    connect(m_sidebar, &Sidebar::feedbackRequested, this, [this] {
        if (!Feedback::openFeedbackEmail())
            MailFallback::show(window());
    });
    connect(m_sidebar, &Sidebar::settingsRequested, this, &RootView::openSettings);
    connect(m_searchBar, &SearchBar::textChanged, this, [this](const QString &text) {
        m_searchText = text;
        applyFilters();
    });

    m_welcome = new WelcomePresenter(this, m_defaults);
    applyFilters();
}

RootView::~RootView() = default;

QWidget *RootView::detailColumn(AppGrid::CardFactory factory)
{
    auto *column = new QWidget(m_split);
    auto *stack = new QVBoxLayout(column);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);

    auto *catalog = new QWidget(column);
    catalog->setObjectName(u"catalogArea"_s);
    fill(catalog, Brand::cream);
    auto *catalogStack = new QVBoxLayout(catalog);
    catalogStack->setContentsMargins(0, 0, 0, 0);
    catalogStack->setSpacing(0);
    m_searchBar = new SearchBar(catalog);
    auto *searchRow = new QVBoxLayout;
    searchRow->setContentsMargins(28, 20, 28, 4);
    searchRow->addWidget(m_searchBar);
    catalogStack->addLayout(searchRow);

    auto *content = new QWidget;
    content->setObjectName(u"catalogContent"_s);
    auto *contentStack = new QVBoxLayout(content);
    contentStack->setContentsMargins(0, 0, 0, 0);
    contentStack->setSpacing(0);
    m_grid = new AppGrid(m_engine, std::move(factory), content);
    m_emptyState = new EmptyState(content);
    contentStack->addWidget(m_grid);
    contentStack->addWidget(m_emptyState);
    contentStack->addStretch();

    m_scroll = new QScrollArea(catalog);
    m_scroll->setObjectName(u"catalogScroll"_s);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fill(m_scroll->viewport(), Brand::cream);
    content->setAutoFillBackground(false);
    m_scroll->setWidget(content);
    SlimScrollBars::apply(m_scroll);
    catalogStack->addWidget(m_scroll, 1);

    m_drawer = new LogDrawer(m_engine->log(), column);
    stack->addWidget(catalog, 1);
    stack->addWidget(m_drawer);
    return column;
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
    return Catalog::apps(m_showAllApps, m_selectedCategory, m_searchText);
}

void RootView::chooseHandselected()
{
    m_showAllApps = false;
    m_selectedCategory.reset();
    applyFilters();
}

void RootView::chooseAllApps()
{
    m_showAllApps = true;
    m_selectedCategory.reset();
    applyFilters();
}

void RootView::chooseCategory(CatalogApp::Category category)
{
    m_selectedCategory = category;
    applyFilters();
}

void RootView::setSearchText(const QString &text)
{
    // The field reports the edit back through textChanged, which filters.
    m_searchBar->setText(text);
}

void RootView::openSettings()
{
    if (m_settings)
        return;
    m_settings = SettingsView::present(m_engine, this);
    m_settings->setAnalytics(m_analytics);
    connect(m_settings, &QDialog::finished, this, [this] { m_settings = nullptr; });
    Q_EMIT settingsPresented(m_settings);
}

void RootView::applyFilters()
{
    m_sidebar->setSelection(m_showAllApps, m_selectedCategory);
    const QList<CatalogApp> apps = visibleApps();
    m_grid->setApps(apps);
    m_grid->setVisible(!apps.isEmpty());
    m_emptyState->setSearchText(m_searchText);
    m_emptyState->setVisible(apps.isEmpty());
}

void RootView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // A window coming back from the Dock is not a new appearance.
    if (event->spontaneous())
        return;
    m_engine->refreshInstalledStatus(Catalog::v1());
    recordLaunch();
}

void RootView::recordLaunch()
{
    // Off the showing itself, and dropped if the view goes away first.
    QTimer::singleShot(0, this, [this] { m_analytics->capture(u"app_launched"_s); });
}
