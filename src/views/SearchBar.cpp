#include "views/SearchBar.h"

#include "views/Brand.h"
#include "views/SymbolButton.h"
#include "views/Symbols.h"
#include "views/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace {

constexpr qreal radius = 10;
constexpr int symbolSize = 16;

} // namespace

SearchBar::SearchBar(QWidget *parent)
    : QWidget(parent)
    , m_field(new QLineEdit(this))
    , m_clear(new SymbolButton(u"xmark.circle.fill"_s, QString(), 14, Brand::n3, this))
{
    setObjectName(u"searchBar"_s);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(14, 9, 14, 9);
    row->setSpacing(8);

    auto *glass = new QLabel(this);
    glass->setPixmap(Symbols::pixmap(u"magnifyingglass"_s, Brand::n3, symbolSize));
    glass->setFixedSize(symbolSize, symbolSize);
    row->addWidget(glass);

    m_field->setObjectName(u"searchField"_s);
    m_field->setFrame(false);
    m_field->setPlaceholderText(u"Search apps"_s);
    m_field->setFont(Typography::font(14));
    m_field->setClearButtonEnabled(false);
    m_field->setAttribute(Qt::WA_MacShowFocusRect, false);
    m_field->setAccessibleName(u"Search apps"_s);
    QPalette p = m_field->palette();
    p.setColor(QPalette::Base, Qt::transparent);
    p.setColor(QPalette::Text, Brand::warmBlack);
    p.setColor(QPalette::PlaceholderText, Brand::n3);
    p.setColor(QPalette::Highlight, Brand::primary);
    p.setColor(QPalette::HighlightedText, Brand::cream);
    m_field->setPalette(p);
    row->addWidget(m_field, 1);

    m_clear->setObjectName(u"clearSearchButton"_s);
    m_clear->setToolTip(u"Clear search"_s);
    m_clear->setAccessibleName(u"Clear search"_s);
    m_clear->setVisible(false);
    row->addWidget(m_clear);

    connect(m_clear, &SymbolButton::clicked, this, [this] { m_field->clear(); });
    connect(m_field, &QLineEdit::textChanged, this, [this](const QString &text) {
        // Any text at all, white space included, can be cleared.
        m_clear->setVisible(!text.isEmpty());
        Q_EMIT textChanged(text);
    });
}

QString SearchBar::text() const
{
    return m_field->text();
}

void SearchBar::setText(const QString &text)
{
    m_field->setText(text);
}

void SearchBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.fillPath(shape, Brand::n1);
    painter.setPen(QPen(Brand::n2, 1));
    painter.drawPath(shape);
}
