#include "ReloadPacer.h"

#include <algorithm>

qint64 ReloadPacer::Changed(qint64 Now) {
    if (FirstChange < 0)
        FirstChange = Now;
    LastChange = Now;
    return Due();
}

qint64 ReloadPacer::Due() const {
    const qint64 settled = std::min(LastChange + QuietMs, FirstChange + LongestWaitMs);
    return std::max(settled, LastReload + MinGapMs);
}

void ReloadPacer::Reloaded(qint64 Now) {
    FirstChange = LastChange = -1;
    LastReload = Now;
}
