#include "views/widgets/SpinnerRow.h"

#include "views/style/Brand.h"
#include "views/style/BrandAccessibility.h"
#include "views/style/Typography.h"
#include "views/widgets/ProgressSpinner.h"

#include <QHBoxLayout>
#include <QLabel>

SpinnerRow::SpinnerRow(const QString &text, QWidget *parent)
    : QWidget(parent)
    , m_label(Typography::label(QString(), 0, QFont::Normal, Brand::n3, true))
{
    // A long brew line wraps rather than widening the card.
    m_label->setFont(Typography::mono(12));
    setProperty("busy", true);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    row->addWidget(new ProgressSpinner, 0, Qt::AlignVCenter);
    row->addWidget(m_label, 1, Qt::AlignVCenter);
    setText(text);
}

QString SpinnerRow::text() const
{
    return m_label->text();
}

void SpinnerRow::setText(const QString &text)
{
    if (text == m_label->text())
        return;
    m_label->setText(text);
    setAccessibleName(text);
    BrandAccessibility::textChanged(this, QAccessible::NameChanged);
}
