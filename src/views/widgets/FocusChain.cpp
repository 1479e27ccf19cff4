#include "views/widgets/FocusChain.h"

#include <QLayout>
#include <QScrollArea>
#include <QWidget>

namespace {

void collect(QWidget *widget, QList<QWidget *> &into);

void collect(QLayout *layout, QList<QWidget *> &into)
{
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (QWidget *widget = item->widget())
            collect(widget, into);
        else if (QLayout *inner = item->layout())
            collect(inner, into);
    }
}

void collect(QWidget *widget, QList<QWidget *> &into)
{
    // A control's insides (a list's scroll bars, a field's buttons) are its own business.
    if (widget->focusPolicy() & Qt::TabFocus) {
        into.append(widget);
    } else if (auto *area = qobject_cast<QScrollArea *>(widget)) {
        if (area->widget())
            collect(area->widget(), into);
    } else if (widget->layout()) {
        collect(widget->layout(), into);
    } else if (!qobject_cast<QAbstractScrollArea *>(widget)) {
        for (QWidget *child : widget->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            collect(child, into);
    }
}

} // namespace

namespace FocusChain {

QList<QWidget *> focusables(QWidget *root)
{
    QList<QWidget *> widgets;
    collect(root, widgets);
    return widgets;
}

void chain(const QList<QWidget *> &widgets)
{
    for (qsizetype i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets.at(i - 1), widgets.at(i));
}

} // namespace FocusChain
