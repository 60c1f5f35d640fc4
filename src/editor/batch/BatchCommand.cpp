#include "BatchCommand.h"

#include "AppVersion.h"
#include "build/PageBuild.h"
#include "components/AppError.h"
#include "components/UiLanguage.h"
#include "components/platform/SystemPaths.h"
#include "document/LauncherDocument.h"
#include "document/LauncherFile.h"
#include "items/ItemCheck.h"
#include "textform/LauncherText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

namespace BatchCommand {
namespace {

const QString BuildWord = QStringLiteral("--build");
const QString CheckWord = QStringLiteral("--check");
const QString ConvertWord = QStringLiteral("--convert");
const QString OutputWord = QStringLiteral("--output");
const QString EndOfOptions = QStringLiteral("--");

Parsed Wrong(const QString& Text) {
    Parsed parsed;
    parsed.Error = Text;
    return parsed;
}

// The message the window shows for the same failure, as one line. Text names the file
// as %1, the error's description as %2 and its number as %3.
QString Failure(const QString& Title, const QString& Text, const QString& File,
                const AppError& Error) {
    return Title + QStringLiteral(": ") +
           Text.arg(File, Error.Description, QString::number(Error.Number));
}

bool IsPackName(const QString& Path) {
    return QFileInfo(Path).suffix() == QLatin1String("qtf");
}

// The window's Open: the launcher file becomes the document. A dialog hands the window a
// full path, and the page names the file it came from, so the path is made full here too.
bool Open(LauncherDocument& Doc, const QString& File, Outcome& Result) {
    Doc.APath = SystemPaths::ProgramFolder();
    try {
        LauncherFile::OpenFile(Doc, QFileInfo(File).absoluteFilePath(), false);
        return true;
    } catch (const AppError& e) {
        Result.Code = Exit::Unreadable;
        Result.Err = Failure(QCoreApplication::translate("BatchCommand", "Open Error"),
                             QCoreApplication::translate(
                                 "BatchCommand", "An error occurred when attempting to open the "
                                                 "file '%1' - %2, %3"),
                             File, e);
        return false;
    }
}

void Build(const Request& Command, Outcome& Result) {
    LauncherDocument doc;
    if (!Open(doc, Command.File, Result))
        return;
    // What the Build dialog proposes: "(HTML File)", else the launcher file's name with ".htm".
    const QString page =
        Command.Output.isEmpty() ? PageBuild::ProposedPagePath(doc) : Command.Output;
    try {
        PageBuild::WritePage(doc, QFileInfo(page).absoluteFilePath());
    } catch (const AppError& e) {
        Result.Code = Exit::Unwritable;
        Result.Err = Failure(QCoreApplication::translate("BatchCommand", "Build Error"),
                             QCoreApplication::translate(
                                 "BatchCommand", "An error occurred when attempting to build the "
                                                 "HTML file '%1' - %2, %3"),
                             page, e);
    }
}

void Check(const Request& Command, Outcome& Result) {
    LauncherDocument doc;
    if (!Open(doc, Command.File, Result))
        return;
    const QVector<LauncherItem>& rows = doc.Items.All();
    const QVector<ItemCheck::Problems> found = ItemCheck::CheckAll(rows);
    for (int pos = 1; pos <= found.size(); ++pos) {
        if (found[pos - 1] == ItemCheck::NoProblem)
            continue;
        Result.Out += ItemCheck::BrokenLine(pos, rows[pos - 1], found[pos - 1]).toUtf8() + '\n';
        Result.Code = Exit::BrokenItems;
    }
}

void Convert(const Request& Command, Outcome& Result) {
    LauncherDocument doc;
    if (!Open(doc, Command.File, Result))
        return;
    if (Command.Output.isEmpty()) {
        Result.Out = LauncherText::Write(doc);
        return;
    }
    try {
        LauncherFile::SaveFile(doc, QFileInfo(Command.Output).absoluteFilePath());
    } catch (const AppError& e) {
        Result.Code = Exit::Unwritable;
        Result.Err = Failure(QCoreApplication::translate("BatchCommand", "Save Error"),
                             QCoreApplication::translate(
                                 "BatchCommand", "An error occurred when attempting to save the "
                                                 "file '%1' - %2, %3"),
                             Command.Output, e);
    }
}

// Qt's own notes (a missing runtime folder, fonts) are not the command's business:
// standard error carries the command's one message and nothing else.
void QuietMessages(QtMsgType Type, const QMessageLogContext&, const QString& Message) {
    if (Type == QtCriticalMsg || Type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", Message.toLocal8Bit().constData());
}

void Print(const Outcome& Result) {
    if (!Result.Out.isEmpty())
        std::fwrite(Result.Out.constData(), 1, static_cast<size_t>(Result.Out.size()), stdout);
    if (!Result.Err.isEmpty())
        std::fprintf(stderr, "%s\n", Result.Err.toLocal8Bit().constData());
}

} // namespace

bool Wanted(const QStringList& Arguments) {
    return !Arguments.isEmpty() &&
           (Arguments[0] == BuildWord || Arguments[0] == CheckWord || Arguments[0] == ConvertWord);
}

Parsed Parse(const QStringList& Arguments) {
    Parsed parsed;
    Request& command = parsed.Command;
    const QString& word = Arguments.value(0);
    command.What = word == BuildWord   ? Mode::Build
                   : word == CheckWord ? Mode::Check
                                       : Mode::Convert;
    QStringList files;
    bool hasOutput = false;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < Arguments.size(); ++i) {
        const QString& argument = Arguments[i];
        if (optionsEnded || !argument.startsWith(QLatin1Char('-')) ||
            argument == QLatin1String("-")) {
            files << argument;
        } else if (argument == EndOfOptions) {
            optionsEnded = true;
        } else if (argument == OutputWord || argument.startsWith(OutputWord + QLatin1Char('='))) {
            if (hasOutput)
                return Wrong(
                    QCoreApplication::translate("BatchCommand", "--output is given twice"));
            hasOutput = true;
            if (argument == OutputWord) {
                if (++i == Arguments.size())
                    return Wrong(
                        QCoreApplication::translate("BatchCommand", "--output needs a file name"));
                command.Output = Arguments[i];
            } else {
                command.Output = argument.mid(OutputWord.size() + 1);
            }
            if (command.Output.isEmpty())
                return Wrong(
                    QCoreApplication::translate("BatchCommand", "--output needs a file name"));
        } else {
            return Wrong(QCoreApplication::translate("BatchCommand",
                                                     "unknown option '%1' (a file name that begins "
                                                     "with '-' goes after '--')")
                             .arg(argument));
        }
    }
    if (files.isEmpty())
        return Wrong(
            QCoreApplication::translate("BatchCommand", "%1 needs a launcher file (.qtf or .yaml)")
                .arg(word));
    if (files.size() > 1)
        return Wrong(
            QCoreApplication::translate("BatchCommand", "%1 takes one launcher file, not also '%2'")
                .arg(word, files[1]));
    command.File = files[0];
    if (command.What == Mode::Check && hasOutput)
        return Wrong(QCoreApplication::translate(
            "BatchCommand", "--check writes nothing, so it takes no --output"));
    if (command.What == Mode::Convert) {
        if (hasOutput && !IsPackName(command.Output) && !LauncherText::IsTextFile(command.Output))
            return Wrong(QCoreApplication::translate("BatchCommand",
                                                     "the converted file's name must end in .qtf, "
                                                     ".yaml or .yml: '%1'")
                             .arg(command.Output));
        if (!hasOutput && LauncherText::IsTextFile(command.File))
            return Wrong(QCoreApplication::translate(
                "BatchCommand", "converting a text launcher file needs --output FILE.qtf"));
    }
    return parsed;
}

Outcome Run(const Request& Command) {
    Outcome result;
    switch (Command.What) {
    case Mode::Build:
        Build(Command, result);
        break;
    case Mode::Check:
        Check(Command, result);
        break;
    case Mode::Convert:
        Convert(Command, result);
        break;
    }
    return result;
}

int Main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Program icons are drawn through the windowing system; the offscreen one needs no
    // display, so a timer, a login over SSH or CI can build a page.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("qtedit2"));
    QGuiApplication::setApplicationVersion(QStringLiteral(QUINTOR_VERSION_TEXT));
    // Before the line is read: a wrong line is told in the user's language too.
    UiLanguage::Install({QStringLiteral("components"), QStringLiteral("qtedit2")});
    const Parsed parsed = Parse(arguments);
    if (!parsed.Error.isEmpty()) {
        Outcome wrong;
        wrong.Code = Exit::Usage;
        wrong.Err = QCoreApplication::translate("BatchCommand", "%1: %2 (see qtedit2 --help)")
                        .arg(LauncherDocument::ProgramTitle, parsed.Error);
        Print(wrong);
        return wrong.Code;
    }
    const Outcome result = Run(parsed.Command);
    Print(result);
    return result.Code;
}

