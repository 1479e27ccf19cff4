#pragma once

#include <QLayout>
#include <QList>

// Lays its widgets out in as many equal columns as fit at a minimum width, row after row, in
// item order; hidden widgets take no place. Every item in a row gets that row's height, so the
// cards of one row line up top and bottom.
class AdaptiveGridLayout : public QLayout
{
    Q_OBJECT

public:
    AdaptiveGridLayout(int minimumColumnWidth, int spacing, QWidget *parent = nullptr);
    ~AdaptiveGridLayout() override;

    void addItem(QLayoutItem *item) override;
    int count() const override { return int(m_items.size()); }
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;

    // Puts the items of these widgets first, in this order; the rest keep their order after them.
    void reorder(const QList<QWidget *> &order);

    // The number of columns that fit in a layout this wide.
    int columnCount(int width) const;

    Qt::Orientations expandingDirections() const override { return Qt::Horizontal; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect &rect) override;
    void invalidate() override;

private:
    int layOut(const QRect &rect, bool apply) const;

    QList<QLayoutItem *> m_items;
    int m_minimumColumnWidth;
    int m_spacing;
    // Scroll areas ask for the height at one width many times per layout pass.
    mutable int m_cachedWidth = -1;
    mutable int m_cachedHeight = 0;
};
