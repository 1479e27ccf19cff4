#pragma once

#include "views/PaintedButton.h"

#include <QColor>
#include <QFont>
#include <QMargins>

// A borderless button drawn like a Mac plain-style button: an optional leading symbol and a title,
// on an optional filled or outlined rounded rectangle. A wrapping title grows the button in height
// instead of being cut off.
class ShapedButton : public PaintedButton
{
    Q_OBJECT

public:
    struct Look
    {
        QFont font;
        QColor text;
        QColor fill; // invalid: no background
        QColor stroke; // invalid: no outline
        qreal radius = 0;
        QMargins padding;
        QString symbol; // a Symbols name; empty for none
        bool wraps = false;
    };

    ShapedButton(const QString &text, const Look &look, QWidget *parent = nullptr);

    const Look &look() const { return m_look; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return m_look.wraps; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int symbolSide() const;
    int symbolSpace() const; // symbol plus its gap to the title, or 0
    QRect titleRect(int width) const;

    Look m_look;
};
