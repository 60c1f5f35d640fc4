#pragma once

// The runner's window as the link handler sees it: it shows Page, answers from its info
// block Info, and writes down in Log what it is asked to do. For programs that link the runner.
#include "components/ConfigStore.h"
#include "core/RunnerWindow.h"

class PageWindow : public RunnerWindow {
public:
    // BoxText: the extra-commands box's text; an empty box is hidden unless BoxShown says.
    explicit PageWindow(QString Page, QString BoxText = {})
        : Page(std::move(Page)), Location(QUrl::fromLocalFile(this->Page)),
          BoxText(std::move(BoxText)), BoxShown(!this->BoxText.isEmpty()) {}

    QString Page;
    QUrl Location; // of the page or frame the link is in
    QString BoxText;
    bool BoxShown;
    ConfigStore Info;
    QStringList Log;

    QString CurFile() const override { return Page; }
    void SetCurFile(const QString& Path) override { Log << "CurFile:" + (Page = Path); }
    QUrl LocationURL() const override { return Location; }
    QString ApplicationPath() const override { return QStringLiteral("/opt/q/"); }
    QString InfoValue(const QString& Key) const override { return Info.GetValue(Key); }
    bool ExtraCommandsVisible() const override { return BoxShown; }
    QString ExtraCommandsText() const override { return BoxText; }
    void OpenDialog() override { Log << "OpenDialog"; }
    void ProcInfo(const QString& Path) override { Log << "ProcInfo:" + Path; }
    void Minimise() override { Log << "Minimise"; }
    void ToggleMaximise() override { Log << "ToggleMaximise"; }
    void Exit() override { Log << "Exit"; }
    void Refresh() override { Log << "Refresh"; }
};
