#pragma once

#include "AppVersion.h"

#include <QCoreApplication>
#include <QString>

// What the editor says about itself: the About box, the feedback link.
namespace ProgramInfo {
inline QString Title() {
    return QStringLiteral("Quintor Editor");
}
inline QString Description() {
    return QCoreApplication::translate("ProgramInfo",
                                       "Turns a list of programs, documents, folders and web "
                                       "links into a clickable launcher page.");
}
inline QString VersionText() {
    return QCoreApplication::translate("ProgramInfo", "Version %1")
        .arg(QStringLiteral(QUINTOR_VERSION_TEXT));
}
// The one place the feedback address is set.
inline QString FeedbackAddress() {
    return QStringLiteral("feedback@quintor.example.org");
}
inline QString FeedbackLink() {
    return QStringLiteral("mailto:") + FeedbackAddress() +
           QStringLiteral("?subject=Quintor Editor Feedback");
}
// The manual's first page, below a share folder.
inline QString ManualPage() {
    return QStringLiteral("doc/quintor/manual/index.html");
}
} // namespace ProgramInfo
