#pragma once

#include <QAbstractButton>

class QVariantAnimation;

// A row-wide toggle with a chevron that turns to point down while its content is shown, as in the
// card's "Need help opening it?".
class DisclosureButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit DisclosureButton(const QString &text, QWidget *parent = nullptr);

    // The chevron's current turn in degrees: 0 closed, 90 open, between while it moves.
    qreal angle() const { return m_angle; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void checkStateSet() override;
    void nextCheckState() override;

private:
    void turnTo(qreal angle);

    QVariantAnimation *m_turn;
    qreal m_angle = 0;
};
