#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

// Makes Alt+letter keys belong to a window that is not modal while it has the focus. Qt
// lets the access keys of the window that owns it reach through (its tabs, its menus),
// and those would act on the window behind, or win over the window's own key of the same
// letter. Here the window's own labels and buttons take their keys, and any other Alt
// letter does nothing.
class WindowAccessKeys : public QObject {
public:
    // Watches Window and every child it has now.
    explicit WindowAccessKeys(QWidget& Window);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    // What an access key of the window reaches: a label's buddy or a button; none when
    // the key is no Alt+letter of its own.
    QWidget* TargetOf(const QKeyEvent& Key) const;
    static void Activate(QWidget& Target);

    QWidget& Window;
};
