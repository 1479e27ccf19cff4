#pragma once

#include "catalog/CatalogApp.h"
#include "engine/disk/RemovalPlan.h"

#include <QDialog>
#include <QList>
#include <QPointer>

class InstallEngine;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The review before a removal: each app's bundle, then every leftover with its size and a check
// box (ticked, but for what lies in the user's own folders), the totals, and "Remove app only" or "Remove app and
// data". It shows at once; the sizes are measured on a pool thread and fill in when they arrive. The button chosen last
// is remembered, and offered first next time.
class RemovalReview : public QDialog
{
    Q_OBJECT

public:
    RemovalReview(InstallEngine *engine, const QList<CatalogApp> &apps, QWidget *parent = nullptr);

    // Shows the review of apps as a sheet of parent; on a choice, hands it to the engine and
    // removes each app (one app), or leaves the removals to whoever listens to chosen().
    static RemovalReview *review(InstallEngine *engine, const QList<CatalogApp> &apps, QWidget *parent);

    // Replaces the title ("Remove Maccy?") with one of the caller's own.
    void setHeading(const QString &heading);

    QListWidget *list() const { return m_list; }
    bool sizesKnown() const { return m_measured; }

Q_SIGNALS:
    // The choice was handed to the engine for every app reviewed.
    void chosen(bool keepData);
    // The sizes arrived and are shown.
    void measured();

private:
    void fill();
    void showSizes(const QList<RemovalPlan> &plans);
    void updateTotal();
    void choose(bool keepData);

    QPointer<InstallEngine> m_engine;
    QList<CatalogApp> m_apps;
    QList<RemovalPlan> m_plans;
    QLabel *m_heading = nullptr;
    QListWidget *m_list = nullptr;
    QLabel *m_total = nullptr;
    QPushButton *m_appOnly = nullptr;
    QPushButton *m_appAndData = nullptr;
    bool m_measured = false;
};
