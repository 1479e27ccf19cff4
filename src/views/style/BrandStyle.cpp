#include "views/style/BrandStyle.h"

#include "views/style/Brand.h"
#include "views/style/BrandAccessibility.h"
#include "views/style/Symbols.h"
#include "views/style/Typography.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QStyleHints>
#include <QStyleOption>

using namespace Qt::StringLiterals;

namespace {

using Look = BrandStyle::Look;

constexpr char lookProperty[] = "brandLook";
constexpr int symbolGap = 5; // between a button's symbol and its title
constexpr int trailingSymbol = 11; // a row's symbol, at its far end
constexpr int trailingGap = 8;
constexpr int switchWidth = 38;
constexpr int switchHeight = 22;
constexpr int switchMargin = 4; // room for the focus ring and a gap of surface inside it
constexpr int checkSide = 18;

struct Shape
{
    int padX = 0;
    int padY = 0;
    qreal radius = 4;
};

Shape shape(Look look)
{
    switch (look) {
    case Look::Filled:
        return { 16, 8, 10 };
    case Look::Outlined:
        return { 10, 5, 8 };
    case Look::Destructive:
        return { 12, 6, 9 };
    case Look::Row:
        return { 12, 12, 10 };
    case Look::Disclosure:
        return { 0, 2, 4 };
    case Look::Summary:
        return { 0, 0, 8 };
    default:
        return {};
    }
}

QMargins padding(Look look, const QWidget *widget)
{
    const QVariant custom = widget ? widget->property("padding") : QVariant();
    const QSize pad = custom.isValid() ? custom.toSize() : QSize(shape(look).padX, shape(look).padY);
    return { pad.width(), pad.height(), pad.width(), pad.height() };
}

bool opensUp(const QWidget *widget)
{
    return widget && widget->property("opensUp").toBool();
}

int chevronSide(const QWidget *widget)
{
    return opensUp(widget) ? 13 : 11;
}

int chevronGap(const QWidget *widget)
{
    return opensUp(widget) ? 8 : 6;
}

QString trailingText(const QWidget *widget)
{
    return widget ? widget->property("trailingText").toString() : QString();
}

// Half a pixel in, so a one-pixel outline lands on whole pixels.
QRectF inset(const QRect &rect)
{
    return QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
}

QPainterPath rounded(const QRectF &box, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(box, radius, radius);
    return path;
}

QColor faded(QColor color, qreal opacity)
{
    color.setAlphaF(color.alphaF() * opacity);
    return color;
}

QColor color(const QStyleOption *option, QPalette::ColorRole role)
{
    return option->palette.color(QPalette::Active, role);
}

bool keyboardFocus(const QStyleOption *option)
{
    return (option->state & QStyle::State_HasFocus) && (option->state & QStyle::State_KeyboardFocusChange);
}

} // namespace

void BrandStyle::install()
{
    if (qobject_cast<BrandStyle *>(QApplication::style()))
        return;
    QApplication::setStyle(new BrandStyle);
    // Text drawn unhinted, as a Mac draws it: the same letter shapes on every system, and no
    // hinting pass for each glyph before the first frame.
    QFont font = QApplication::font();
    font.setHintingPreference(QFont::PreferNoHinting);
    QApplication::setFont(font);
    BrandAccessibility::install();
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    // The palette may be worked out before the hints know the new scheme; once more when they do.
    QObject::connect(
        QGuiApplication::styleHints(), &QStyleHints::colorSchemeChanged, qApp, &BrandStyle::refreshPalette);
#endif
}

void BrandStyle::refreshPalette()
{
    // An empty palette resolves wholly against the base palette, which polish(QPalette &) makes.
    QApplication::setPalette(QPalette());
}

void BrandStyle::setLook(QWidget *widget, Look look)
{
    if (BrandStyle::look(widget) == look)
        return;
    widget->setProperty(lookProperty, int(look));
    // A look changes the size: a button forgets the size it remembered, a frame its border.
    QEvent change(QEvent::StyleChange);
    QCoreApplication::sendEvent(widget, &change);
    widget->updateGeometry();
    widget->update();
}

BrandStyle::Look BrandStyle::look(const QWidget *widget)
{
    return widget ? Look(widget->property(lookProperty).toInt()) : Look::None;
}

QColor BrandStyle::focusRingColor(Look look, const QPalette &palette)
{
    // The highlight, whole, everywhere but on the primary fill, whose own colour it would vanish
    // into: there it takes the colour of the fill's text.
    return palette.color(QPalette::Active, look == Look::Filled ? Brand::onPrimary : QPalette::Highlight);
}

