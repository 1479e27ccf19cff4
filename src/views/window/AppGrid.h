#pragma once

#include "catalog/CatalogApp.h"

#include <QHash>
#include <QWidget>

#include <functional>

class AdaptiveGridLayout;
class InstallEngine;

// The grid of application cards. Each card is made the first time its application is to be shown
// and then kept for the window's life, only shown, hidden and moved as the filters change, so it
// keeps its own view state (an open guidance panel, say). Only the first screenful of new cards is
// made at once; the rest follow a few at a time once the grid has been painted, so a window
// shows its first frame quickly and a grid never painted never makes them.
class AppGrid : public QWidget
{
    Q_OBJECT

public:
    using CardFactory = std::function<QWidget *(const CatalogApp &app, InstallEngine *engine)>;

    // How many missing cards are made at once; about what a window of the default size shows.
    static constexpr int eagerCards = 4;

    AppGrid(InstallEngine *engine, CardFactory factory, QWidget *parent = nullptr);

    // Shows exactly these applications' cards, in this order.
    void setApps(const QList<CatalogApp> &apps);

    // The ids of the cards to show, in grid order.
    QStringList visibleIDs() const { return m_visibleIDs; }
    // Whether every card to show has been made.
    bool isComplete() const { return m_pending.isEmpty(); }
    // The least size; the height the grid needs follows from the width it is given (heightForWidth).
    QSize sizeHint() const override;
    // The card made for id, or null when it has not been needed (or made) yet.
    QWidget *card(const QString &id) const { return m_cards.value(id); }

Q_SIGNALS:
    // Emitted once the last pending card has been made.
    void completed();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void makeCard(const CatalogApp &app);
    void makePendingCards();
    void arrange();

    InstallEngine *m_engine;
    CardFactory m_factory;
    AdaptiveGridLayout *m_layout;
    QHash<QString, QWidget *> m_cards;
    QStringList m_visibleIDs;
    QList<CatalogApp> m_pending; // to show, not made yet, in grid order
    bool m_makeScheduled = false;
};
