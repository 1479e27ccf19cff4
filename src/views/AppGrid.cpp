#include "views/AppGrid.h"

#include "views/AdaptiveGridLayout.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int minimumColumnWidth = 300;
constexpr int spacing = 20;
constexpr int padding = 28;

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
    QList<QWidget *> order;
    QStringList ids;
    order.reserve(apps.size());
    for (const CatalogApp &app : apps) {
        QWidget *&card = m_cards[app.id];
        if (!card) {
            card = m_factory(app, m_engine);
            card->setParent(this);
            card->setProperty("appID", app.id);
            m_layout->addWidget(card);
        }
        order.append(card);
        ids.append(app.id);
    }
    m_layout->reorder(order);
    for (QWidget *card : std::as_const(m_cards))
        card->setVisible(order.contains(card));
    m_visibleIDs = ids;
    updateGeometry();
}
