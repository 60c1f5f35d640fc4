#include "PlainMenuNames.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QMenu>
#include <QPointer>

namespace {

// A menu item as Qt presents it, but named by its plain caption.
class PlainMenuItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PlainMenuItem(QMenu* Menu, QAction* Action) : Menu(Menu), Action(Action) {}

    bool isValid() const override { return Menu && Action; }
    QObject* object() const override { return Action; }
    QWindow* window() const override { return Menu ? Menu->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(Menu);
    }
    QAccessibleInterface* child(int Index) const override {
        return Index == 0 && Action->menu() ? QAccessible::queryAccessibleInterface(Action->menu())
                                            : nullptr;
    }
    int childCount() const override { return Action->menu() ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface* Child) const override {
        return Child && Action->menu() && Child->object() == Action->menu() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    QString text(QAccessible::Text Kind) const override {
        if (Kind == QAccessible::Name)
            return PlainMenuNames::Plain(Action->text());
        if (Kind == QAccessible::Accelerator)
            return Action->shortcut().toString(QKeySequence::NativeText);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QRect inMenu = Menu->actionGeometry(Action);
        return QRect(Menu->mapToGlobal(inMenu.topLeft()), inMenu.size());
    }
    QAccessible::Role role() const override {
        return Action->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.disabled = !Action->isEnabled();
        state.invisible = !Action->isVisible() || !Menu->isVisible();
        state.focusable = Action->isEnabled();
        state.focused = state.selected = Menu->activeAction() == Action;
        state.hotTracked = state.focused;
        state.checkable = Action->isCheckable();
        state.checked = Action->isChecked();
        state.hasPopup = Action->menu() != nullptr;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType Kind) override {
        return Kind == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override {
        return Action->isEnabled() ? QStringList{pressAction()} : QStringList();
    }
    void doAction(const QString& Name) override {
        if (Name == pressAction() && Action->isEnabled())
            Action->trigger();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QMenu> Menu;
    QPointer<QAction> Action;
};

// Qt asks for a menu item's interface by its action before making its own.
QAccessibleInterface* MenuItemFactory(const QString&, QObject* Object) {
    auto* action = qobject_cast<QAction*>(Object);
    // Only captions with two marks: the others Qt names as they should be.
    if (!action || QString(action->text()).remove(QLatin1String("&&")).count(QLatin1Char('&')) < 2)
        return nullptr;
    for (QObject* owner : action->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(owner))
            return new PlainMenuItem(menu, action);
    return nullptr;
}

} // namespace

void PlainMenuNames::Install() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(&MenuItemFactory);
}

QString PlainMenuNames::Plain(const QString& Caption) {
    QString plain;
    plain.reserve(Caption.size());
    for (qsizetype i = 0; i < Caption.size(); ++i) {
        if (Caption[i] == QLatin1Char('&')) {
            if (i + 1 < Caption.size() && Caption[i + 1] == QLatin1Char('&'))
                plain += Caption[++i];
            continue;
        }
        plain += Caption[i];
    }
    return plain;
}
