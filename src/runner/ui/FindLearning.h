#pragma once

#include "core/UseHistory.h"

#include <QString>

class QWebEnginePage;

// Teaches the find bar which items the user starts most: the history is read as the
// runner starts, every start of an item of the open page is added to it, and the page
// is told the weights of its links in the runner's own script world.
class FindLearning {
public:
    FindLearning(QWebEnginePage& Page, QString HistoryPath);

    void Load();
    // The user started Link of the page at PagePath.
    void Started(const QString& PagePath, const QString& Link);
    // The browser shows the page at PagePath.
    void Teach(const QString& PagePath);

private:
    QWebEnginePage& Page;
    QString HistoryPath;
    UseHistory History;
};
