#pragma once

#include <QAbstractButton>

class QVariantAnimation;

// An on/off switch in the brand's colours, drawn like the Mac's: a rounded track with a white knob
// that slides across with the brand's quick curve.
class BrandSwitch : public QAbstractButton
{
    Q_OBJECT

public:
    explicit BrandSwitch(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // Where the knob is drawn: 0 at the off end, 1 at the on end; moves while animating.
    qreal knobPosition() const { return m_position; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void checkStateSet() override;
    void nextCheckState() override;
    void focusInEvent(QFocusEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    void slideTo(bool on);

    qreal m_position = 0;
    QVariantAnimation *m_animation;
    bool m_keyboardFocus = false;
};
