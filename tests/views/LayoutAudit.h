#pragma once

#include "views/widgets/ElidedLabel.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QLabel>
#include <QLayout>
#include <QStringList>
#include <QToolButton>
#include <QWidget>

// What a reader would find cut off or covered in root as it is laid out now: a label or button
// whose text needs more room than it has (a wrapping label counts its lines, an eliding one may
// cut as designed), a widget reaching past its parent, and two widgets of one layout on top of
// each other. Each problem names the widget by its text.
namespace LayoutAudit {

inline QString describe(const QWidget *widget)
{
    auto *label = qobject_cast<const QLabel *>(widget);
    auto *button = qobject_cast<const QAbstractButton *>(widget);
    QString text = label ? label->text() : button ? button->text() : QString();
    if (text.isEmpty())
        text = widget->accessibleName();
    return QString::fromLatin1(widget->metaObject()->className()) + QStringLiteral(" “") + text.left(60)
        + QStringLiteral("”");
}

// Whether layout, or a layout nested in it, places widget.
inline bool places(QLayout *layout, const QWidget *widget)
{
    for (int i = 0; layout && i < layout->count(); ++i)
        if (layout->itemAt(i)->widget() == widget || places(layout->itemAt(i)->layout(), widget))
            return true;
    return false;
}

inline QString tooSmall(const QWidget *widget)
{
    auto *label = qobject_cast<const QLabel *>(widget);
    auto *button = qobject_cast<const QAbstractButton *>(widget);
    // A tool button showing its icon alone keeps its text for assistive technology.
    auto *tool = qobject_cast<const QToolButton *>(widget);
    if ((!label && !button) || (label ? label->text() : button->text()).isEmpty()
        || (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly))
        return {};
    const QSize has = widget->size();
    if (qobject_cast<const ElidedLabel *>(widget) || (label && label->wordWrap()) || widget->hasHeightForWidth()) {
        const int needs = widget->heightForWidth(has.width());
        return needs > has.height() + 1 ? QStringLiteral("needs %1 px high, has %2").arg(needs).arg(has.height())
                                        : QString();
    }
    const int needs = widget->sizeHint().width();
    return needs > has.width() + 1 ? QStringLiteral("needs %1 px wide, has %2").arg(needs).arg(has.width()) : QString();
}

inline QStringList problems(const QWidget *root)
{
    QStringList found;
    for (const QWidget *widget : root->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(root) || widget->isWindow() || widget->size().isEmpty())
            continue;
        if (const QString problem = tooSmall(widget); !problem.isEmpty())
            found.append(describe(widget) + u' ' + problem);
        QWidget *parent = widget->parentWidget();
        const QAbstractScrollArea *scroll = nullptr;
        for (const QWidget *w = parent; w && w != root && !scroll; w = w->parentWidget())
            scroll = qobject_cast<const QAbstractScrollArea *>(w);
        // What scrolls may run past the bottom, never past the sides it does not scroll to.
        if (scroll && scroll->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff
            && scroll->viewport()->isAncestorOf(widget)
            && widget->mapTo(scroll->viewport(), QPoint(widget->width(), 0)).x() > scroll->viewport()->width() + 1)
            found.append(describe(widget) + QStringLiteral(" runs past the side of what scrolls"));
        if (scroll || !parent)
            continue;
        if (!parent->rect().adjusted(-1, -1, 1, 1).contains(widget->geometry()))
            found.append(describe(widget) + QStringLiteral(" reaches past ") + describe(parent));
        if (!places(parent->layout(), widget))
            continue;
        for (const QWidget *other : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            const QRect shared = widget->geometry().intersected(other->geometry());
            if (other > widget && other->isVisibleTo(root) && !other->isWindow() && places(parent->layout(), other)
                && shared.width() > 1 && shared.height() > 1)
                found.append(describe(widget) + QStringLiteral(" overlaps ") + describe(other));
        }
    }
    return found;
}

} // namespace LayoutAudit
