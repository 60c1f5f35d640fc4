#pragma once

#include <QtGlobal>

// When to reload a page that keeps changing. A change is taken once the writes stop for a
// moment (a save is a burst of them), but never later than a little after the first one,
// and never sooner than MinGapMs after the last reload: a page rewritten without end costs
// one reload in each such gap. So a reload follows the last change within MinGapMs.
// Times are milliseconds on one clock.
class ReloadPacer {
public:
    static constexpr qint64 QuietMs = 60;
    static constexpr qint64 LongestWaitMs = 200;
    static constexpr qint64 MinGapMs = 250;

    // A change seen at Now. Answers when to reload.
    qint64 Changed(qint64 Now);
    // Whether a reload waits to be made, and when it is due.
    bool Pending() const { return FirstChange >= 0; }
    qint64 Due() const;
    // The reload was made at Now.
    void Reloaded(qint64 Now);

private:
    qint64 FirstChange = -1;
    qint64 LastChange = -1;
    qint64 LastReload = -MinGapMs;
};
