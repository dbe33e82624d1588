#include "widgets/HoverButtonAccessible.h"

#include "widgets/HoverButton.h"

namespace {

QAccessibleInterface* create(const QString&, QObject* object) {
    if (auto* button = qobject_cast<HoverButton*>(object))
        return new HoverButtonAccessible(button);
    return nullptr;
}

} // namespace

HoverButtonAccessible::HoverButtonAccessible(HoverButton* button)
    : QAccessibleWidget(button, QAccessible::Button) {}

HoverButton* HoverButtonAccessible::button() const {
    return static_cast<HoverButton*>(widget());
}

QString HoverButtonAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) {
        for (const QString& name : {button()->accessibleName(), button()->caption(), button()->toolTip()})
            if (!name.isEmpty())
                return name;
    }
    return QAccessibleWidget::text(t);
}

QAccessible::State HoverButtonAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.pressed = button()->isPressed();
    return s;
}

QStringList HoverButtonAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (button()->isEnabled())
        names.prepend(pressAction());
    return names;
}

void HoverButtonAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction())
        button()->click();
    else
        QAccessibleWidget::doAction(actionName);
}

void HoverButtonAccessible::registerFactory() {
    static const bool registered = [] {
        QAccessible::installFactory(create);
        return true;
    }();
    Q_UNUSED(registered);
}
