#pragma once

#include <QObject>
#include <QThreadPool>

class QWebEnginePage;
class RunnerWindow;

// After each load of the current launcher page, marks the items that cannot start as the
// editor's item list does: dimmed, with a tooltip that says what is missing. The page
// hands over its item links; they are checked on a worker thread, and the marks go back
// to the page only if it is still the one that was checked. A click on a marked item
// still starts it, or says why it cannot.
class ItemMarks : public QObject {
    Q_OBJECT
public:
    ItemMarks(RunnerWindow& Window, QWebEnginePage* Page);
    ~ItemMarks() override;

    // At most this many links, of at most this many characters together, are checked.
    static constexpr int MaxLinks = 20000;
    static constexpr int MaxCharacters = 4 << 20;

signals:
    // The marks of the load are on the page: Count items marked. For tests and benchmarks.
    void Marked(int Count);

private:
    void Loaded(bool Ok);
    void Check(const QVariant& Hrefs, int Load);
    void Mark(const QStringList& Missing, int Load);

    RunnerWindow& Window;
    QWebEnginePage* Page;
    int Load = 0;
    // Last, so that it goes first: its destructor waits for a check that runs.
    QThreadPool Pool;
};
