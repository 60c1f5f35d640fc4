#include "components/platform/DesktopShortcut.h"

#include "components/AppError.h"
#include "components/AtomicFile.h"
#include "components/NameInMessage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

// On this system a shortcut is a freedesktop launcher ("<name>.desktop"), executable
// and, where the desktop keeps such a mark, trusted, so that it starts on a double
// click without a question.

namespace {

const QString Extension = QStringLiteral(".desktop");
// A file name may hold 255 bytes. Where the file system has no unnamed temporary
// files, the atomic write names its temporary file after the target plus ".XXXXXX".
constexpr int NameMax = 255;
constexpr int TemporarySuffix = 7;

// The general escapes of a Desktop Entry string value.
QString EscapeValue(const QString& Value) {
    QString out;
    out.reserve(Value.size());
    for (qsizetype i = 0; i < Value.size(); ++i) {
        const QChar c = Value[i];
        switch (c.unicode()) {
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case ' ':
            // Readers drop leading blanks of a value unless they are escaped.
            out += out.isEmpty() ? QStringLiteral("\\s") : QStringLiteral(" ");
            break;
        default:
            if (c.unicode() >= 0x20)
                out += c;
        }
    }
    return out;
}

// One argument of the Exec key: always in double quotes, with the characters that
// stay special inside them escaped, and "%" doubled so it is not read as a field code.
QString QuoteArgument(const QString& Argument) {
    QString out = QStringLiteral("\"");
    for (const QChar c : Argument) {
        switch (c.unicode()) {
        case '"':
        case '`':
        case '$':
        case '\\':
            out += QLatin1Char('\\') + c;
            break;
        case '%':
            out += QLatin1String("%%");
            break;
        default:
            out += c;
        }
    }
    return out + QLatin1Char('"');
}

// The icon the desktop shows for a program: an image lying beside it with its name,
// else the icon of that name in the icon theme.
QString ProgramIcon(const QString& Program) {
    const QFileInfo program(Program);
    for (const char* suffix : {".png", ".svg", ".xpm"}) {
        const QString candidate = program.absolutePath() + QLatin1Char('/') +
                                  program.completeBaseName() + QLatin1String(suffix);
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return program.completeBaseName();
}

// The longest start of Name whose UTF-8 form has at most MaxBytes bytes, never
// splitting a character.
QString CutToBytes(const QString& Name, int MaxBytes) {
    int bytes = 0;
    qsizetype i = 0;
    while (i < Name.size()) {
        const char32_t code = QChar::isHighSurrogate(Name[i].unicode()) && i + 1 < Name.size()
                                  ? QChar::surrogateToUcs4(Name[i], Name[i + 1])
                                  : Name[i].unicode();
        const int width = code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
        if (bytes + width > MaxBytes)
            break;
        bytes += width;
        i += code >= 0x10000 ? 2 : 1;
    }
    return Name.left(i);
}

void MarkTrusted(const QString& Path) {
    const QString gio = QStandardPaths::findExecutable(QStringLiteral("gio"));
    if (gio.isEmpty())
        return;
    // Desktops that do not keep the mark still show the launcher; a failure here costs
    // the user one question on the first start, so it is not an error.
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(gio, {QStringLiteral("set"), Path, QStringLiteral("metadata::trusted"),
                        QStringLiteral("true")});
    if (process.waitForStarted(2000) && !process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(1000);
    }
}

} // namespace

QString DesktopShortcut::DesktopFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

QString DesktopShortcut::FilePath(const QString& Folder, const ShortcutLink& Link) {
    const int room = NameMax - TemporarySuffix - static_cast<int>(Extension.size());
    return QDir(Folder).filePath(CutToBytes(Link.FileName, room) + Extension);
}

QByteArray DesktopShortcut::Content(const ShortcutLink& Link) {
    QString exec = QuoteArgument(Link.Program);
    for (const QString& argument : Link.Arguments)
        exec += QLatin1Char(' ') + QuoteArgument(argument);
    const QString icon = Link.Icon.isEmpty() ? ProgramIcon(Link.Program) : Link.Icon;
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Version=1.0\n"
                                        "Type=Application\n"
                                        "Name=") +
                         EscapeValue(Link.Title) + QStringLiteral("\nComment=") +
                         EscapeValue(Link.Description) + QStringLiteral("\nExec=") +
                         EscapeValue(exec) + QStringLiteral("\nIcon=") + EscapeValue(icon) +
                         QStringLiteral("\nTerminal=false\n");
    return text.toUtf8();
}

QString DesktopShortcut::Create(const QString& Folder, const ShortcutLink& Link) {
    if (Folder.isEmpty() || !QFileInfo(Folder).isDir())
        throw AppError(
            QCoreApplication::translate("DesktopShortcut",
                                        "Path not found: the desktop folder '%1' does not exist")
                .arg(NameInMessage(Folder)),
            ErrNo::PathFileAccess);
    const QString path = FilePath(Folder, Link);
    WriteFileAtomically(path, Content(Link));
    QFile file(path);
    QFileDevice::Permissions permissions = file.permissions();
    // Executable wherever it is readable: desktops start only executable launchers.
    if (permissions & QFileDevice::ReadOwner)
        permissions |= QFileDevice::ExeOwner | QFileDevice::ExeUser;
    if (permissions & QFileDevice::ReadGroup)
        permissions |= QFileDevice::ExeGroup;
    if (permissions & QFileDevice::ReadOther)
        permissions |= QFileDevice::ExeOther;
    if (!file.setPermissions(permissions))
        throw AppError(QCoreApplication::translate("DesktopShortcut", "Permission denied: %1")
                           .arg(file.errorString()),
                       ErrNo::PermissionDenied);
    MarkTrusted(path);
    return path;
}
