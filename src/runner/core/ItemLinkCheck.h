#pragma once

#include <QStringList>

// Which item links of a page cannot start: the command is no file and no program on the
// search path, or the start-in folder is not there. Web addresses and other links for the
// desktop are not looked at. Asks the file system once per folder and the search path once
// per name, so it is meant for a worker thread and stays linear in the links.
namespace ItemLinkCheck {
// Hrefs: the links as the page wrote them. Answers, link by link, what is missing, one
// line each; an empty text for a link that can start (or is no item link).
QStringList Check(const QStringList& Hrefs);
} // namespace ItemLinkCheck
