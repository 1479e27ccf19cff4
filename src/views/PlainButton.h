#pragma once

#include "views/PaintedButton.h"

#include <QColor>
#include <QFont>
#include <QMargins>

// A push button without system chrome: its label alone, or on a filled rounded rectangle. Being a
// QPushButton it can be a dialog's default button, which Return presses.
class PlainButton : public PaintedButton
{
    Q_OBJECT

public:
    struct Look
    {
        QFont font;
        QColor text;
        QColor fill; // invalid: no background
        qreal radius = 0;
        QMargins padding;
        bool fullWidth = false;
    };

    PlainButton(const QString &text, const Look &look, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Look m_look;
};
