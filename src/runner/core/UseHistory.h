#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// Which items of which launcher pages the user starts, how often and how lately. Every
// start weighs 1 and its weight halves every fourteen days, so that the items used most
// and most lately weigh most. A page is known by its path, an item by its link as the
// page wrote it. Times are seconds since the epoch, always given: nothing here reads a
// clock.
class UseHistory {
public:
    static constexpr qint64 HalfLifeSecs = 14 * 24 * 60 * 60;
    // What the history may take on the disk, whatever happens: the oldest uses go first.
    static constexpr qsizetype MaxBytes = 512 * 1024;

    void Record(const QString& Page, const QString& Link, qint64 Now);
    // The weight of every link of Page that was ever started, at Now.
    QHash<QString, double> Weights(const QString& Page, qint64 Now) const;
    qsizetype Count() const;

    // The history as its file holds it, in at most Limit bytes: the uses that do not fit,
    // the oldest first, are left out.
    QByteArray ToText(qsizetype Limit = MaxBytes) const;
    // An empty history for a text that is not a whole history of ours: damaged, cut
    // short, or something else altogether.
    static UseHistory FromText(const QByteArray& Text);

    // The name a page is known by: the same file reached another way is the same page.
    static QString PageKey(const QString& Path);

private:
    struct Use {
        qint64 Last = 0;   // the latest start
        double Weight = 0; // at Last
    };
    bool Read(const QByteArray& Text);

    QHash<QString, QHash<QString, Use>> Pages;
};
