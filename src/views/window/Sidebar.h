#pragma once

#include "catalog/CatalogApp.h"

#include <QModelIndex>
#include <QWidget>

#include <optional>

class QListWidget;
class QPushButton;
class QBoxLayout;
class QVBoxLayout;

// The window's left column: the logo, the tagline, one list of the curated and full lists, the
// updates (only while there are any) and the six categories under a heading, and the feedback and
// settings buttons at the foot. The list is an
// item view, so the arrow keys walk it and assistive technology reads which rows are selected. It
// only reports choices; the root view decides what is selected and tells it back with setSelection.
class Sidebar : public QWidget
{
    Q_OBJECT

public:
    explicit Sidebar(QWidget *parent = nullptr);

    // Starts drawing the rows' symbols ahead for screens of devicePixelRatio (Symbols::prefetch).
    static void prefetchSymbols(qreal devicePixelRatio);

    // Selects the top row matching showAllApps and the row of category, if any; or only the
    // updates row.
    void setSelection(bool showAllApps, std::optional<CatalogApp::Category> category, bool updates = false);
    // "Updates (n)": shown only when count > 0.
    void setUpdateCount(int count);

    QListWidget *list() const { return m_list; }
    QModelIndex handselectedRow() const;
    QModelIndex allAppsRow() const;
    QModelIndex updatesRow() const;
    QModelIndex categoryRow(CatalogApp::Category category) const;
    bool isSelected(const QModelIndex &row) const;
    QPushButton *feedbackButton() const { return m_feedback; }
    QPushButton *settingsButton() const { return m_settings; }
    QPushButton *activityButton() const { return m_activity; }
    // Puts panel (the batch install's) at the top of the footer, above its rule.
    void addFooterPanel(QWidget *panel);

Q_SIGNALS:
    void handselectedChosen();
    void allAppsChosen();
    void updatesChosen();
    void categoryChosen(CatalogApp::Category category);
    void feedbackRequested();
    void settingsRequested();
    void activityRequested();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *navigationList();
    QWidget *footer();
    void choose(const QModelIndex &row);

    QListWidget *m_list = nullptr;
    QPushButton *m_feedback = nullptr;
    QPushButton *m_settings = nullptr;
    QPushButton *m_activity = nullptr;
    QVBoxLayout *m_footer = nullptr;
    QBoxLayout *m_footerButtons = nullptr; // Send feedback and Settings
    bool m_syncing = false; // the current row follows a choice made elsewhere
};
