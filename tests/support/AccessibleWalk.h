#pragma once

// What a screen reader is given for a window: its accessibility tree, walked as an
// assistive program walks it, through QAccessible alone.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QStringList>
#include <QWidget>

namespace AccessibleWalk {

// Where a control sits, as a developer finds it: the object names from the window down,
// the class where a level has no name.
inline QString PathOf(const QObject* Object) {
    QStringList levels;
    for (; Object; Object = Object->parent())
        levels.prepend(Object->objectName().isEmpty()
                           ? QString::fromLatin1(Object->metaObject()->className())
                           : Object->objectName());
    return levels.join(QLatin1Char('/'));
}

// Views hold data, not controls: their rows are named by what they show, and an empty
// cell is no unnamed control. A browser's document is the page's, not ours.
inline bool HoldsData(QAccessibleInterface& Node) {
    const QAccessible::Role role = Node.role();
    return Node.tableInterface() || role == QAccessible::List || role == QAccessible::Tree ||
           role == QAccessible::Table || role == QAccessible::WebDocument ||
           (Node.object() && Node.object()->inherits("QWebEngineView"));
}

inline void CollectUnnamed(QAccessibleInterface* Node, QStringList& Found, int Depth) {
    // A tree deeper than any window of ours has a cycle in it.
    if (!Node || !Node->isValid() || Depth > 64)
        return;
    const QAccessible::State state = Node->state();
    if (state.invisible)
        return;
    if (state.focusable && Node->text(QAccessible::Name).trimmed().isEmpty()) {
        const QObject* object = Node->object();
        Found << (object ? PathOf(object)
                         : PathOf(Node->parent() ? Node->parent()->object() : nullptr) +
                               QStringLiteral("/(role %1)").arg(int(Node->role())));
    }
    if (HoldsData(*Node))
        return;
    for (int i = 0; i < Node->childCount(); ++i)
        CollectUnnamed(Node->child(i), Found, Depth + 1);
}

// The controls of Window (shown) that take the keyboard focus but have no accessible
// name: a screen reader announces them by their kind alone ("push button").
inline QStringList UnnamedControls(QWidget& Window) {
    QStringList found;
    CollectUnnamed(QAccessible::queryAccessibleInterface(&Window), found, 0);
    return found;
}

// The accessible name of a widget, as a reader announces it.
inline QString NameOf(QObject* Object) {
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(Object);
    return node ? node->text(QAccessible::Name) : QString();
}

} // namespace AccessibleWalk
