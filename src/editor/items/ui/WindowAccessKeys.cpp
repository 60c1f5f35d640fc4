#include "WindowAccessKeys.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QWidget>

namespace {
bool IsAltLetter(const QKeyEvent& Key) {
    const bool letter = (Key.key() >= Qt::Key_A && Key.key() <= Qt::Key_Z) ||
                        (Key.key() >= Qt::Key_0 && Key.key() <= Qt::Key_9);
    return letter && (Key.modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier;
}

bool HasAccessKey(const QString& Caption, const QKeyEvent& Key) {
    return QKeySequence::mnemonic(Caption) == QKeySequence(Qt::ALT | Qt::Key(Key.key()));
}
} // namespace

WindowAccessKeys::WindowAccessKeys(QWidget& Window) : QObject(&Window), Window(Window) {
    Window.installEventFilter(this);
    for (QWidget* child : Window.findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool WindowAccessKeys::eventFilter(QObject* Watched, QEvent* Event) {
    const bool overrideAsked = Event->type() == QEvent::ShortcutOverride;
    if (!overrideAsked && Event->type() != QEvent::KeyPress)
        return QObject::eventFilter(Watched, Event);
    auto* key = static_cast<QKeyEvent*>(Event);
    if (!IsAltLetter(*key))
        return QObject::eventFilter(Watched, Event);
    // Taking the override keeps the key from every shortcut; it then comes back as a key
    // press, which is when the window acts on it.
    key->accept();
    if (!overrideAsked)
        if (QWidget* target = TargetOf(*key))
            Activate(*target);
    return true;
}

QWidget* WindowAccessKeys::TargetOf(const QKeyEvent& Key) const {
    for (QLabel* label : Window.findChildren<QLabel*>())
        if (label->buddy() && label->isVisible() && label->buddy()->isEnabled() &&
            HasAccessKey(label->text(), Key))
            return label->buddy();
    for (QAbstractButton* button : Window.findChildren<QAbstractButton*>())
        if (button->isVisible() && button->isEnabled() && HasAccessKey(button->text(), Key))
            return button;
    return nullptr;
}

void WindowAccessKeys::Activate(QWidget& Target) {
    Target.setFocus(Qt::ShortcutFocusReason);
    // A button's key presses it, as a click would: a check box changes its state.
    if (auto* button = qobject_cast<QAbstractButton*>(&Target))
        button->click();
}
