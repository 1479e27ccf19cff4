#include "views/style/Controls.h"

#include "views/style/Brand.h"
#include "views/style/BrandAccessibility.h"
#include "views/style/Symbols.h"
#include "views/style/Typography.h"
#include "views/widgets/SymbolLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

using Look = BrandStyle::Look;

namespace Controls {

QPushButton *button(
    const QString &text, Look look, QPalette::ColorRole role, const QFont &font, const QString &symbol, QWidget *parent)
{
    // The look first: assistive technology may ask about the button as soon as it has a title.
    auto *button = new QPushButton(parent);
    BrandStyle::setLook(button, look);
    button->setText(text);
    if (look == Look::Filled)
        role = Brand::onPrimary;
    button->setForegroundRole(role);
    button->setFont(font);
    if (!symbol.isEmpty())
        button->setIcon(Symbols::icon(symbol, look == Look::Row ? Brand::n3 : role));
    // As on the Mac: buttons take focus from the keyboard, not from a click, and none is the
    // default unless said so.
    button->setFocusPolicy(Qt::TabFocus);
    button->setAutoDefault(false);
    const bool rowWide = look == Look::Row || look == Look::Disclosure;
    button->setSizePolicy(rowWide ? QSizePolicy::Expanding : QSizePolicy::Fixed, QSizePolicy::Fixed);
    return button;
}

QPushButton *wrappingButton(const QString &text, Look look, QPalette::ColorRole role, const QFont &font,
    const QString &symbol, const QMargins &padding)
{
    QPushButton *wrapping = button(QString(), look, role, font);
    wrapping->setAccessibleName(text);
    role = wrapping->foregroundRole();
    auto *row = new QHBoxLayout(wrapping);
    row->setContentsMargins(padding);
    row->setSpacing(5);
    const QFontMetrics metrics(font);
    int symbolWidth = 0;
    if (!symbol.isEmpty()) {
        auto *mark = new SymbolLabel(symbol, metrics.ascent(), role);
        // Level with the first line of the title.
        mark->setContentsMargins(0, (metrics.height() - metrics.ascent()) / 2, 0, 0);
        row->addWidget(mark, 0, Qt::AlignTop);
        symbolWidth = metrics.ascent() + row->spacing();
    }
    QLabel *title = Typography::label(text, 0, QFont::Normal, role, true);
    title->setFont(font);
    row->addWidget(title, 1);
    // Narrow enough for the longest word; the height follows from the width it gets.
    int widest = 0;
    for (const QString &word : text.split(u' '))
        widest = qMax(widest, metrics.horizontalAdvance(word));
    wrapping->setMinimumWidth(widest + symbolWidth + padding.left() + padding.right() + 1);
    wrapping->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    return wrapping;
}

QPushButton *disclosure(const QString &text, const QFont &font, QWidget *parent)
{
    QPushButton *toggle = button(text, Look::Disclosure, Brand::n3, font, {}, parent);
    toggle->setCheckable(true);
    QObject::connect(toggle, &QPushButton::toggled, toggle, [toggle] {
        QAccessible::State changed;
        changed.expanded = true;
        changed.collapsed = true;
        BrandAccessibility::stateChanged(toggle, changed);
    });
    return toggle;
}

QLabel *pill(const QString &text, QPalette::ColorRole role, QWidget *parent)
{
    QLabel *pill = Typography::label(text, 11, QFont::Medium, role, false, parent);
    BrandStyle::setLook(pill, Look::Pill);
    pill->setContentsMargins(8, 3, 8, 3);
    pill->setAlignment(Qt::AlignCenter);
    pill->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return pill;
}

QFrame *panel(QWidget *parent)
{
    auto *panel = new QFrame(parent);
    BrandStyle::setLook(panel, Look::Panel);
    return panel;
}

QWidget *divider(QWidget *parent)
{
    auto *line = new QWidget(parent);
    line->setFixedHeight(1);
    line->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    fill(line, Brand::n2);
    return line;
}

void fill(QWidget *widget, QPalette::ColorRole role)
{
    widget->setBackgroundRole(role);
    widget->setAutoFillBackground(true);
}

} // namespace Controls