QStringList UsageLines() {
    return {QStringLiteral("qtedit2 --build FILE [--output PAGE]"),
            QStringLiteral("qtedit2 --check FILE"),
            QStringLiteral("qtedit2 --convert IN [--output OUT]")};
}

// The example file and the cron line are what a user types: they stay as they are in
// every language.
QString Help() {
    return QCoreApplication::translate(
               "BatchCommand",
               "Commands without a window (first on the line; FILE may be a .qtf or a .yaml "
               "file):\n"
               "  --build FILE [--output PAGE]  Builds the launcher page as the editor's Build "
               "does.\n"
               "                                PAGE defaults to the \"(HTML File)\" property, "
               "else\n"
               "                                to FILE with the extension \".htm\".\n"
               "  --check FILE                  Lists the items that cannot start; exit status 1\n"
               "                                when there are any.\n"
               "  --convert IN [--output OUT]   Converts between .qtf and .yaml by the names'\n"
               "                                extensions; without --output the YAML text of a\n"
               "                                .qtf file goes to standard output.\n"
               "Exit status: 0 done, 1 items that cannot start (--check), 2 a wrong command "
               "line,\n"
               "3 FILE cannot be read or is damaged, 4 the page, its icons or OUT cannot be\n"
               "written. A failure prints \"<title>: <message>\" on standard error.\n") +
           QStringLiteral("\n") +
           QCoreApplication::translate(
               "BatchCommand",
               "A text launcher file, tools.yaml (what it leaves out keeps its default):") +
           QStringLiteral("\n"
                          "  properties:\n"
                          "    P_TITLE: My tools\n"
                          "  items:\n"
                          "    - description: Terminal\n"
                          "      command: x-terminal-emulator\n"
                          "  sections:\n"
                          "    - name: Web\n"
                          "      columns: 2\n"
                          "      items:\n"
                          "        - {description: Debian, command: \"https://www.debian.org\", "
                          "run: Hyperlink}\n") +
           QCoreApplication::translate(
               "BatchCommand",
               "Rebuilt every hour by cron (crontab -e; a systemd user timer: man qtedit2):") +
           QStringLiteral(
               "\n"
               "  0 * * * *  qtedit2 --build $HOME/tools.yaml --output $HOME/tools.htm\n");
}

} // namespace BatchCommand
