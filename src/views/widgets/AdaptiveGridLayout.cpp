#include "views/widgets/AdaptiveGridLayout.h"

#include <QWidget>

#include <algorithm>

AdaptiveGridLayout::AdaptiveGridLayout(int minimumColumnWidth, int spacing, QWidget *parent)
    : QLayout(parent)
    , m_minimumColumnWidth(minimumColumnWidth)
    , m_spacing(spacing)
{
}

AdaptiveGridLayout::~AdaptiveGridLayout()
{
    qDeleteAll(m_items);
}

void AdaptiveGridLayout::addItem(QLayoutItem *item)
{
    m_items.append(item);
}

QLayoutItem *AdaptiveGridLayout::itemAt(int index) const
{
    return index >= 0 && index < m_items.size() ? m_items.at(index) : nullptr;
}

QLayoutItem *AdaptiveGridLayout::takeAt(int index)
{
    return index >= 0 && index < m_items.size() ? m_items.takeAt(index) : nullptr;
}

void AdaptiveGridLayout::reorder(const QList<QWidget *> &order)
{
    QList<QLayoutItem *> sorted;
    sorted.reserve(m_items.size());
    for (QWidget *widget : order) {
        const auto found = std::find_if(
            m_items.begin(), m_items.end(), [widget](QLayoutItem *item) { return item->widget() == widget; });
        if (found != m_items.end()) {
            sorted.append(*found);
            m_items.erase(found);
        }
    }
    sorted.append(m_items);
    m_items = sorted;
    invalidate();
}

int AdaptiveGridLayout::columnCount(int width) const
{
    const QMargins margins = contentsMargins();
    const int available = width - margins.left() - margins.right();
    return std::max(1, (available + m_spacing) / (m_minimumColumnWidth + m_spacing));
}

int AdaptiveGridLayout::heightForWidth(int width) const
{
    if (width != m_cachedWidth) {
        m_cachedHeight = layOut(QRect(0, 0, width, 0), false);
        m_cachedWidth = width;
    }
    return m_cachedHeight;
}

void AdaptiveGridLayout::invalidate()
{
    m_cachedWidth = -1;
    QLayout::invalidate();
}

QSize AdaptiveGridLayout::minimumSize() const
{
    const QMargins margins = contentsMargins();
    return { m_minimumColumnWidth + margins.left() + margins.right(), margins.top() + margins.bottom() };
}

QSize AdaptiveGridLayout::sizeHint() const
{
    // The real height depends on the width it gets (heightForWidth); measuring every card at a
    // width that is never used would only cost time.
    return minimumSize();
}

void AdaptiveGridLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    layOut(rect, true);
}

// Places the items (when apply is set) and returns the height the layout needs at rect's width.
int AdaptiveGridLayout::layOut(const QRect &rect, bool apply) const
{
    const QMargins margins = contentsMargins();
    const QRect area = rect.marginsRemoved(margins);
    const int columns = columnCount(rect.width());
    const int columnWidth = std::max(1, (area.width() - (columns - 1) * m_spacing) / columns);

    QList<QLayoutItem *> shown;
    for (QLayoutItem *item : m_items) {
        if (!item->isEmpty())
            shown.append(item);
    }

    int y = area.top();
    for (int first = 0; first < shown.size(); first += columns) {
        const int last = std::min<int>(first + columns, shown.size());
        int rowHeight = 0;
        for (int i = first; i < last; ++i) {
            QLayoutItem *item = shown.at(i);
            const int height
                = item->hasHeightForWidth() ? item->heightForWidth(columnWidth) : item->sizeHint().height();
            rowHeight = std::max({ rowHeight, height, item->minimumSize().height() });
        }
        if (apply) {
            for (int i = first; i < last; ++i) {
                const int x = area.left() + (i - first) * (columnWidth + m_spacing);
                shown.at(i)->setGeometry(QRect(x, y, columnWidth, rowHeight));
            }
        }
        y += rowHeight + m_spacing;
    }
    if (!shown.isEmpty())
        y -= m_spacing;
    return y - rect.top() + margins.bottom();
}
