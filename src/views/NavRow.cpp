#include "views/NavRow.h"

#include "views/Brand.h"
#include "views/Symbols.h"
#include "views/Typography.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

constexpr int padX = 10;
constexpr int padY = 7;
constexpr int symbolSize = 16;
constexpr int symbolGap = 8;
constexpr qreal radius = 8;
constexpr qreal selectedFillOpacity = 0.12;

// A button that also reports whether its row is the current one.
class NavRowAccessible : public QAccessibleWidget
{
public:
    explicit NavRowAccessible(NavRow *row)
        : QAccessibleWidget(row, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<NavRow *>(widget())->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.selectable = true;
        s.selected = static_cast<NavRow *>(widget())->isSelected();
        return s;
    }

    QStringList actionNames() const override { return { pressAction() }; }

    void doAction(const QString &name) override
    {
        if (name == pressAction())
            static_cast<NavRow *>(widget())->click();
    }
};

QAccessibleInterface *navRowAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("NavRow") && object && object->isWidgetType())
        return new NavRowAccessible(static_cast<NavRow *>(object));
    return nullptr;
}

} // namespace

NavRow::NavRow(const QString &title, const QString &symbol, QWidget *parent)
    : QAbstractButton(parent)
    , m_symbol(symbol)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(navRowAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);

    setText(title);
    setFont(Typography::font(14));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void NavRow::setSelected(bool selected)
{
    if (selected == m_selected)
        return;
    m_selected = selected;
    // Selected rows are semibold, so the width the title needs changes with the state.
    setFont(Typography::font(14, selected ? QFont::DemiBold : QFont::Normal));
    updateGeometry();
    update();
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

QSize NavRow::sizeHint() const
{
    if (m_sizeHint.isEmpty()) {
        const QFontMetrics metrics(font());
        const int height = std::max(metrics.height(), symbolSize) + 2 * padY;
        m_sizeHint = { padX + symbolSize + symbolGap + metrics.horizontalAdvance(text()) + padX, height };
    }
    return m_sizeHint;
}

void NavRow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        m_sizeHint = QSize();
    QAbstractButton::changeEvent(event);
}

void NavRow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor fill = Brand::primary;
    fill.setAlphaF(selectedFillOpacity);
    if (m_selected) {
        QPainterPath shape;
        shape.addRoundedRect(box, radius, radius);
        painter.fillPath(shape, fill);
    }
    if (isDown())
        painter.setOpacity(0.7);

    const QColor color = m_selected ? Brand::primary : Brand::warmBlack;
    const QRect content = rect().adjusted(padX, padY, -padX, -padY);
    const QPixmap symbol = Symbols::pixmap(m_symbol, color, symbolSize, devicePixelRatioF());
    painter.drawPixmap(QPoint(content.left(), content.center().y() - symbolSize / 2 + 1), symbol);
    painter.setPen(color);
    painter.setFont(font());
    const QRect titleRect = content.adjusted(symbolSize + symbolGap, 0, 0, 0);
    painter.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter,
        QFontMetrics(font()).elidedText(text(), Qt::ElideRight, titleRect.width()));

    if (hasFocus() && m_keyboardFocus) {
        QColor ring = Brand::primary;
        ring.setAlphaF(0.5);
        painter.setOpacity(1.0);
        painter.setPen(QPen(ring, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(box.adjusted(1, 1, -1, -1), radius, radius);
    }
}

void NavRow::focusInEvent(QFocusEvent *event)
{
    // A ring only when the keyboard moved focus here, not after every click.
    m_keyboardFocus = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    QAbstractButton::focusInEvent(event);
}
