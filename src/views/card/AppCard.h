#pragma once

#include "catalog/CatalogApp.h"
#include "views/detail/AppDetailView.h"

#include <QFrame>
#include <QPointer>

class AppCardActionArea;
class AppSelectBox;
class AppSelection;
class InstallEngine;
class QHBoxLayout;
class QPushButton;

// One catalog application in the grid: icon, name, tagline, pricing and the paid app it replaces,
// above an action area that follows the application's state in the engine. Clicking the upper part
// opens the detail sheet. Every action is one call on the shared engine. Assistive technology meets
// it as a group named after the application, busy while it installs or goes, described by its state.
class AppCard : public QFrame
{
    Q_OBJECT

public:
    AppCard(const CatalogApp &app, InstallEngine *engine, QWidget *parent = nullptr);

    // The icon's side, in device-independent pixels.
    static constexpr int iconSide = 48;
    // Starts decoding the icons of apps' cards ahead, for screens of devicePixelRatio.
    static void prefetchIcons(const QList<CatalogApp> &apps, qreal devicePixelRatio);

    const CatalogApp &app() const { return m_app; }
    AppCardActionArea *actionArea() const { return m_actions; }
    QPushButton *summaryButton() const { return m_summary; }
    // The check box in the corner that ticks the app in selection; none until it is given.
    void setSelection(AppSelection *selection);
    AppSelectBox *selectBox() const { return m_select; }

    // The detail sheet while it is open.
    bool showDetail() const { return !m_detail.isNull(); }
    AppDetailView *detailView() const { return m_detail; }
    void setShowDetail(bool show);

Q_SIGNALS:
    // Emitted when "Show in log" is pressed: whoever holds the window's log drawer opens it at the
    // line with lineId. A card shown on its own does nothing.
    void showInLogRequested(qint64 lineId);

private:
    QPushButton *buildSummary();
    void follow(bool controlsAdded);

    CatalogApp m_app;
    QPointer<InstallEngine> m_engine;
    QPushButton *m_summary = nullptr;
    QHBoxLayout *m_top = nullptr; // the summary and the select box
    AppSelectBox *m_select = nullptr;
    AppCardActionArea *m_actions = nullptr;
    QPointer<AppDetailView> m_detail;
};
