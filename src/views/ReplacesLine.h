#pragma once

#include "catalog/CatalogApp.h"

#include <QLabel>

// "Replaces Paste - $30/yr": the paid application an entry stands in for, its price dimmed. Its
// colours are worked out again whenever the palette changes.
class ReplacesLine : public QLabel
{
    Q_OBJECT

public:
    ReplacesLine(const Replacement &replaces, int pixelSize, QWidget *parent = nullptr);

    // The line as read aloud and as plain text.
    QString plainText() const { return m_lead + m_price; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void colour();

    QString m_lead;
    QString m_price;
};
