#pragma once

#include <QString>

// Hands a document, folder or address to the program the desktop associates with it.
namespace DefaultApplication {

struct Result {
    bool Started = false;
    QString Reason; // why nothing started, in words the user can act on
    qint64 Pid = 0; // the started process, when the desktop says which one
};

// Target is a local path or a URL with a scheme ("mailto:...", "https://..."). The
// started program finds ShowCommand in the variable named by Launcher::ShowCommandVariable.
// Fails when nothing on the desktop opens such a target or its program cannot start.
Result Open(const QString& Target, int ShowCommand);

// Shows a local HTML page in the desktop's program for such pages (its web browser), as
// its file:// address.
Result OpenPage(const QString& Path);

} // namespace DefaultApplication

// Open with a normal window, for callers that only need to know whether it worked.
bool OpenWithDefaultApplication(const QString& Target);
