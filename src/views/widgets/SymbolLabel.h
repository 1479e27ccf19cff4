#pragma once

#include <QPalette>
#include <QWidget>

// A symbol, optionally followed by a short text, in one palette colour: the "Installed" check, the
// guidance and permission symbols, the empty state's magnifying glass. Painted from the palette,
// so it follows a change of appearance.
class SymbolLabel : public QWidget
{
    Q_OBJECT

public:
    // A symbol as high as the font's ascent, then the text.
    SymbolLabel(const QString &symbol, const QString &text, const QFont &font, QPalette::ColorRole role,
        QWidget *parent = nullptr);
    // A symbol alone, side pixels square, in a box of at least that size.
    SymbolLabel(const QString &symbol, int side, QPalette::ColorRole role, QWidget *parent = nullptr);

    QString text() const { return m_text; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int side() const;

    QString m_symbol;
    QString m_text;
    int m_side = 0; // 0: the font's ascent
};
