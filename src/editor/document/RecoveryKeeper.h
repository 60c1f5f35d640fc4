#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class LauncherDocument;
class RecoveryStore;

// Keeps the recovery copy of a document in step with its unsaved changes: written a
// moment after the first change and then at most every Interval while changes go on,
// so a crash costs at most Interval of work; removed once the document equals its file
// again (saved, discarded, or every change taken back).
class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultFirstDelayMs = 2000;
    static constexpr int DefaultIntervalMs = 10000;

    RecoveryKeeper(LauncherDocument& Doc, RecoveryStore& Store,
                   int FirstDelayMs = DefaultFirstDelayMs, int IntervalMs = DefaultIntervalMs);

    // Writes now what is waiting to be written.
    void Flush();

private:
    void DocumentChanged();

    LauncherDocument& Doc;
    RecoveryStore& Store;
    const int FirstDelayMs;
    const int IntervalMs;
    QTimer Pending;
    QElapsedTimer SinceWrite;
};
