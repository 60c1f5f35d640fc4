#pragma once

#include <QString>
#include <QUrl>

// What the link handler needs of the runner's window.
class RunnerWindow {
public:
    virtual ~RunnerWindow() = default;

    virtual QString CurFile() const = 0;
    virtual void SetCurFile(const QString& Path) = 0;
    // The address the browser shows now.
    virtual QUrl LocationURL() const = 0;
    virtual QString ApplicationPath() const = 0;             // APath, ending in a separator
    virtual QString InfoValue(const QString& Key) const = 0; // CF's GetValue
    virtual bool ExtraCommandsVisible() const = 0;
    virtual QString ExtraCommandsText() const = 0;

    virtual void OpenDialog() = 0;
    virtual void ProcInfo(const QString& Path) = 0;
    virtual void Minimise() = 0;
    virtual void ToggleMaximise() = 0; // then lays the window out
    virtual void Exit() = 0;           // always closes
    virtual void Refresh() = 0;
};
