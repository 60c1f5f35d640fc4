#pragma once

#include <QDialog>

class EditorContext;
class QListWidget;
class QPushButton;

// The broken items of the list, one line each with what is missing; choosing a line
// selects its row in the item list.
class frmCheck : public QDialog {
    Q_OBJECT
public:
    struct Broken {
        int Pos;
        QString Text;
    };
    frmCheck(EditorContext& Ctx, const QList<Broken>& Items, QWidget* Parent = nullptr);

    QListWidget* lstBroken;
    QPushButton* cmdClose;

    void lstBroken_Activated(int Line);

private:
    EditorContext& Ctx;
    QList<Broken> Items;
};
