#include "AccessibleRole.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace plovari {

namespace {

const char* const RoleProperty = "plovariAccessibleRole";

/// Reads the role a widget was given; asked before Qt's own factory, as it is installed later.
QAccessibleInterface* WidgetWithRole(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) {
        return nullptr;
    }
    const QVariant role = widget->property(RoleProperty);
    if (!role.isValid()) {
        return nullptr;
    }
    return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
}

} // namespace

void SetAccessibleRole(QWidget& widget, QAccessible::Role role) {
    // Installs it once; Qt ignores a factory it already has.
    QAccessible::installFactory(WidgetWithRole);
    widget.setProperty(RoleProperty, static_cast<int>(role));
}

} // namespace plovari
