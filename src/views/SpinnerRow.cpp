#include "views/SpinnerRow.h"

#include "views/Brand.h"
#include "views/ProgressSpinner.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>

SpinnerRow::SpinnerRow(const QString &text, QWidget *parent)
    : QWidget(parent)
    , m_label(new QLabel)
{
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPixelSize(12);
    m_label->setFont(mono);
    m_label->setTextFormat(Qt::PlainText);
    // A long brew line wraps rather than widening the card.
    m_label->setWordWrap(true);
    QPalette palette = m_label->palette();
    palette.setColor(QPalette::WindowText, Brand::n3);
    m_label->setPalette(palette);

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
    m_label->setText(text);
    setAccessibleName(text);
}
