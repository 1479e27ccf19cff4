#include "views/DrawerToggle.h"

#include "views/Brand.h"
#include "views/Symbols.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

constexpr int symbolSize = 13;

QLabel *monoLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPixelSize(12);
    label->setFont(mono);
    label->setTextFormat(Qt::PlainText);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Brand::n3);
    label->setPalette(p);
    // Clicks go through to the row.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

} // namespace

DrawerToggle::DrawerToggle(QWidget *parent)
    : QAbstractButton(parent)
    , m_chevron(new QLabel(this))
    , m_count(monoLabel(QString(), this))
{
    setObjectName(u"drawerToggle"_s);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setText(u"Install log"_s);
    setAccessibleName(u"Install log"_s);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(20, 10, 20, 10);
    row->setSpacing(8);
    m_chevron->setFixedSize(symbolSize, symbolSize);
    m_chevron->setAttribute(Qt::WA_TransparentForMouseEvents);
    row->addWidget(m_chevron);
    row->addWidget(monoLabel(u"Install log"_s, this));
    row->addStretch();
    m_count->setObjectName(u"drawerLineCount"_s);
    row->addWidget(m_count);

    setOpen(false);
    setLineCount(0);
}

QString DrawerToggle::countText(int lineCount)
{
    // The word stays "lines" whatever the number.
    return lineCount > 0 ? QString::number(lineCount) + u" lines"_s : QString();
}

void DrawerToggle::setOpen(bool open)
{
    m_chevron->setPixmap(Symbols::pixmap(open ? u"chevron.down"_s : u"chevron.up"_s, Brand::n3, symbolSize));
    m_chevron->setProperty("symbol", open ? u"chevron.down"_s : u"chevron.up"_s);
}

void DrawerToggle::setLineCount(int lineCount)
{
    m_count->setText(countText(lineCount));
    m_count->setVisible(lineCount > 0);
}

QString DrawerToggle::countText() const
{
    return m_count->isHidden() ? QString() : m_count->text();
}

void DrawerToggle::paintEvent(QPaintEvent *)
{
    // The labels draw the row; only keyboard focus and a press need painting here.
    QPainter painter(this);
    if (isDown()) {
        QColor shade = Brand::n2;
        shade.setAlphaF(0.35);
        painter.fillRect(rect(), shade);
    }
    if (hasFocus()) {
        QColor ring = Brand::primary;
        ring.setAlphaF(0.5);
        painter.setPen(QPen(ring, 2));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}
