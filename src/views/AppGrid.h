#pragma once

#include "catalog/CatalogApp.h"

#include <QHash>
#include <QWidget>

#include <functional>

class AdaptiveGridLayout;
class InstallEngine;

// The grid of application cards. Each card is made the first time its application is to be shown
// and then kept for the window's life, only shown, hidden and moved as the filters change, so it
// keeps its own view state (an open guidance panel, say).
class AppGrid : public QWidget
{
    Q_OBJECT

public:
    using CardFactory = std::function<QWidget *(const CatalogApp &app, InstallEngine *engine)>;

    AppGrid(InstallEngine *engine, CardFactory factory, QWidget *parent = nullptr);

    // Shows exactly these applications' cards, in this order.
    void setApps(const QList<CatalogApp> &apps);

    // The ids of the cards on show, in grid order.
    QStringList visibleIDs() const { return m_visibleIDs; }
    // The card made for id, or null when it has not been needed yet.
    QWidget *card(const QString &id) const { return m_cards.value(id); }
    int cardCount() const { return int(m_cards.size()); }
    AdaptiveGridLayout *gridLayout() const { return m_layout; }

private:
    InstallEngine *m_engine;
    CardFactory m_factory;
    AdaptiveGridLayout *m_layout;
    QHash<QString, QWidget *> m_cards;
    QStringList m_visibleIDs;
};
