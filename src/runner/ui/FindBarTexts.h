#pragma once

#include <QCoreApplication>
#include <QString>

// The find bar's words in the user's language. The bar is drawn by the runner's own
// script in the page, which knows no translations: it is given these.
class FindBarTexts {
    Q_DECLARE_TR_FUNCTIONS(FindBarTexts)

public:
    // The bar's fixed texts as a script object: {label, position, none}.
    // "position" holds %1 (the found item's number) and %2 (how many were found).
    static QString Script();
    // What a screen reader is told after each search.
    static QString Found(int Count);
};
