#include "views/EmptyState.h"

#include "views/Brand.h"
#include "views/Symbols.h"
#include "views/Typography.h"

#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int symbolSize = 28;

} // namespace

EmptyState::EmptyState(QWidget *parent)
    : QWidget(parent)
    , m_message(Typography::label(message(QString()), 15, QFont::Normal, Brand::n3, false, this))
{
    setObjectName(u"emptyState"_s);
    auto *stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 80, 0, 0);
    stack->setSpacing(8);

    auto *glass = new QLabel(this);
    glass->setPixmap(Symbols::pixmap(u"magnifyingglass"_s, Brand::n3, symbolSize));
    glass->setAlignment(Qt::AlignCenter);
    stack->addWidget(glass);

    m_message->setObjectName(u"emptyStateMessage"_s);
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setWordWrap(true);
    stack->addWidget(m_message);
    stack->addStretch();
}

QString EmptyState::message(const QString &searchText)
{
    return u"No apps match \u201C"_s + searchText + u"\u201D"_s;
}

void EmptyState::setSearchText(const QString &searchText)
{
    m_message->setText(message(searchText));
}

QString EmptyState::text() const
{
    return m_message->text();
}
