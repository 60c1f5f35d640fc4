#pragma once

#include <QString>
#include <QStringList>

class LauncherDocument;

// Writing the launcher page and starting the runner on it. No windows here: the
// commands in ui/ ask the questions and show the messages.
namespace PageBuild {

// The folder the page's program icons go into: the page path without its extension,
// or, for a file name without one, the path followed by "_files". A dot in a folder
// name never counts, so the icons always land beside the page, in a folder of its own.
QString IconFolderFor(const QString& PagePath);

// Generates the page first and only then replaces the file at PagePath with it (UTF-8),
// so a generator failure leaves the old page as it was. The document's own launcher
// file is never overwritten (70), nor a device or FIFO (75, before anything is
// written). Throws AppError.
void WritePage(const LauncherDocument& Doc, const QString& PagePath);

// The preview page "QTE.htm" in the temporary folder.
QString PreviewFile();
// Writes the current document's page (no icon extraction) to PreviewFile(). Throws AppError.
void WritePreview(const LauncherDocument& Doc);

struct RunCommand {
    QString Program;
    QStringList Arguments;
    QString CommandLine; // as the user reads it in a message: program, blank, page path
};
// The runner from the editor's folder APath with the page as its one argument.
RunCommand RunCommandFor(const LauncherDocument& Doc);

} // namespace PageBuild
