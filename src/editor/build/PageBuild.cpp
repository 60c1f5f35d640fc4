#include "PageBuild.h"

#include "components/AppError.h"
#include "components/AtomicFile.h"
#include "components/NameInMessage.h"
#include "components/ProgramCommandLine.h"
#include "components/platform/SystemPaths.h"
#include "document/LauncherDocument.h"
#include "items/Shortcut.h"
#include "pagegen/modGenHTML.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace PageBuild {

QString IconFolderFor(const QString& PagePath) {
    const int nameStart =
        std::max(PagePath.lastIndexOf(QLatin1Char('/')), PagePath.lastIndexOf(QDir::separator())) +
        1;
    const int dot = PagePath.lastIndexOf(QLatin1Char('.'));
    // A leading dot names a hidden file, it does not start an extension.
    if (dot > nameStart)
        return PagePath.left(dot);
    return PagePath + QStringLiteral("_files");
}

QString ProposedPagePath(const LauncherDocument& Doc) {
    const QString page = Doc.ReadProp(QStringLiteral("(HTML File)"), true);
    if (!page.isEmpty())
        return page;
    if (!Doc.CurFile.isEmpty()) {
        const QFileInfo launcher(Doc.CurFile);
        const QString folder = QDir::toNativeSeparators(launcher.absolutePath());
        const QString beside =
            SystemPaths::Join(folder, launcher.completeBaseName() + QStringLiteral(".htm"));
        // A launcher file without an extension would be that page's icon folder.
        if (IconFolderFor(beside) != Doc.CurFile)
            return beside;
        return SystemPaths::Join(folder, launcher.fileName() + QStringLiteral(" page.htm"));
    }
    const QString title = Doc.ReadProp(QStringLiteral("Title"), true);
    return SystemPaths::Join(QDir::toNativeSeparators(QDir::homePath()),
                             Shortcut::FileNameFor(title) + QStringLiteral(".htm"));
}

namespace {
// Only icons would make a missing folder: a page without any would fail where one with
// them succeeds. Neither makes it, and nothing is written before this is known.
void RequireFolderOf(const QString& PagePath) {
    const QString folder = QFileInfo(PagePath).absolutePath();
    if (!QFileInfo(folder).isDir())
        throw AppError(QCoreApplication::translate("PageBuild",
                                                   "Path not found: the folder '%1' does not exist")
                           .arg(NameInMessage(QDir::toNativeSeparators(folder))),
                       ErrNo::PathFileAccess);
}
} // namespace

void WritePage(const LauncherDocument& Doc, const QString& PagePath) {
    // Before the icons are written: a refused page must leave no icon folder behind.
    RequireFolderOf(PagePath);
    RefuseSpecialTarget(PagePath);
    // The launcher file is held open for the document; where the system lets a rename
    // pass that hold, it must not let a build put a page in the file's place.
    const QString launcher = QFileInfo(Doc.CurFile).canonicalFilePath();
    if (!launcher.isEmpty() && QFileInfo(PagePath).canonicalFilePath() == launcher)
        throw AppError(QCoreApplication::translate("PageBuild", "Permission denied"),
                       ErrNo::PermissionDenied);
    const QString page = GenHTML(Doc, true, IconFolderFor(PagePath));
    WriteFileAtomically(PagePath, page.toUtf8());
}

RunCommand RunCommandFor(const LauncherDocument& Doc) {
    RunCommand command;
    command.Program = Doc.APath + SystemPaths::ProgramFile(QStringLiteral("quintor2"));
    // The path as stored: page-text escaping would turn a "&" in a folder name into "&amp;".
    const QString page = Doc.ReadProp(QStringLiteral("(HTML File)"), true);
    command.Arguments = ProgramCommandLine::FileArguments(page);
    command.CommandLine = command.Program + QLatin1Char(' ') + page;
    return command;
}

} // namespace PageBuild

namespace {
const QString PreviewPage = QStringLiteral("QTE.htm");
} // namespace

PreviewFolder::PreviewFolder() = default;
PreviewFolder::~PreviewFolder() = default;

QString PreviewFolder::PageFile() {
    if (!Folder) {
        Folder = std::make_unique<QTemporaryDir>(
            SystemPaths::Join(SystemPaths::TempFolder(), QStringLiteral("qtedit2-XXXXXX")));
        if (!Folder->isValid()) {
            Folder.reset(); // tried again on the next visit: TEMP may be fixed by then
            return PreviewPage;
        }
    }
    return SystemPaths::Join(QDir::toNativeSeparators(Folder->path()), PreviewPage);
}

void PreviewFolder::Write(const LauncherDocument& Doc) {
    const QString page = PageFile();
    if (!Folder)
        throw AppError(
            QCoreApplication::translate("PageBuild", "The preview folder cannot be made in '%1'")
                .arg(NameInMessage(SystemPaths::TempFolder())),
            ErrNo::PathFileAccess);
    WriteFileAtomically(page, GenHTML(Doc, true, PageBuild::IconFolderFor(page)).toUtf8());
}

void PreviewFolder::Remove() {
    if (!Folder)
        return;
    QFile::remove(PageFile());
    QDir(PageBuild::IconFolderFor(PageFile())).removeRecursively();
}
