#pragma once

#include "catalog/CatalogApp.h"

#include <QList>
#include <QWidget>

#include <optional>

class NavRow;
class SymbolButton;

// The window's left column: the logo, the tagline, the curated and full lists with the six
// categories, and the feedback and settings links at the foot. It only reports choices; the root
// view decides what is selected and tells it back through setSelection.
class Sidebar : public QWidget
{
    Q_OBJECT

public:
    explicit Sidebar(QWidget *parent = nullptr);

    // Highlights the top row matching showAllApps and the row of category, if any.
    void setSelection(bool showAllApps, std::optional<CatalogApp::Category> category);

    NavRow *handselectedRow() const { return m_handselected; }
    NavRow *allAppsRow() const { return m_allApps; }
    NavRow *categoryRow(CatalogApp::Category category) const;
    SymbolButton *feedbackButton() const { return m_feedback; }
    SymbolButton *settingsButton() const { return m_settings; }

Q_SIGNALS:
    void handselectedChosen();
    void allAppsChosen();
    void categoryChosen(CatalogApp::Category category);
    void feedbackRequested();
    void settingsRequested();

private:
    QWidget *navigationList();
    QWidget *footer();

    NavRow *m_handselected = nullptr;
    NavRow *m_allApps = nullptr;
    QList<QPair<CatalogApp::Category, NavRow *>> m_categoryRows;
    SymbolButton *m_feedback = nullptr;
    SymbolButton *m_settings = nullptr;
};
