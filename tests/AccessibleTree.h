#pragma once

// A window read the way a screen reader reads it: through Qt's accessibility interfaces.

#include <QAccessible>
#include <QStringList>
#include <QWidget>

namespace plovari::testing {

/// The interface a screen reader gets for a widget.
inline QAccessibleInterface* Accessible(QWidget* widget) {
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
    if (node == nullptr) {
        qFatal("no accessible interface for %s", qPrintable(widget->objectName()));
    }
    return node;
}

/// Whether a player acts on, or looks at, an object of this role, so that a reader must be able
/// to name it. Scroll bars are left out: readers announce them by role and orientation.
inline bool NeedsAName(QAccessible::Role role) {
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::Dial:
    case QAccessible::EditableText:
    case QAccessible::MenuItem:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::ButtonDropGrid:
    case QAccessible::PageTab:
    case QAccessible::Link:
    case QAccessible::HotkeyField:
    case QAccessible::Graphic:
        return true;
    default:
        return false;
    }
}

/// What a walk over a window's whole accessible tree found.
struct AccessibleWalk {
    int Named = 0;       ///< controls and pictures with a name
    QStringList Unnamed; ///< those without one, by their path of object names or roles
};

namespace detail {

inline void Walk(QAccessibleInterface* node, const QString& path, AccessibleWalk& walk, int depth) {
    if (node == nullptr || depth > 40) {
        return;
    }
    // What its window hides nobody reads; a popup menu is read as it will be when it opens.
    auto* widget = qobject_cast<QWidget*>(node->object());
    if (widget != nullptr && !widget->isWindow() && widget->isHidden()) {
        return;
    }
    const QString name = node->object() != nullptr ? node->object()->objectName() : QString();
    const QString here =
        path + QLatin1Char('/') +
        (name.isEmpty() ? QStringLiteral("role 0x%1").arg(node->role(), 0, 16) : name);
    if (NeedsAName(node->role())) {
        if (node->text(QAccessible::Name).trimmed().isEmpty()) {
            walk.Unnamed << here;
        } else {
            ++walk.Named;
        }
    }
    for (int child = 0; child < node->childCount(); ++child) {
        Walk(node->child(child), here, walk, depth + 1);
    }
}

} // namespace detail

/// Walks everything a reader reaches from `window`: its controls, the menu bar and its menus.
inline AccessibleWalk WalkAccessibleTree(QWidget& window) {
    AccessibleWalk walk;
    detail::Walk(Accessible(&window), QString(), walk, 0);
    return walk;
}

} // namespace plovari::testing
