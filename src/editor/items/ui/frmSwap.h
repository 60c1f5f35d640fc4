#pragma once

#include "items/ColumnOps.h"

#include <QDialog>
#include <array>

class EditorContext;
class QGroupBox;
class QPushButton;
class QRadioButton;

// Swapping, moving or copying one column of every item row into another.
class frmSwap : public QDialog {
    Q_OBJECT
public:
    explicit frmSwap(EditorContext& Ctx, QWidget* Parent = nullptr);

    // Option arrays, object names "optSwap0".."optSwap2", "optFC0".."optFC5",
    // "optSC0".."optSC5".
    std::array<QRadioButton*, 3> optSwap;
    QGroupBox* fraFC;
    std::array<QRadioButton*, ColumnOps::ColumnCount> optFC;
    QGroupBox* fraSC;
    std::array<QRadioButton*, ColumnOps::ColumnCount> optSC;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    void optSwap_Click(int Index);
    void optFC_Click(int Index);
    void optSC_Click(int Index);
    void cmdOK_Click();

    ColumnOps::Operation Operation() const { return Op; }
    int FirstColumn() const { return First; }
    int SecondColumn() const { return Second; }

private:
    void FollowVisualOrder();

    EditorContext& Ctx;
    ColumnOps::Operation Op = ColumnOps::opSwap;
    int First = 0;
    int Second = 1;
};
