#pragma once

#include <QObject>

class QWidget;

// Lets the keyboard leave a text box in which Tab types a tab: Ctrl+Tab moves the focus on
// to the next control and Ctrl+Shift+Tab back, as in Qt's own editors.
class CtrlTabLeaves : public QObject {
public:
    // Watches Editor, and goes with it.
    explicit CtrlTabLeaves(QWidget& Editor);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void MoveFocus(bool Forward);

    QWidget& Editor;
};
