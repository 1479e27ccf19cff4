#pragma once

#include "catalog/CatalogApp.h"
#include "engine/Environment.h"
#include "views/window/AppGrid.h"

#include <QPointer>
#include <QWidget>

#include <optional>

class Analytics;
class AppSelection;
class BatchFooter;
class BatchInstaller;
class EmptyState;
class EngineServices;
class InstallEngine;
class LogDrawer;
class OperationCoordinator;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QSplitter;
class QVBoxLayout;
class SettingsView;
class Sidebar;
class UpdatesView;
class UserDefaults;
class WelcomePresenter;

// The content of a main window: the sidebar, the search field, the grid of cards and the install
// log drawer. It owns the window's one InstallEngine and hands it to every card and sheet; it holds
// the window's filters (curated or all, category, search, or the apps with updates), the apps ticked
// for a batch install and the batch that installs them, and presents the settings and welcome
// sheets. Each time it is shown it refreshes what is installed and records the launch; it refreshes
// again whenever the application becomes active.
class RootView : public QWidget
{
    Q_OBJECT

public:
    // What the view works with; the defaults are the real system, shared analytics and standard
    // user defaults, the process's shared coordinator, and the real application card.
    struct Options
    {
        Environment environment = Environment::system();
        Analytics *analytics = nullptr;
        OperationCoordinator *coordinator = nullptr;
        UserDefaults *defaults = nullptr;
        AppGrid::CardFactory cardFactory;
        EngineServices *services = nullptr; // the process's, handed to the window's engine
    };

    explicit RootView(QWidget *parent = nullptr);
    explicit RootView(Options options, QWidget *parent = nullptr);
    ~RootView() override;

    // Starts reading, on worker threads, what the first window shows first and would otherwise
    // read while it is built: the system's font list, the icons of the first cards and the
    // sidebar's symbols. Call once
    // the application object exists, before the first window is made.
    static void prefetch();

    InstallEngine *engine() const { return m_engine; }

    bool showAllApps() const { return m_showAllApps; }
    bool showUpdates() const { return m_showUpdates; }
    std::optional<CatalogApp::Category> selectedCategory() const { return m_selectedCategory; }
    QString searchText() const { return m_searchText; }
    bool showProgressDrawer() const;
    bool showSettings() const;
    QList<CatalogApp> visibleApps() const;

    // The row actions of the sidebar.
    void chooseHandselected();
    void chooseAllApps();
    void chooseCategory(CatalogApp::Category category);
    // The apps with a newer version, under the Updates view's head; null until first chosen.
    void chooseUpdates();
    UpdatesView *updatesView() const { return m_updates; }
    void setSearchText(const QString &text);
    void openSettings();
    // Installs apps as one batch through the footer of the sidebar; the selection is cleared as it
    // starts. While a batch runs, apps are ticked instead.
    void installApps(const QList<CatalogApp> &apps);

    Sidebar *sidebar() const { return m_sidebar; }
    QLineEdit *searchField() const { return m_search; }
    // The field's own clear button, shown while the field holds anything.
    QWidget *clearSearchButton() const;
    AppGrid *grid() const { return m_grid; }
    AppSelection *selection() const { return m_selection; }
    BatchInstaller *batch() const { return m_batch; }
    BatchFooter *batchFooter() const { return m_batchFooter; }
    QPushButton *selectAllButton() const { return m_selectAll; } // shown in the hand-picked view
    EmptyState *emptyState() const { return m_emptyState; } // null until the grid is first empty
    QScrollArea *catalogScrollArea() const { return m_scroll; }
    LogDrawer *logDrawer() const { return m_drawer; }
    WelcomePresenter *welcomePresenter() const { return m_welcome; }
    SettingsView *settingsSheet() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillDetailColumn(QWidget *column, AppGrid::CardFactory factory);
    QLineEdit *searchBar();
    void applyFilters();
    void followUpdates();
    void orderFocus();
    void recordLaunch();

    Analytics *m_analytics;
    UserDefaults *m_defaults;
    InstallEngine *m_engine;
    AppSelection *m_selection;
    BatchInstaller *m_batch;

    bool m_showAllApps = false;
    bool m_showUpdates = false;
    // Shown in the Updates view: those with an update when it was chosen, and any found since, so an
    // app updated there stays in sight, installed.
    QStringList m_updateIDs;
    std::optional<CatalogApp::Category> m_selectedCategory;
    QString m_searchText;

    QSplitter *m_split = nullptr;
    Sidebar *m_sidebar = nullptr;
    QLineEdit *m_search = nullptr;
    QPushButton *m_selectAll = nullptr;
    BatchFooter *m_batchFooter = nullptr;
    QScrollArea *m_scroll = nullptr;
    AppGrid *m_grid = nullptr;
    QVBoxLayout *m_content = nullptr; // the grid, or the empty state
    EmptyState *m_emptyState = nullptr;
    UpdatesView *m_updates = nullptr;
    LogDrawer *m_drawer = nullptr;
    WelcomePresenter *m_welcome = nullptr;
    QPointer<SettingsView> m_settings;
};
