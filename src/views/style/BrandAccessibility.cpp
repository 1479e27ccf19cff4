#include "views/style/BrandAccessibility.h"

#include "views/style/BrandStyle.h"

#include <QAbstractButton>
#include <QAccessibleWidget>

using namespace Qt::StringLiterals;

namespace {

// A widget in the role its class plays; "busy" as its dynamic property of that name says.
class RoleAccessible : public QAccessibleWidget
{
public:
    RoleAccessible(QWidget *widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.busy = widget()->property("busy").toBool();
        return state;
    }
};

// A button that shows or hides what follows it: expandable, expanded while checked.
class DisclosureAccessible : public QAccessibleWidget
{
public:
    explicit DisclosureAccessible(QAbstractButton *button)
        : QAccessibleWidget(button, QAccessible::Button)
    {
    }

    QAbstractButton *button() const { return static_cast<QAbstractButton *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        const QString text = QAccessibleWidget::text(t);
        return t == QAccessible::Name && text.isEmpty() ? button()->text() : text;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = button()->isChecked();
        state.collapsed = !state.expanded;
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList { pressAction() } + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &name) override
    {
        if (name == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface *brandAccessible(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == u"QPushButton"_s && BrandStyle::look(widget) == BrandStyle::Look::Disclosure)
        return new DisclosureAccessible(static_cast<QAbstractButton *>(widget));
    if (className == u"AppCard"_s)
        return new RoleAccessible(widget, QAccessible::Grouping);
    if (className == u"ReplacesLine"_s)
        return new RoleAccessible(widget, QAccessible::StaticText);
    if (className == u"SpinnerRow"_s)
        return new RoleAccessible(widget, QAccessible::ProgressBar);
    if (className == u"AppIconTile"_s || className == u"ScreenshotView"_s || className == u"OrvandoLogo"_s)
        return new RoleAccessible(widget, QAccessible::Graphic);
    return nullptr;
}

} // namespace

namespace BrandAccessibility {

void install()
{
    // Asked last installed first: ahead of Qt's own, which answers for the stock classes too.
    static const bool installed = [] {
        QAccessible::installFactory(brandAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

void stateChanged(QWidget *widget, QAccessible::State changed)
{
    // Only when something listens: an event makes the widget's interface even when nothing does.
    if (!QAccessible::isActive())
        return;
    QAccessibleStateChangeEvent event(widget, changed);
    QAccessible::updateAccessibility(&event);
}

void textChanged(QWidget *widget, QAccessible::Event type)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(widget, type);
    QAccessible::updateAccessibility(&event);
}

} // namespace BrandAccessibility
