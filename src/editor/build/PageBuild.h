#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class LauncherDocument;
class QTemporaryDir;

// Writing the launcher page and starting the runner on it. No windows here: the
// commands in ui/ ask the questions and show the messages.
namespace PageBuild {

// The folder the page's program icons go into: the page path without its extension,
// or, for a file name without one, the path followed by "_files". A dot in a folder
// name never counts, so the icons always land beside the page, in a folder of its own.
QString IconFolderFor(const QString& PagePath);

// The page Build proposes while "(HTML File)" is empty: the launcher file's name with
// ".htm" beside it, or for a document never saved the title's in the home folder.
QString ProposedPagePath(const LauncherDocument& Doc);

// Generates the page first and only then replaces the file at PagePath with it (UTF-8),
// so a generator failure leaves the old page as it was. The document's own launcher
// file is never overwritten (70), nor a device or FIFO; a folder that does not exist is
// not made, with or without program icons to extract (both 75, before anything is
// written). Throws AppError.
void WritePage(const LauncherDocument& Doc, const QString& PagePath);

struct RunCommand {
    QString Program;
    QStringList Arguments;
    QString CommandLine; // as the user reads it in a message: program, blank, page path
};
// The runner from the editor's folder APath with the page as its one argument.
RunCommand RunCommandFor(const LauncherDocument& Doc);

} // namespace PageBuild

// The preview's files: the page "QTE.htm" and its icon folder "QTE" beside it, in a
// temporary folder of this editor's own, made on first use and removed with this object.
// Two editors thus never write or delete each other's preview.
class PreviewFolder {
public:
    PreviewFolder();
    ~PreviewFolder();

    // Where the page goes (the folder is made here on first use; when it cannot be, the
    // bare file name).
    QString PageFile();
    // Writes the document's page with its program icons extracted, as Build writes it,
    // so the preview shows what the built page will. Throws AppError.
    void Write(const LauncherDocument& Doc);
    // Deletes the page and its icons; the folder stays for the next visit.
    void Remove();

private:
    std::unique_ptr<QTemporaryDir> Folder;
};