void BrandStyle::drawFocusRing(QPainter *painter, const QRectF &box, qreal radius, const QPalette &palette, Look look)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setOpacity(1);
    painter->setPen(QPen(focusRingColor(look, palette), 2));
    painter->setBrush(Qt::NoBrush);
    // Two pixels wide, inside box; on a fill, two more pixels in, so a band of the fill frames it.
    const qreal in = look == Look::Filled ? 3 : 1;
    const QRectF ring = box.adjusted(in, in, -in, -in);
    if (radius > 0)
        painter->drawRoundedRect(ring, qMax<qreal>(radius - in + 1, 1), qMax<qreal>(radius - in + 1, 1));
    else
        painter->drawRect(ring);
    painter->restore();
}

void BrandStyle::polish(QPalette &palette)
{
    // Handed the platform's palette whenever it is worked out anew (at start, and when the system's
    // appearance changes): its brightness says which variant of the brand palette to give back.
    palette = Brand::palette(Brand::schemeFor(palette));
}

void BrandStyle::polish(QWidget *widget)
{
    QProxyStyle::polish(widget);
    // A font asked for while the font list was being read; settled before anything measures it.
    if (widget->testAttribute(Qt::WA_SetFont)) {
        if (const std::optional<QFont> font = Typography::settled(widget->font()))
            widget->setFont(*font);
    }
    const Look look = BrandStyle::look(widget);
    if (look == Look::None)
        return;
    // The one ring is drawn here; the Mac's own would be a second.
    widget->setAttribute(Qt::WA_MacShowFocusRect, false);
    if (qobject_cast<QAbstractButton *>(widget))
        widget->setCursor(Qt::PointingHandCursor);
    // The rounded field shows through the text area's corners.
    if (auto *area = qobject_cast<QAbstractScrollArea *>(widget))
        area->viewport()->setAutoFillBackground(false);
}

bool BrandStyle::drawsScrollBars() const
{
    // The Mac's own style already draws overlay scroll bars.
    return baseStyle()->name().compare(u"macos"_s, Qt::CaseInsensitive) != 0;
}

