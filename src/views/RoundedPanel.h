#pragma once

#include <QColor>
#include <QWidget>

// A container drawn as a filled rounded rectangle, optionally outlined: the card frame and the light
// panels inside cards and sheets. Its children are laid out by whatever layout it is given.
class RoundedPanel : public QWidget
{
    Q_OBJECT

public:
    RoundedPanel(const QColor &fill, qreal radius, const QColor &stroke = QColor(), QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill;
    qreal m_radius;
    QColor m_stroke;
};
