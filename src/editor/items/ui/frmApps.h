#pragma once

#include "items/AppItems.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The picker of installed applications: each with its icon and name, filtered as the
// user types, several chosen in turn. An application that cannot become an item is
// listed greyed, the reason in its tooltip.
class frmApps : public QDialog {
    Q_OBJECT
public:
    struct Candidate {
        QString SearchText; // folded, as AppSearch::Matches wants it
        AppItems::Result Item;
        QStringList Categories; // the desktop menu's categories of the application
    };

    // Candidates in the order they are listed.
    explicit frmApps(const QList<Candidate>& Candidates, QWidget* Parent = nullptr);

    // The rows of the chosen applications, in the order they were chosen; after "Add by
    // category", a section row for each category before its applications, in list order.
    QList<LauncherItem> ChosenRows() const;
    // True when the dialog was closed by "Add by category".
    bool AddsByCategory() const { return ByCategory; }

    QLineEdit* txtSearch;
    QListWidget* lvApps;
    QLabel* lblChosen;
    QPushButton* cmdByCategory;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    void txtSearch_Change();
    void cmdOK_Click();
    void cmdByCategory_Click();

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void BuildControls();
    void FillList();
    void lvApps_SelectionChanged();
    void ShowChosenCount();
    void ShowCurrent(QListWidgetItem* Current, QListWidgetItem* Previous);

    QList<Candidate> Candidates;
    QList<int> Chosen; // candidate numbers, in the order chosen
    bool ByCategory = false;
};
