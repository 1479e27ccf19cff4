#include "views/window/EmptyState.h"

#include "views/style/Brand.h"
#include "views/style/Typography.h"
#include "views/widgets/SymbolLabel.h"

#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

EmptyState::EmptyState(QWidget *parent)
    : QWidget(parent)
    , m_message(Typography::label(message(QString()), 15, QFont::Normal, Brand::n3, true, this))
{
    setObjectName(u"emptyState"_s);
    auto *stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 80, 0, 0);
    stack->setSpacing(8);
    stack->addWidget(new SymbolLabel(u"magnifyingglass"_s, 28, Brand::n3, this), 0, Qt::AlignHCenter);
    m_message->setObjectName(u"emptyStateMessage"_s);
    m_message->setAlignment(Qt::AlignCenter);
    stack->addWidget(m_message);
    stack->addStretch();
}

QString EmptyState::message(const QString &searchText)
{
    // Only the category filter can empty the curated list; quoting nothing would read as a bug.
    if (searchText.isEmpty())
        return tr("No handselected apps in this category.");
    //: %1 is the text typed in the search field.
    return tr("No apps match “%1”").arg(searchText);
}

void EmptyState::setSearchText(const QString &searchText)
{
    m_message->setText(message(searchText));
}

QString EmptyState::text() const
{
    return m_message->text();
}
