#pragma once

#include <QWidget>

class QPainter;

// The product mark: three overlapping rounded squares, drawn from numbers so it is sharp at any size.
class BrandMark : public QWidget
{
    Q_OBJECT

public:
    explicit BrandMark(qreal size = 60, QWidget *parent = nullptr);

    qreal markSize() const { return m_size; }
    void setMarkSize(qreal size);

    QSize sizeHint() const override;

    // Draws the mark in a size x size square centred in frame.
    static void paint(QPainter *painter, const QRectF &frame, qreal size);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qreal m_size;
};
