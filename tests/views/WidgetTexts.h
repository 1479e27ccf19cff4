#pragma once

#include "views/card/ReplacesLine.h"
#include "views/widgets/SpinnerRow.h"
#include "views/widgets/SymbolLabel.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <functional>

// The texts a user would see in root right now: every visible label, button title, pill and
// spinner line, in reading order (line by line, then left to right; widget order where nothing
// is laid out yet). Tests compare against these rather than against widget names.
inline QStringList visibleTexts(const QWidget *root)
{
    QStringList texts;
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    const auto centre = [root](const QWidget *w) { return w->mapTo(root, w->rect().center()); };
    const auto byY = [&](const QWidget *a, const QWidget *b) { return centre(a).y() < centre(b).y(); };
    std::stable_sort(widgets.begin(), widgets.end(), byY);
    // Centred side by side, a row's widgets may sit a pixel apart: a few pixels make one line.
    for (auto line = widgets.begin(); line != widgets.end();) {
        const auto end = std::find_if(
            line, widgets.end(), [&](const QWidget *w) { return centre(w).y() > centre(*line).y() + 3; });
        std::stable_sort(line, end, [&](const QWidget *a, const QWidget *b) { return centre(a).x() < centre(b).x(); });
        line = end;
    }
    for (const QWidget *widget : std::as_const(widgets)) {
        if (!widget->isVisibleTo(root))
            continue;
        QString text;
        if (auto *replaces = qobject_cast<const ReplacesLine *>(widget))
            text = replaces->plainText();
        else if (auto *label = qobject_cast<const QLabel *>(widget))
            text = label->text();
        else if (auto *button = qobject_cast<const QAbstractButton *>(widget))
            text = button->text();
        else if (auto *symbolLabel = qobject_cast<const SymbolLabel *>(widget))
            text = symbolLabel->text();
        if (!text.isEmpty() && !qobject_cast<const SpinnerRow *>(widget->parentWidget()))
            texts.append(text);
        if (auto *spinner = qobject_cast<const SpinnerRow *>(widget))
            texts.append(spinner->text());
    }
    return texts;
}

// What a screen reader meets under root: each shown button, progress indicator and group, as
// "<role> <name> — <description> [states]".
inline QStringList heard(QWidget *root)
{
    using namespace Qt::StringLiterals;
    static const QHash<QAccessible::Role, QString> roles { { QAccessible::Button, u"button"_s },
        { QAccessible::ProgressBar, u"progress"_s }, { QAccessible::Grouping, u"group"_s } };
    QStringList lines;
    std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *node) {
        const QAccessible::State state = node->state();
        if (state.invisible)
            return;
        if (roles.contains(node->role())) {
            const QString description = node->text(QAccessible::Description);
            lines.append(roles.value(node->role()) + u' ' + node->text(QAccessible::Name)
                + (description.isEmpty() ? QString() : u" — "_s + description) + (state.busy ? u" [busy]"_s : QString())
                + (!state.expandable     ? QString()
                        : state.expanded ? u" [expanded]"_s
                                         : u" [collapsed]"_s));
        }
        for (int i = 0; i < node->childCount(); ++i)
            walk(node->child(i));
    };
    walk(QAccessible::queryAccessibleInterface(root));
    return lines;
}

// The accessible name of the widget with the keyboard focus.
inline QString focusName()
{
    QWidget *focused = QApplication::focusWidget();
    return focused ? QAccessible::queryAccessibleInterface(focused)->text(QAccessible::Name) : QString();
}

// The visible button titled (or, for one whose title wraps, named) text under root, or null.
inline QAbstractButton *visibleButton(const QWidget *root, const QString &text)
{
    for (QAbstractButton *button : root->findChildren<QAbstractButton *>())
        if ((button->text() == text || button->accessibleName() == text) && button->isVisibleTo(root))
            return button;
    return nullptr;
}
