#include "RecoveryKeeper.h"

#include "components/AppError.h"
#include "document/LauncherDocument.h"
#include "document/RecoveryStore.h"

#include <algorithm>

RecoveryKeeper::RecoveryKeeper(LauncherDocument& Doc, RecoveryStore& Store, int FirstDelayMs,
                               int IntervalMs)
    : Doc(Doc), Store(Store), FirstDelayMs(FirstDelayMs), IntervalMs(IntervalMs) {
    Pending.setSingleShot(true);
    connect(&Pending, &QTimer::timeout, this, &RecoveryKeeper::Flush);
    connect(&Doc.History, &EditHistory::StateChanged, this, &RecoveryKeeper::DocumentChanged);
    DocumentChanged();
}

void RecoveryKeeper::DocumentChanged() {
    if (!Doc.Changed()) {
        Pending.stop();
        Store.Remove();
        return;
    }
    if (Pending.isActive())
        return;
    const qint64 sinceWrite = SinceWrite.isValid() ? SinceWrite.elapsed() : IntervalMs;
    Pending.start(static_cast<int>(std::max<qint64>(FirstDelayMs, IntervalMs - sinceWrite)));
}

void RecoveryKeeper::Flush() {
    Pending.stop();
    if (!Doc.Changed())
        return;
    try {
        Store.Write(Doc);
    } catch (const AppError&) {
        // A full disk or a lost folder: the next change tries again; the editor itself
        // goes on, and the user's own file is untouched either way.
    }
    SinceWrite.start();
}
