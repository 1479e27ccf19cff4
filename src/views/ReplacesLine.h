#pragma once

#include "catalog/CatalogApp.h"

#include <QWidget>

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
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_lead;
    QString m_price;
};
