#pragma once

#include <QColor>
#include <QWidget>

// A symbol followed by a short text in one colour, such as the "Installed" check.
class SymbolLabel : public QWidget
{
    Q_OBJECT

public:
    SymbolLabel(
        const QString &symbol, const QString &text, const QFont &font, const QColor &color, QWidget *parent = nullptr);

    QString text() const { return m_text; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_symbol;
    QString m_text;
    QColor m_color;
};
