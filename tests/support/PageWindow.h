#pragma once

// The runner's window as the link handler sees it while the user clicks in one page:
// it shows Page and does nothing else. For programs that link the runner.
#include "core/RunnerWindow.h"

class PageWindow : public RunnerWindow {
public:
    // BoxText: the extra-commands box's text; an empty box is hidden.
    explicit PageWindow(QString Page, QString BoxText = {})
        : Page(std::move(Page)), BoxText(std::move(BoxText)) {}

    QString CurFile() const override { return Page; }
    void SetCurFile(const QString&) override {}
    QUrl LocationURL() const override { return QUrl::fromLocalFile(Page); }
    QString ApplicationPath() const override { return QStringLiteral("/opt/q/"); }
    QString InfoValue(const QString&) const override { return QStringLiteral("[NOT FOUND]"); }
    bool ExtraCommandsVisible() const override { return !BoxText.isEmpty(); }
    QString ExtraCommandsText() const override { return BoxText; }
    void OpenDialog() override {}
    void ProcInfo(const QString&) override {}
    void Minimise() override {}
    void ToggleMaximise() override {}
    void Exit() override {}
    void Refresh() override {}

private:
    QString Page;
    QString BoxText;
};
