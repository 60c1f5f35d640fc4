#include "ItemMarks.h"

#include "core/ItemLinkCheck.h"
#include "core/LinkHandler.h"
#include "core/RunnerWindow.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QWebEnginePage>
#include <QWebEngineScript>

namespace {
// The item links of the page, in page order; the same order finds them again to mark them.
const QString ItemLinks = QStringLiteral(
    "Array.prototype.filter.call(document.querySelectorAll('a[href]'), function (a) {"
    " return /^[\\x00-\\x20]*qt:/i.test(a.getAttribute('href')); })");

const QString Collect =
    QStringLiteral("(function () { var out = [], total = 0; var links = %1;"
                   " for (var i = 0; i < links.length && i < %2; ++i) {"
                   "  var href = links[i].getAttribute('href'); total += href.length;"
                   "  if (total > %3) break; out.push(href); }"
                   " return out; })()");

// The link's own title (the item's comment) stays first in the tooltip.
const QString MarkAll = QStringLiteral(
    "(function (marks) { var links = %1;"
    " if (marks.length && !document.querySelector('style[data-quintor-marks]')) {"
    "  var style = document.createElement('style'); style.setAttribute('data-quintor-marks', '');"
    "  style.textContent = 'a[data-quintor-missing] { opacity: 0.45; }';"
    "  (document.head || document.documentElement).appendChild(style); }"
    " marks.forEach(function (m) { var a = links[m[0]]; if (!a) return;"
    "  if (!a.hasAttribute('data-quintor-missing')) a.setAttribute('data-quintor-comment', "
    "a.title);"
    "  a.setAttribute('data-quintor-missing', m[1]);"
    "  var comment = a.getAttribute('data-quintor-comment');"
    "  a.title = (comment ? comment + '\\n' : '') + m[1]; });"
    " return marks.length; })(%2)");
} // namespace

ItemMarks::ItemMarks(RunnerWindow& Window, QWebEnginePage* Page)
    : QObject(Page), Window(Window), Page(Page) {
    Pool.setMaxThreadCount(1);
    connect(Page, &QWebEnginePage::loadStarted, this, [this] { ++Load; });
    connect(Page, &QWebEnginePage::loadFinished, this, &ItemMarks::Loaded);
}

ItemMarks::~ItemMarks() = default;

void ItemMarks::Loaded(bool Ok) {
    const QUrl shown = Page->url();
    if (!Ok || !shown.isLocalFile() ||
        !LinkHandler::SamePath(shown.toLocalFile(), Window.CurFile()))
        return;
    const int load = Load;
    Page->runJavaScript(Collect.arg(ItemLinks).arg(MaxLinks).arg(MaxCharacters),
                        QWebEngineScript::ApplicationWorld,
                        [this, load](const QVariant& Hrefs) { Check(Hrefs, load); });
}

void ItemMarks::Check(const QVariant& Hrefs, int Load) {
    if (Load != this->Load)
        return;
    QStringList hrefs;
    for (const QVariant& href : Hrefs.toList())
        hrefs << href.toString();
    Pool.start([this, hrefs, Load] {
        const QStringList missing = ItemLinkCheck::Check(hrefs);
        QMetaObject::invokeMethod(
            this, [this, missing, Load] { Mark(missing, Load); }, Qt::QueuedConnection);
    });
}

void ItemMarks::Mark(const QStringList& Missing, int Load) {
    if (Load != this->Load)
        return;
    QJsonArray marks;
    for (int i = 0; i < Missing.size(); ++i)
        if (!Missing[i].isEmpty())
            marks.append(QJsonArray{i, Missing[i]});
    const QString json = QString::fromUtf8(QJsonDocument(marks).toJson(QJsonDocument::Compact));
    Page->runJavaScript(MarkAll.arg(ItemLinks, json), QWebEngineScript::ApplicationWorld,
                        [this](const QVariant& Count) { emit Marked(Count.toInt()); });
}
