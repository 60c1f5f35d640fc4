#pragma once

#include "core/InstanceRequest.h"

#include <QObject>
#include <memory>
#include <vector>

class frmMain;
class InstanceServer;
class LaunchPort;
class QtUserDialogs;

// The runner's windows in this process, one per page: a later start on a page that a
// window shows brings that window forward instead of opening another one. The process
// ends when its last window closes; a hidden window is not closed.
class RunnerWindows : public QObject {
    Q_OBJECT
public:
    // ListeningDescriptor: the socket later starts hand their requests to, or -1.
    RunnerWindows(LaunchPort& Launch, int ListeningDescriptor);
    ~RunnerWindows() override;

    void Handle(const InstanceRequest& Request);
    // The window showing Page (compared by canonical path; an empty Page: the welcome
    // page), or none.
    frmMain* Showing(const QString& Page) const;

private:
    struct Window;
    frmMain* Open(const QString& Page);
    void Toggle(const QString& Page, const QByteArray& Token);
    void Raise(frmMain* Shown, const QByteArray& Token);
    void Forget(frmMain* Closed);
    void Remember(frmMain* Shown);
    bool eventFilter(QObject* Watched, QEvent* Event) override;

    LaunchPort& Launch;
    InstanceServer* Server;
    std::vector<std::unique_ptr<Window>> Shown; // the most recently active first
};
