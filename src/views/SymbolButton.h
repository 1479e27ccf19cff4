#pragma once

#include <QAbstractButton>
#include <QColor>

// A borderless button of a symbol and an optional title in one colour, such as the sidebar's
// "Settings" or the search field's clear button (symbol only, named for assistive technology).
class SymbolButton : public QAbstractButton
{
    Q_OBJECT

public:
    SymbolButton(
        const QString &symbol, const QString &text, int pixelSize, const QColor &color, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_symbol;
    QColor m_color;
    int m_pixelSize;
};
