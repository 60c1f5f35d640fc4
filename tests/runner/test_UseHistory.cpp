// Which items the user starts most and most lately, learned from recorded starts at given
// times (nobody waits for days here), and the history's text: what survives it, what is
// refused, and that it stays within its size whatever happens.
#include "core/UseHistory.h"
#include "support/DataRows.h"

#include <QtTest>
#include <algorithm>

using namespace DataRows;

namespace {
constexpr qint64 Day = 24 * 60 * 60;
const QString Page = QStringLiteral("/home/a/Tools.htm");

// "LINK WEIGHT, ..." heaviest first, weights to three places.
QString Ranked(const QHash<QString, double>& Weights) {
    QList<std::pair<double, QString>> all;
    for (auto w = Weights.cbegin(); w != Weights.cend(); ++w)
        all.append({w.value(), w.key()});
    std::sort(all.begin(), all.end(), [](const auto& A, const auto& B) {
        return A.first != B.first ? A.first > B.first : A.second < B.second;
    });
    QStringList out;
    for (const auto& [weight, link] : all)
        out << link + ' ' + QString::number(weight, 'f', 3);
    return out.join(QStringLiteral(", "));
}
} // namespace

class TestUseHistory : public QObject {
    Q_OBJECT
private slots:
    void learnsFromStarts_data() {
        // Starts: "LINK@DAY" on the page, "LINK@DAY@other" on another page.
        Columns<QString, int, QString>({"Starts", "Now", "Expected"});
        Row("more often first", "qt:a@0 qt:b@0 qt:b@0", 0, "qt:b 2.000, qt:a 1.000");
        Row("more lately first", "qt:a@0 qt:b@3", 3, "qt:b 1.000, qt:a 0.862");
        Row("a start weighs half after 14 days", "qt:a@0", 14, "qt:a 0.500");
        Row("three starts 10 days ago beat one today", "qt:a@0 qt:a@0 qt:a@0 qt:b@10", 10,
            "qt:a 1.829, qt:b 1.000");
        Row("but not two months ago", "qt:a@0 qt:a@0 qt:a@0 qt:b@60", 60, "qt:b 1.000, qt:a 0.154");
        Row("starts spread out add up decayed", "qt:a@0 qt:a@14 qt:a@28", 28, "qt:a 1.750");
        Row("another page's starts do not count", "qt:a@0@other qt:a@0@other qt:b@0", 0,
            "qt:b 1.000");
        Row("links differ by every character", "qt:a@0 QT:a@0 qt:a%20@0", 0,
            "QT:a 1.000, qt:a 1.000, qt:a%20 1.000");
        Row("a clock set back loses nothing", "qt:a@10 qt:a@5", 10, "qt:a 2.000");
    }
    void learnsFromStarts() {
        UseHistory history;
        for (const QString& start : Fetch("Starts").split(' ')) {
            const QStringList parts = start.split('@');
            history.Record(parts.size() > 2 ? QStringLiteral("/other.htm") : Page, parts[0],
                           parts[1].toLongLong() * Day);
        }
        const qint64 now = Fetch<int>("Now") * Day;
        QTEST(Ranked(history.Weights(Page, now)), "Expected");
        // What the file keeps ranks the same.
        QTEST(Ranked(UseHistory::FromText(history.ToText()).Weights(Page, now)), "Expected");
    }

    // Pages and links may hold anything a path or a link holds.
    void textKeepsEveryCharacter() {
        const QString page = "/home/a/My\tPages/100%/page\nnew.htm";
        const QString links[] = {"qt:/bin/x,\"a b\" %2C &comma;,/tmp,maxfocus", "qt:Grüße\r\x01",
                                 " page 1 2", "%41"};
        UseHistory history;
        for (const QString& link : links)
            history.Record(page, link, 1000);
        const QByteArray text = history.ToText();
        QCOMPARE(text.count('\n'), 1 + 1 + 4); // one line each: nothing broke a line
        const QHash<QString, double> read = UseHistory::FromText(text).Weights(page, 1000);
        QCOMPARE(read.size(), 4);
        for (const QString& link : links)
            QCOMPARE(read.value(link), 1.0);
    }

    void refusesWhatIsNoHistory_data() {
        Columns<QByteArray>({"Text"});
        const QByteArray head = "quintor history 1\npage /p\n";
        Row("empty", QByteArray());
        Row("another program's", QByteArray("[General]\nhistory=1\n"));
        Row("a later version", QByteArray("quintor history 2\npage /p\n1 1 qt:a\n"));
        Row("cut short", head + "100 1 qt:a\n200 1 qt:");
        Row("a use before any page", QByteArray("quintor history 1\n100 1 qt:a\n"));
        Row("no link", head + "100 1\n");
        Row("an empty link", head + "100 1 \n");
        Row("a time that is no number", head + "1e3 1 qt:a\n");
        Row("a negative time", head + "-5 1 qt:a\n");
        Row("a time past all time", head + "99999999999999 1 qt:a\n");
        Row("no weight", head + "100 0 qt:a\n");
        Row("a negative weight", head + "100 -1 qt:a\n");
        Row("an endless weight", head + "100 inf qt:a\n");
        Row("not a number", head + "100 nan qt:a\n");
        Row("a weight beyond reason", head + "100 1e300 qt:a\n");
        Row("not UTF-8", head + "100 1 qt:\xff\xfe\n");
        Row("binary", QByteArray("quintor history 1\n\0\0\0\x01\x02\n", 24));
    }
    void refusesWhatIsNoHistory() {
        QCOMPARE(UseHistory::FromText(Fetch<QByteArray>("Text")).Count(), 0);
        // The same text whole is read: the refusal is of the fault, not of the form.
        QCOMPARE(UseHistory::FromText("quintor history 1\npage /p\n100 1.5 qt:a b\n")
                     .Weights("/p", 100)
                     .value("qt:a b"),
                 1.5);
    }

    // However many starts, the text stays within its limit, and what goes is the oldest.
    void staysWithinItsSize() {
        UseHistory history;
        const int starts = 30000;
        for (int n = 0; n < starts; ++n)
            history.Record(QStringLiteral("/page%1.htm").arg(n % 7),
                           QStringLiteral("qt:/usr/bin/program-%1,--an-option").arg(n), n);
        const QByteArray text = history.ToText();
        QVERIFY(text.size() <= UseHistory::MaxBytes);
        QVERIFY(text.size() > UseHistory::MaxBytes - 200); // and it is used
        const UseHistory kept = UseHistory::FromText(text);
        QVERIFY(kept.Count() > 5000 && kept.Count() < starts);
        // Every start kept is newer than every start dropped.
        const int firstKept = starts - int(kept.Count());
        for (int n : {firstKept - 1, firstKept, starts - 1})
            QCOMPARE(kept.Weights(QStringLiteral("/page%1.htm").arg(n % 7), starts)
                         .contains(QStringLiteral("qt:/usr/bin/program-%1,--an-option").arg(n)),
                     n >= firstKept);
        // One use too big to keep at all is no reason to keep nothing else.
        history.Record("/p", QString(UseHistory::MaxBytes, 'x'), starts);
        QCOMPARE(UseHistory::FromText(history.ToText()).Count(), kept.Count());
    }
};

QTEST_GUILESS_MAIN(TestUseHistory)
#include "test_UseHistory.moc"
