#include "views/widgets/SpinnerRow.h"

#include "views/style/Brand.h"
#include "views/style/BrandAccessibility.h"
#include "views/style/Typography.h"
#include "views/widgets/ProgressSpinner.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

SpinnerRow::SpinnerRow(const QString &text, QWidget *parent)
    : QWidget(parent)
    , m_label(Typography::label(QString(), 0, QFont::Normal, Brand::n3, true))
    , m_bar(new QProgressBar)
{
    // A long brew line wraps rather than widening the card.
    m_label->setFont(Typography::mono(12));
    setProperty("busy", true);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    auto *row = new QHBoxLayout;
    row->setSpacing(8);
    row->addWidget(new ProgressSpinner, 0, Qt::AlignVCenter);
    row->addWidget(m_label, 1, Qt::AlignVCenter);
    column->addLayout(row);
    m_bar->setRange(0, 100);
    m_bar->setTextVisible(false);
    m_bar->setFixedHeight(4);
    m_bar->setAccessibleName(tr("Download progress"));
    m_bar->hide();
    column->addWidget(m_bar);
    setText(text);
}

QString SpinnerRow::text() const
{
    return m_label->text();
}

void SpinnerRow::setProgress(int percent)
{
    m_percent = qBound(-1, percent, 100);
    m_bar->setVisible(m_percent >= 0);
    if (m_percent >= 0)
        m_bar->setValue(m_percent);
}

void SpinnerRow::setText(const QString &text)
{
    if (text == m_label->text())
        return;
    m_label->setText(text);
    // Figures change several times a second: saying each would drown everything else out.
    const int quarter = m_percent >= 0 ? m_percent / 25 : -1;
    if (quarter >= 0 && quarter == m_announcedQuarter)
        return;
    m_announcedQuarter = quarter;
    setAccessibleName(text);
    BrandAccessibility::textChanged(this, QAccessible::NameChanged);
}
