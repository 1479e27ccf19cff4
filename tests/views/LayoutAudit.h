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
    QString text;
    if (auto *label = qobject_cast<const QLabel *>(widget))
        text = label->text();
    else if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        text = button->text();
    if (text.isEmpty())
        text = widget->accessibleName();
    return QString::fromLatin1(widget->metaObject()->className()) + QStringLiteral(" “") + text.left(60)
        + QStringLiteral("”");
}

inline bool scrolls(const QWidget *widget, const QWidget *root)
{
    for (const QWidget *w = widget->parentWidget(); w && w != root; w = w->parentWidget())
        if (qobject_cast<const QAbstractScrollArea *>(w))
            return true;
    return false;
}

// Whether layout, or a layout nested in it, places widget.
inline bool places(const QLayout *layout, const QWidget *widget)
{
    for (int i = 0; layout && i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (item->widget() == widget || places(item->layout(), widget))
            return true;
    }
    return false;
}

inline QString tooSmall(const QWidget *widget)
{
    const QSize has = widget->size();
    if (auto *elided = qobject_cast<const ElidedLabel *>(widget)) {
        const int needs = elided->heightForWidth(has.width());
        return needs > has.height() + 1 ? QStringLiteral("needs %1 px high, has %2").arg(needs).arg(has.height())
                                        : QString();
    }
    if (auto *label = qobject_cast<const QLabel *>(widget)) {
        if (label->text().isEmpty())
            return {};
        if (label->wordWrap()) {
            const int needs = label->heightForWidth(has.width());
            return needs > has.height() + 1 ? QStringLiteral("needs %1 px high, has %2").arg(needs).arg(has.height())
                                            : QString();
        }
        const QSize needs = label->sizeHint();
        if (needs.width() > has.width() + 1)
            return QStringLiteral("needs %1 px wide, has %2").arg(needs.width()).arg(has.width());
        return {};
    }
    if (auto *button = qobject_cast<const QAbstractButton *>(widget)) {
        // A tool button showing its icon alone keeps its text for assistive technology.
        auto *tool = qobject_cast<const QToolButton *>(widget);
        if (button->text().isEmpty() || (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly))
            return {};
        if (button->hasHeightForWidth()) {
            const int needs = button->heightForWidth(has.width());
            return needs > has.height() + 1 ? QStringLiteral("needs %1 px high, has %2").arg(needs).arg(has.height())
                                            : QString();
        }
        const QSize needs = button->sizeHint();
        if (needs.width() > has.width() + 1)
            return QStringLiteral("needs %1 px wide, has %2").arg(needs.width()).arg(has.width());
    }
    return {};
}

inline QStringList problems(const QWidget *root)
{
    QStringList found;
    const QList<QWidget *> widgets = root->findChildren<QWidget *>();
    for (const QWidget *widget : widgets) {
        if (!widget->isVisibleTo(root) || widget->isWindow() || widget->size().isEmpty())
            continue;
        if (const QString problem = tooSmall(widget); !problem.isEmpty())
            found.append(describe(widget) + QStringLiteral(" ") + problem);
        const QWidget *parent = widget->parentWidget();
        if (parent == nullptr || scrolls(widget, root) || qobject_cast<const QAbstractScrollArea *>(parent))
            continue;
        if (!parent->rect().adjusted(-1, -1, 1, 1).contains(widget->geometry()))
            found.append(describe(widget) + QStringLiteral(" reaches past ") + describe(parent));
        const QLayout *layout = parent->layout();
        if (!places(layout, widget))
            continue;
        for (const QWidget *other : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (other <= widget || !other->isVisibleTo(root) || other->isWindow() || !places(layout, other))
                continue;
            const QRect shared = widget->geometry().intersected(other->geometry());
            if (shared.width() > 1 && shared.height() > 1)
                found.append(describe(widget) + QStringLiteral(" overlaps ") + describe(other));
        }
    }
    return found;
}

} // namespace LayoutAudit
