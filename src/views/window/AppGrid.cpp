#include "views/window/AppGrid.h"

#include "views/widgets/AdaptiveGridLayout.h"

#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

constexpr int minimumColumnWidth = 300;
constexpr int spacing = 20;
constexpr int padding = 28;
// Cards made per turn of the event loop once the first screenful is up.
constexpr int cardsPerTurn = 4;

} // namespace

AppGrid::AppGrid(InstallEngine *engine, CardFactory factory, QWidget *parent)
    : QWidget(parent)
    , m_engine(engine)
    , m_factory(std::move(factory))
    , m_layout(new AdaptiveGridLayout(minimumColumnWidth, spacing, this))
{
    setObjectName(u"appGrid"_s);
    m_layout->setContentsMargins(padding, padding, padding, padding);
}

void AppGrid::setApps(const QList<CatalogApp> &apps)
{
    m_visibleIDs.clear();
    m_pending.clear();
    int made = 0;
    for (const CatalogApp &app : apps) {
        m_visibleIDs.append(app.id);
        if (m_cards.contains(app.id))
            continue;
        if (made < eagerCards) {
            makeCard(app);
            ++made;
        } else {
            m_pending.append(app);
        }
    }
    arrange();
    // The rest are made once the grid has been painted with what it has (paintEvent).
    update();
}

QSize AppGrid::sizeHint() const
{
    // A widget's own hint would measure every card at the least width, which is never used.
    return m_layout->minimumSize();
}

void AppGrid::paintEvent(QPaintEvent *)
{
    if (!m_pending.isEmpty() && !m_makeScheduled) {
        m_makeScheduled = true;
        QTimer::singleShot(0, this, &AppGrid::makePendingCards);
    }
}

void AppGrid::makeCard(const CatalogApp &app)
{
    QWidget *card = m_factory(app, m_engine);
    card->setParent(this);
    card->setProperty("appID", app.id);
    m_cards.insert(app.id, card);
    m_layout->addWidget(card);
}

void AppGrid::makePendingCards()
{
    m_makeScheduled = false;
    for (int i = 0; i < cardsPerTurn && !m_pending.isEmpty(); ++i)
        makeCard(m_pending.takeFirst());
    arrange();
    if (!m_pending.isEmpty()) {
        m_makeScheduled = true;
        QTimer::singleShot(0, this, &AppGrid::makePendingCards);
    } else {
        Q_EMIT completed();
    }
}

void AppGrid::arrange()
{
    QList<QWidget *> order;
    order.reserve(m_visibleIDs.size());
    for (const QString &id : std::as_const(m_visibleIDs)) {
        if (QWidget *card = m_cards.value(id))
            order.append(card);
    }
    m_layout->reorder(order);
    // Only changes: showing a card that is not hidden would lay it out now, at a size it will not
    // have (before the window is first shown, a new card shows with the grid anyway).
    for (QWidget *card : std::as_const(m_cards)) {
        const bool shown = order.contains(card);
        if (card->isHidden() == shown)
            card->setVisible(shown);
    }
    updateGeometry();
}
