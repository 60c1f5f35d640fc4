#include "CtrlTabLeaves.h"

#include <QKeyEvent>
#include <QWidget>

CtrlTabLeaves::CtrlTabLeaves(QWidget& Editor) : QObject(&Editor), Editor(Editor) {
    Editor.installEventFilter(this);
}

bool CtrlTabLeaves::eventFilter(QObject* Watched, QEvent* Event) {
    if (Watched != &Editor || Event->type() != QEvent::KeyPress)
        return QObject::eventFilter(Watched, Event);
    const auto* key = static_cast<QKeyEvent*>(Event);
    const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    if (!tab || !(key->modifiers() & Qt::ControlModifier))
        return QObject::eventFilter(Watched, Event);
    MoveFocus(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
    return true;
}

// The next control Tab would reach from the editor, in the same window.
void CtrlTabLeaves::MoveFocus(bool Forward) {
    QWidget* window = Editor.window();
    for (QWidget* next = Forward ? Editor.nextInFocusChain() : Editor.previousInFocusChain();
         next && next != &Editor;
         next = Forward ? next->nextInFocusChain() : next->previousInFocusChain()) {
        if (next->window() == window && next->isVisible() && next->isEnabled() &&
            (next->focusPolicy() & Qt::TabFocus) && !next->focusProxy()) {
            next->setFocus(Forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}