void BrandStyle::drawPrimitive(
    PrimitiveElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    switch (element) {
    case PE_FrameFocusRect:
        drawFocusRing(painter, inset(option->rect), 4, option->palette);
        return;
    case PE_PanelLineEdit:
        if (look(widget) == Look::Field) {
            // The whole widget: its contents margins set the glass and the text in from the edge.
            drawShape(option, painter, widget);
            if (keyboardFocus(option))
                drawFocusRing(painter, inset(widget->rect()), 10, option->palette, Look::Field);
            return;
        }
        break;
    case PE_PanelItemViewItem:
        if (option->state & State_Selected) {
            painter->fillRect(option->rect, faded(color(option, QPalette::Highlight), 0.18));
            return;
        }
        break;
    default:
        break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void BrandStyle::drawControl(
    ControlElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    const Look look = BrandStyle::look(widget);
    switch (element) {
    case CE_PushButton:
        if (look != Look::None)
            return drawButton(option, painter, widget);
        break;
    case CE_CheckBox:
        if (look == Look::Switch)
            return drawSwitch(option, painter);
        if (look == Look::Check)
            return drawCheck(option, painter);
        break;
    case CE_ShapedFrame:
        if (look == Look::Pill || look == Look::Panel || look == Look::Card || look == Look::Field)
            return drawShape(option, painter, widget);
        break;
    case CE_Splitter:
        painter->fillRect(option->rect, color(option, Brand::n2));
        return;
    case CE_ItemViewItem:
        // A selected line keeps its text colour on the faint selection.
        if (const auto *item = qstyleoption_cast<const QStyleOptionViewItem *>(option)) {
            QStyleOptionViewItem copy(*item);
            copy.palette.setColor(QPalette::HighlightedText, item->palette.color(QPalette::Text));
            return QProxyStyle::drawControl(element, &copy, painter, widget);
        }
        break;
    default:
        break;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void BrandStyle::drawButton(const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    if (!button)
        return;
    const Look look = BrandStyle::look(widget);
    const QRectF box = inset(option->rect);
    const qreal radius = shape(look).radius;
    const bool down = option->state & State_Sunken;
    const bool drawer = opensUp(widget);
    QColor text = color(option, look == Look::Filled ? Brand::onPrimary : widget->foregroundRole());

    painter->save();
    painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    // Like a borderless Mac button: faded while disabled, dimmed while held down.
    if (!(option->state & State_Enabled))
        painter->setOpacity(0.4);
    else if (down && look != Look::Row && !drawer)
        painter->setOpacity(0.7);
    switch (look) {
    case Look::Filled:
        painter->fillPath(rounded(box, radius), color(option, Brand::primary));
        break;
    case Look::Outlined:
    case Look::Destructive:
        painter->setPen(QPen(look == Look::Outlined ? faded(text, 0.4) : color(option, Brand::n2), 1));
        painter->drawPath(rounded(box, radius));
        break;
    case Look::Row:
        // Held down, the panel darkens a step towards the next neutral.
        painter->fillPath(rounded(box, radius), color(option, down ? Brand::n2 : Brand::n1));
        break;
    case Look::Disclosure:
        if (drawer && down)
            painter->fillRect(option->rect, faded(color(option, Brand::n2), 0.35));
        break;
    default:
        break;
    }

    // A button with a layout shows the widgets inside it instead of a title.
    if (!widget->layout()) {
        const QRect contents = option->rect.marginsRemoved(padding(look, widget));
        const QFontMetrics &metrics = button->fontMetrics;
        const qreal ratio = painter->device()->devicePixelRatioF();
        const int lineTop = contents.top() + (contents.height() - metrics.height()) / 2;
        int x = contents.left();
        if (look == Look::Disclosure) {
            const int side = chevronSide(widget);
            const bool open = option->state & State_On;
            const QString name = drawer ? (open ? u"chevron.down"_s : u"chevron.up"_s) : u"chevron.right"_s;
            painter->save();
            painter->translate(x + side / 2.0, contents.top() + contents.height() / 2.0);
            if (open && !drawer)
                painter->rotate(90);
            painter->drawPixmap(QPointF(-side / 2.0, -side / 2.0), Symbols::pixmap(name, text, side, ratio));
            painter->restore();
            x += side + chevronGap(widget);
            painter->setPen(text);
            const QString trailing = trailingText(widget);
            painter->drawText(
                contents.right() + 1 - metrics.horizontalAdvance(trailing), lineTop + metrics.ascent(), trailing);
        } else if (look == Look::Row) {
            const QPoint at(contents.right() + 1 - trailingSymbol, contents.center().y() - trailingSymbol / 2);
            painter->drawPixmap(at, button->icon.pixmap(QSize(trailingSymbol, trailingSymbol), ratio));
        } else {
            // Centred, for the buttons that are wider than their title (Get started).
            const int side = metrics.ascent();
            const int title = metrics.horizontalAdvance(button->text) + (button->icon.isNull() ? 0 : side + symbolGap);
            x += qMax(0, (contents.width() - title) / 2);
            if (!button->icon.isNull()) {
                const QPoint at(x, lineTop + (metrics.height() - side) / 2);
                painter->drawPixmap(at, button->icon.pixmap(QSize(side, side), ratio));
                x += side + symbolGap;
            }
        }
        // One line at its baseline: cheaper than having the painter lay the text out in a box.
        painter->setPen(text);
        painter->drawText(x, lineTop + metrics.ascent(), button->text);
    }
    painter->restore();
    if (keyboardFocus(option))
        drawFocusRing(painter, box, drawer ? 0 : qMax<qreal>(radius, 4), option->palette, look);
}

void BrandStyle::drawSwitch(const QStyleOption *option, QPainter *painter) const
{
    const QRectF track(option->rect.x() + switchMargin, option->rect.y() + (option->rect.height() - switchHeight) / 2.0,
        switchWidth, switchHeight);
    const qreal radius = switchHeight / 2.0;
    const bool on = option->state & State_On;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (!(option->state & State_Enabled))
        painter->setOpacity(0.45);
    painter->setPen(Qt::NoPen);
    QColor fill = color(option, on ? QPalette::Highlight : Brand::n2);
    painter->setBrush(option->state & State_Sunken ? fill.darker(108) : fill);
    painter->drawRoundedRect(track, radius, radius);

    // A white knob at the end the switch is turned to, with a soft shadow and a hairline edge.
    constexpr qreal knobInset = 1.5;
    const qreal knob = switchHeight - 2 * knobInset;
    const qreal travel = on ? switchWidth - 2 * knobInset - knob : 0;
    const QRectF knobRect(track.left() + knobInset + travel, track.top() + knobInset, knob, knob);
    painter->setBrush(QColor(0, 0, 0, 40));
    painter->drawEllipse(knobRect.translated(0, 0.75));
    painter->setBrush(Qt::white);
    painter->setPen(QPen(QColor(0, 0, 0, 22), 0.5));
    painter->drawEllipse(knobRect);
    painter->restore();
    if (keyboardFocus(option))
        drawFocusRing(painter, track.adjusted(-4, -4, 4, 4), radius + 4, option->palette, Look::Switch);
}

void BrandStyle::drawCheck(const QStyleOption *option, QPainter *painter) const
{
    const QRectF box = QRectF(option->rect.x() + switchMargin,
        option->rect.y() + (option->rect.height() - checkSide) / 2.0, checkSide, checkSide)
                           .adjusted(0.5, 0.5, -0.5, -0.5);
    constexpr qreal radius = 5;
    const bool on = option->state & State_On;
    painter->save();
    painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    if (!(option->state & State_Enabled))
        painter->setOpacity(0.4);
    else if (option->state & State_Sunken)
        painter->setOpacity(0.7);
    if (on) {
        painter->fillPath(rounded(box, radius), color(option, Brand::primary));
        const int tick = 12;
        painter->drawPixmap(QPointF(box.center().x() - tick / 2.0, box.center().y() - tick / 2.0),
            Symbols::pixmap(
                u"checkmark"_s, color(option, Brand::onPrimary), tick, painter->device()->devicePixelRatioF()));
    } else {
        // On the field colour, so it reads as something to tick on the card's cream.
        painter->fillPath(rounded(box, radius), color(option, QPalette::Base));
        painter->setPen(QPen(faded(color(option, Brand::n3), 0.7), 1));
        painter->drawPath(rounded(box, radius));
    }
    painter->restore();
    if (keyboardFocus(option))
        drawFocusRing(painter, box.adjusted(-4, -4, 4, 4), radius + 4, option->palette, Look::Check);
}

void BrandStyle::drawShape(const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    const Look look = BrandStyle::look(widget);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    // The widget's whole rectangle: a frame's own rectangle stops at its contents margins.
    const QRectF box = inset(widget->rect());
    if (look == Look::Pill) {
        const QRectF capsule = widget->rect();
        painter->fillPath(rounded(capsule, capsule.height() / 2), faded(color(option, widget->foregroundRole()), 0.12));
    } else {
        const qreal radius = look == Look::Card ? 16 : look == Look::Panel ? 12 : 10;
        // A card is cream on the window's cream: its outline is all there is to draw.
        if (look != Look::Card)
            painter->fillPath(rounded(box, radius), color(option, look == Look::Panel ? Brand::n1 : QPalette::Base));
        if (look != Look::Panel) {
            painter->setPen(QPen(color(option, Brand::n2), 1));
            painter->drawPath(rounded(box, radius));
        }
    }
    painter->restore();
}

void BrandStyle::drawComplexControl(
    ComplexControl control, const QStyleOptionComplex *option, QPainter *painter, const QWidget *widget) const
{
    if (control == CC_ScrollBar && drawsScrollBars())
        return drawScrollBar(option, painter, widget);
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

void BrandStyle::drawScrollBar(const QStyleOptionComplex *option, QPainter *painter, const QWidget *widget) const
{
    // Like the Mac's: no arrows, no track, a thin rounded thumb that darkens under the pointer.
    const auto *bar = qstyleoption_cast<const QStyleOptionSlider *>(option);
    if (!bar || bar->minimum == bar->maximum)
        return;
    const bool vertical = bar->orientation == Qt::Vertical;
    QRect thumb = subControlRect(CC_ScrollBar, option, SC_ScrollBarSlider, widget);
    thumb = vertical ? thumb.adjusted(2, 3, -2, -3) : thumb.adjusted(3, 2, -3, -2);
    const bool active = (bar->state & State_Sunken)
        || ((bar->state & State_MouseOver) && (bar->activeSubControls & SC_ScrollBarSlider));
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(faded(color(option, Brand::n3), active ? 0.67 : 0.43));
    painter->drawRoundedRect(thumb, 3, 3);
    painter->restore();
}

QRect BrandStyle::subControlRect(
    ComplexControl control, const QStyleOptionComplex *option, SubControl subControl, const QWidget *widget) const
{
    const auto *bar = qstyleoption_cast<const QStyleOptionSlider *>(option);
    if (control != CC_ScrollBar || !bar || !drawsScrollBars())
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    const QRect groove = option->rect;
    const bool vertical = bar->orientation == Qt::Vertical;
    const int length = vertical ? groove.height() : groove.width();
    const int range = bar->maximum - bar->minimum;
    const int minimum = pixelMetric(PM_ScrollBarSliderMin, option, widget);
    const int thumb = range > 0
        ? qBound(qMin(minimum, length), int(qint64(length) * bar->pageStep / (range + bar->pageStep)), length)
        : length;
    const int at
        = sliderPositionFromValue(bar->minimum, bar->maximum, bar->sliderPosition, length - thumb, bar->upsideDown);
    const auto span = [&](int from, int size) {
        return vertical ? QRect(groove.x(), groove.y() + from, groove.width(), size)
                        : QRect(groove.x() + from, groove.y(), size, groove.height());
    };
    switch (subControl) {
    case SC_ScrollBarGroove:
        return groove;
    case SC_ScrollBarSlider:
        return span(at, thumb);
    case SC_ScrollBarSubPage:
        return span(0, at);
    case SC_ScrollBarAddPage:
        return span(at + thumb, length - at - thumb);
    default:
        return {}; // no arrows
    }
}

QRect BrandStyle::subElementRect(SubElement element, const QStyleOption *option, const QWidget *widget) const
{
    const Look look = BrandStyle::look(widget);
    switch (element) {
    case SE_CheckBoxClickRect:
    case SE_CheckBoxContents:
    case SE_CheckBoxFocusRect:
    case SE_CheckBoxIndicator:
        if (look == Look::Switch || look == Look::Check)
            return option->rect;
        break;
    case SE_LineEditContents:
        if (look == Look::Field)
            return option->rect;
        break;
    default:
        break;
    }
    return QProxyStyle::subElementRect(element, option, widget);
}

QSize BrandStyle::buttonSize(const QStyleOption *option, const QWidget *widget) const
{
    const Look look = BrandStyle::look(widget);
    // A summary takes the width it is given and the height its layout needs for it; measuring its
    // preferred size would only cost the window's first frame.
    if (look == Look::Summary)
        return {};
    if (widget->layout())
        return widget->layout()->totalSizeHint();
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    const QFontMetrics &metrics = option->fontMetrics;
    // One pixel of slack: at fractional scales the drawn run can be a hair wider than the advance.
    int width = metrics.horizontalAdvance(button->text) + 1;
    int height = metrics.height();
    if (look == Look::Disclosure) {
        width += chevronSide(widget) + chevronGap(widget);
        if (const QString trailing = trailingText(widget); !trailing.isEmpty())
            width += 12 + metrics.horizontalAdvance(trailing);
        height = qMax(height, chevronSide(widget));
    } else if (!button->icon.isNull()) {
        width += look == Look::Row ? trailingGap + trailingSymbol : metrics.ascent() + symbolGap;
    }
    return QSize(width, height).grownBy(padding(look, widget));
}

QSize BrandStyle::sizeFromContents(
    ContentsType type, const QStyleOption *option, const QSize &size, const QWidget *widget) const
{
    const Look look = BrandStyle::look(widget);
    if (type == CT_PushButton && look != Look::None)
        return buttonSize(option, widget);
    if (type == CT_CheckBox && look == Look::Switch)
        return { switchWidth + 2 * switchMargin, switchHeight + 2 * switchMargin };
    if (type == CT_CheckBox && look == Look::Check)
        return { checkSide + 2 * switchMargin, checkSide + 2 * switchMargin };
    if (type == CT_LineEdit && look == Look::Field)
        return size + QSize(2, 2);
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

int BrandStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    switch (metric) {
    case PM_ScrollBarExtent:
        if (drawsScrollBars())
            return 10;
        break;
    case PM_ScrollBarSliderMin:
        if (drawsScrollBars())
            return 36;
        break;
    case PM_DefaultFrameWidth:
        if (look(widget) == Look::Field)
            return qobject_cast<const QLineEdit *>(widget) ? 0 : 1;
        break;
    default:
        break;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QIcon BrandStyle::standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const
{
    // The brand's own; the platform's would first look through icon themes and image plugins.
    if (icon == SP_LineEditClearButton)
        return Symbols::icon(u"xmark.circle.fill"_s, Brand::n3);
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
        return Symbols::icon(
            icon == SP_ToolBarHorizontalExtensionButton ? u"chevron.right"_s : u"chevron.down"_s, QPalette::ButtonText);
    return QProxyStyle::standardIcon(icon, option, widget);
}
