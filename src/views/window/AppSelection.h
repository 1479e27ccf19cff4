#pragma once

#include "catalog/CatalogApp.h"

#include <QObject>
#include <QSet>

class InstallEngine;

// The apps a window has ticked for one batch install: the cards' check boxes, "Select all
// hand-picked" and the sidebar's install button share it, across every change of view and search.
// Only an app that can be installed now can be in it; one that becomes installed or unavailable
// drops out. Nothing of it is saved.
class AppSelection : public QObject
{
    Q_OBJECT

public:
    explicit AppSelection(InstallEngine *engine, QObject *parent = nullptr);

    // Neither installed (an update known counts as installed) nor unavailable. The services give
    // unavailable when the window has them; without, only installed apps are left out.
    bool isSelectable(const CatalogApp &app) const { return isSelectable(*m_engine, app); }
    static bool isSelectable(const InstallEngine &engine, const CatalogApp &app);
    // Busy with an install or a removal right now: its box waits.
    bool isBusy(const CatalogApp &app) const;

    bool contains(const QString &appID) const { return m_ids.contains(appID); }
    int count() const { return int(m_ids.size()); }
    // The ticked apps in catalog order.
    QList<CatalogApp> apps() const;

    void setSelected(const CatalogApp &app, bool selected);
    // Ticks each of apps that can be.
    void select(const QList<CatalogApp> &apps);
    void clear();

Q_SIGNALS:
    // The set changed, or what can be ticked may have (an operation ended, Homebrew's facts came).
    void changed();

private:
    void dropUnselectable();

    InstallEngine *m_engine; // outlives the selection, like the window's cards
    QSet<QString> m_ids;
};
