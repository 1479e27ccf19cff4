#pragma once

#include <QPushButton>

class QPainter;

// What every self-drawn button shares: the pointing cursor, keyboard focus only by Tab, no
// auto-default, the Mac plain-button dimming while held or disabled, and a focus ring shown only
// when the keyboard moved focus here.
class PaintedButton : public QPushButton
{
    Q_OBJECT

public:
    PaintedButton(const QString &text, const QFont &font, QWidget *parent = nullptr);

protected:
    // The opacity to paint the button's content with in its current state.
    qreal stateOpacity() const;
    // Draws the focus ring inside box when the keyboard gave this button focus.
    void paintFocusRing(QPainter &painter, const QRectF &box, qreal radius) const;
    void focusInEvent(QFocusEvent *event) override;

private:
    bool m_keyboardFocus = false;
};
