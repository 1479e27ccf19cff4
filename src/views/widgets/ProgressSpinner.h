#pragma once

#include <QBasicTimer>
#include <QWidget>

// A small indeterminate progress spinner: spokes fading round a circle. It only ticks while shown.
class ProgressSpinner : public QWidget
{
    Q_OBJECT

public:
    explicit ProgressSpinner(int side = 16, QWidget *parent = nullptr);

    bool isSpinning() const { return m_timer.isActive(); }
    QSize sizeHint() const override { return { m_side, m_side }; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    QBasicTimer m_timer;
    int m_side;
    int m_step = 0;
};
