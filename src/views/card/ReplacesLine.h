#pragma once

#include "catalog/CatalogApp.h"

#include <QWidget>

#include <optional>

// "Replaces Paste - $30/yr": the paid application an entry stands in for, its price dimmed; the
// price goes to a second line when both do not fit. Drawn from the palette as it is now, without
// the cost of a rich-text document for two colours.
class ReplacesLine : public QWidget
{
    Q_OBJECT

public:
    ReplacesLine(const Replacement &replaces, int pixelSize, QWidget *parent = nullptr);

    // The line as read aloud and as plain text.
    QString plainText() const { return m_lead + m_price; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // The widths of the lead, the price and the whole line in the current font, measured once:
    // layouts ask for them over and over.
    struct Advances
    {
        int lead = 0;
        int price = 0;
        int whole = 0;
    };
    const Advances &advances() const;

    QString m_lead;
    QString m_price;
    mutable std::optional<Advances> m_advances;
};
