#pragma once

#include <QAccessible>

class QWidget;

namespace plovari {

/// Gives one of our own widgets the role a screen reader announces it by, e.g. Graphic for a
/// widget that paints a picture. Qt knows the roles of its own widget classes only; every
/// other widget would be an anonymous "client" area. Call it before the widget is first read.
void SetAccessibleRole(QWidget& widget, QAccessible::Role role);

} // namespace plovari
