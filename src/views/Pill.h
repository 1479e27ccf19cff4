#pragma once

#include <QColor>
#include <QWidget>

// A short label on a capsule tinted with its own colour: pricing, category and licence tags.
class Pill : public QWidget
{
    Q_OBJECT

public:
    Pill(const QString &text, const QColor &color, QWidget *parent = nullptr);

    QString text() const { return m_text; }
    QColor color() const { return m_color; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    QColor m_color;
};
