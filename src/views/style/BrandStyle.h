#pragma once

#include <QColor>
#include <QProxyStyle>

// The brand's look over stock widgets. A widget given a Look is drawn here in the palette's brand
// colours (Brand.h says which role holds which); everything else the platform's own style draws.
// It also draws the one keyboard focus ring, slim scroll bars and the split view's line, and turns
// the platform's palette into the brand palette of its light or dark appearance, which is how the
// whole program follows the system when it changes.
class BrandStyle : public QProxyStyle
{
    Q_OBJECT

public:
    enum class Look {
        None,
        Filled, // the title on a filled primary rounded rectangle: Install, Get started
        Outlined, // the title outlined faintly in its own colour: Open System Settings
        Destructive, // deep terra title in a neutral outline: Uninstall
        Plain, // the title and its symbol alone: Done, links, the sidebar's footer
        Row, // full width on a light panel, the symbol trailing: the settings rows
        Disclosure, // a chevron before the title, turned while checked; "opensUp": the drawer's
        Summary, // no face of its own: the widgets laid out inside the button
        Switch, // a check box drawn as an on/off switch
        Check, // a check box drawn as a small rounded square, filled and ticked while checked
        Pill, // a label on a capsule tinted with the label's colour
        Panel, // a light rounded panel
        Card, // the application card's outlined rounded frame
        Field, // a text field on a light, outlined rounded rectangle
    };

    // Makes a BrandStyle the application's style, once, with its unhinted text, and the brand
    // controls' accessibility known.
    static void install();
    // Works the application palette out anew from the system's appearance, as a change of it does;
    // every widget then gets its ApplicationPaletteChange.
    static void refreshPalette();

    // Sets how widget is drawn. A button's padding may be changed through a "padding" QSize
    // property; a trailing text (the drawer's line count) through "trailingText".
    static void setLook(QWidget *widget, Look look);
    static Look look(const QWidget *widget);
    // The colour of the ring a control of look shows while the keyboard has put focus on it. It
    // stands out from what it is drawn next to in either appearance: the surfaces controls sit on,
    // or, on a filled control, the fill it lies inside. Look::None: a row of a list.
    static QColor focusRingColor(Look look, const QPalette &palette);
    // That ring around box: just inside it, on the control's edge; a filled control's inside its
    // fill, clear of the edge; a switch's and a check box's clear of their shape.
    static void drawFocusRing(
        QPainter *painter, const QRectF &box, qreal radius, const QPalette &palette, Look look = Look::None);

    void polish(QPalette &palette) override;
    void polish(QWidget *widget) override;
    using QProxyStyle::polish;

    void drawPrimitive(
        PrimitiveElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget) const override;
    void drawControl(
        ControlElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
        const QWidget *widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl subControl,
        const QWidget *widget) const override;
    QRect subElementRect(SubElement element, const QStyleOption *option, const QWidget *widget) const override;
    QSize sizeFromContents(
        ContentsType type, const QStyleOption *option, const QSize &size, const QWidget *widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const override;

private:
    bool drawsScrollBars() const;
    void drawButton(const QStyleOption *option, QPainter *painter, const QWidget *widget) const;
    void drawCheck(const QStyleOption *option, QPainter *painter) const;
    void drawSwitch(const QStyleOption *option, QPainter *painter) const;
    void drawShape(const QStyleOption *option, QPainter *painter, const QWidget *widget) const;
    void drawScrollBar(const QStyleOptionComplex *option, QPainter *painter, const QWidget *widget) const;
    QSize buttonSize(const QStyleOption *option, const QWidget *widget) const;
};
