#include "FindLearning.h"

#include "core/UseHistoryFile.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QWebEnginePage>
#include <QWebEngineScript>

FindLearning::FindLearning(QWebEnginePage& Page, QString HistoryPath)
    : Page(Page), HistoryPath(std::move(HistoryPath)) {}

void FindLearning::Load() {
    History = UseHistoryFile::Load(HistoryPath);
}

void FindLearning::Started(const QString& PagePath, const QString& Link) {
    History = UseHistoryFile::RecordStart(HistoryPath, UseHistory::PageKey(PagePath), Link,
                                          QDateTime::currentSecsSinceEpoch());
    Teach(PagePath);
}

void FindLearning::Teach(const QString& PagePath) {
    const QHash<QString, double> weights =
        History.Weights(UseHistory::PageKey(PagePath), QDateTime::currentSecsSinceEpoch());
    // Pairs, not an object: a link may be called anything, "__proto__" too.
    QJsonArray links;
    for (auto weight = weights.cbegin(); weight != weights.cend(); ++weight)
        links.append(QJsonArray{weight.key(), weight.value()});
    // Our own world only: the page itself never sees what the user started.
    Page.runJavaScript(
        QStringLiteral("window.quintorFinder && window.quintorFinder.learn(%1)")
            .arg(QString::fromUtf8(QJsonDocument(links).toJson(QJsonDocument::Compact))),
        QWebEngineScript::ApplicationWorld);
}
