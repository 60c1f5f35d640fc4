#include "PageBuild.h"

#include "AppError.h"
#include "AtomicFile.h"
#include "LauncherDocument.h"
#include "SystemPaths.h"
#include "modGenHTML.h"

#include <QDir>
#include <QFileInfo>

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

void WritePage(const LauncherDocument& Doc, const QString& PagePath) {
    // Before the icons are written: a refused page must leave no icon folder behind.
    RefuseSpecialTarget(PagePath);
    // The launcher file is held open for the document; where the system lets a rename
    // pass that hold, it must not let a build put a page in the file's place.
    const QString launcher = QFileInfo(Doc.CurFile).canonicalFilePath();
    if (!launcher.isEmpty() && QFileInfo(PagePath).canonicalFilePath() == launcher)
        throw AppError(QStringLiteral("Permission denied"), ErrNo::PermissionDenied);
    const QString page = GenHTML(Doc, true, IconFolderFor(PagePath));
    WriteFileAtomically(PagePath, page.toUtf8());
}

QString PreviewFile() {
    return SystemPaths::Join(SystemPaths::TempFolder(), QStringLiteral("QTE.htm"));
}

void WritePreview(const LauncherDocument& Doc) {
    const QString page = GenHTML(Doc, false, QString());
    WriteFileAtomically(PreviewFile(), page.toUtf8());
}

RunCommand RunCommandFor(const LauncherDocument& Doc) {
    RunCommand command;
    command.Program = Doc.APath + SystemPaths::ProgramFile(QStringLiteral("quintor2"));
    // The path as stored: page-text escaping would turn a "&" in a folder name into "&amp;".
    const QString page = Doc.ReadProp(QStringLiteral("(HTML File)"), true);
    command.Arguments = QStringList{page};
    command.CommandLine = command.Program + QLatin1Char(' ') + page;
    return command;
}

} // namespace PageBuild
