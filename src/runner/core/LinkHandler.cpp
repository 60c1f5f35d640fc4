#include "LinkHandler.h"

#include "components/AppError.h"
#include "components/NameInMessage.h"
#include "components/ProgramCommandLine.h"
#include "components/UserDialogs.h"
#include "components/platform/FileSystem.h"
#include "components/platform/SystemPaths.h"
#include "core/ItemLink.h"
#include "core/LaunchPort.h"
#include "core/RunnerWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>

namespace {
bool IsRunnerLink(const QString& Url) {
    return Url.left(3).compare(QLatin1String("qt:"), Qt::CaseInsensitive) == 0 ||
           Url.left(4).compare(QLatin1String("qtc:"), Qt::CaseInsensitive) == 0;
}

// The link as the engine follows it: blanks and control characters around it do not count.
QString AsFollowed(const QString& Href) {
    qsizetype first = 0, last = Href.size();
    while (first < last && Href[first].unicode() <= 0x20)
        ++first;
    while (last > first && Href[last - 1].unicode() <= 0x20)
        --last;
    return Href.mid(first, last - first);
}

QString EditorProgram(const RunnerWindow& Window) {
    return Window.ApplicationPath() + SystemPaths::ProgramFile(QStringLiteral("qtedit2"));
}

// Addresses that only mean something inside the engine (a page's own content, a blank
// page, script) or to the runner itself; no other program is ever handed one.
bool StaysInside(const QUrl& Url) {
    static const QLatin1String schemes[] = {QLatin1String("about"), QLatin1String("data"),
                                            QLatin1String("blob"),  QLatin1String("javascript"),
                                            QLatin1String("qt"),    QLatin1String("qtc")};
    for (const QLatin1String& scheme : schemes)
        if (Url.scheme().compare(scheme, Qt::CaseInsensitive) == 0)
            return true;
    return Url.isEmpty();
}

// A file the engine shows as a page. Anything else local (a picture, an archive, a
// program) is a document for its own application, and reading a device or FIFO as a
// page would never end.
bool IsPage(const QString& Path) {
    if (!FileSystem::IsRegularFile(Path))
        return false;
    static const QMimeDatabase types;
    const QMimeType type = types.mimeTypeForFile(Path);
    return type.inherits(QStringLiteral("text/html")) ||
           type.inherits(QStringLiteral("application/xhtml+xml"));
}
} // namespace

LinkHandler::LinkHandler(RunnerWindow& Window, LaunchPort& Launch, UserDialogs& Dialogs)
    : Window(Window), Launch(Launch), Dialogs(Dialogs) {}

QString LinkHandler::UrlText(const QUrl& Url) {
    // QUrl refuses FullyDecoded for a whole URL, so the escapes are undone here.
    return QUrl::fromPercentEncoding(Url.toEncoded());
}

bool LinkHandler::SamePath(const QString& A, const QString& B) {
    if (A.isEmpty() || B.isEmpty())
        return false;
    const QFileInfo a(A), b(B);
    if (a.exists() && b.exists())
        return a.canonicalFilePath() == b.canonicalFilePath();
    return QDir::cleanPath(a.absoluteFilePath()) == QDir::cleanPath(b.absoluteFilePath());
}

bool LinkHandler::ShowsOpenPage() const {
    const QUrl shown = Window.LocationURL();
    return shown.isLocalFile() && SamePath(shown.toLocalFile(), Window.CurFile());
}

LinkHandler::Decision LinkHandler::BeforeNavigate2(const QUrl& Url, bool MainFrame) {
    if (!Url.isLocalFile())
        return {};
    const QString path = Url.toLocalFile();
    if (!MainFrame)
        return {FileSystem::IsRegularFile(path), {}};
    if (!IsPage(path))
        return {};
    return {true, [this, path] {
                Window.ProcInfo(path);
                Window.SetCurFile(path);
            }};
}

void LinkHandler::LinkActivated(const QString& Href, const QString& Address, bool MainFrame) {
    const QString link = AsFollowed(Href);
    if (IsRunnerLink(link))
        RunnerLinkActivated(link, MainFrame);
    else if (MainFrame && OpenElsewhere(QUrl(Address)) && Started && ShowsOpenPage())
        Started(link);
}

void LinkHandler::RunnerLinkActivated(const QString& Url, bool MainFrame) {
    // "open" is harmless anywhere and is the welcome page's way out.
    if (Url.toLower() == QLatin1String("qtc:open") || (MainFrame && ShowsOpenPage()))
        return ProcURL(Url);
    Dialogs.MsgBox(
        tr("Unable to execute command '%1'.  Please open a file first.").arg(NameInMessage(Url)),
        MsgButtons::OK, MsgIcon::Exclamation, tr("Launch Error"));
    Window.OpenDialog();
}

// A link the engine does not show itself: a document, folder or address goes to the
// application the desktop has for it. True when it went.
bool LinkHandler::OpenElsewhere(const QUrl& Address) {
    if (StaysInside(Address) || (Address.isLocalFile() && IsPage(Address.toLocalFile())))
        return false;
    const QString target =
        Address.isLocalFile() ? Address.toLocalFile() : QString::fromUtf8(Address.toEncoded());
    const Launcher::Outcome outcome = Launch.OpenDocument(target);
    ReportLaunch(UrlText(Address), outcome);
    return outcome.Succeeded();
}

void LinkHandler::ProcURL(const QString& Url) {
    const bool item = Url.left(3).compare(QLatin1String("qt:"), Qt::CaseInsensitive) == 0;
    const bool command = Url.left(4).compare(QLatin1String("qtc:"), Qt::CaseInsensitive) == 0;
    const QString word = Url.mid(item ? 3 : 4).toLower();
    try {
        if (item) {
            if (RunItem(Url.mid(3)) && Started)
                Started(Url);
        } else if (command) {
            RunCommand(word);
        }
    } catch (const AppError& e) {
        ReportFailure(word, e.Description, e.Number);
    }
}

bool LinkHandler::RunItem(const QString& Fields) {
    const ItemLink link = ItemLink::Decode(Fields);
    const QString parameters = ItemLink::WithExtraCommands(
        link.Parameters, Window.ExtraCommandsVisible(), Window.ExtraCommandsText());
    const Launcher::Outcome outcome = Launch.ShellExecute(link.Command, parameters, link.StartIn,
                                                          ItemLink::ShowCommand(link.RunWord));
    if (Window.InfoValue(QStringLiteral("Minimise on use")) == QLatin1String("True"))
        Window.Minimise();
    ReportLaunch(link.Command, outcome);
    return outcome.Succeeded();
}

void LinkHandler::ReportLaunch(const QString& Command, const Launcher::Outcome& Outcome) {
    if (Outcome.Succeeded())
        return;
    const QString name = NameInMessage(Command);
    const QString text =
        Outcome.Code == Launcher::FileNotFound
            ? tr("The command '%1' could not be executed.  Please check that the file exists")
                  .arg(name)
            : tr("The command '%1' could not be executed.  %2").arg(name, Outcome.Reason);
    Dialogs.MsgBox(text, MsgButtons::OK, MsgIcon::Critical, tr("Launch Error"));
}

void LinkHandler::RunCommand(const QString& Word) {
    if (Word == QLatin1String("exit"))
        Window.Exit();
    else if (Word == QLatin1String("max"))
        Window.ToggleMaximise();
    else if (Word == QLatin1String("min"))
        Window.Minimise();
    else if (Word == QLatin1String("open"))
        Window.OpenDialog();
    else if (Word == QLatin1String("refresh"))
        Window.Refresh();
    else if (Word == QLatin1String("edit"))
        Launch.StartProgram(
            EditorProgram(Window),
            ProgramCommandLine::FileArguments(Window.InfoValue(QStringLiteral("Source file"))));
}

void LinkHandler::ReportFailure(const QString& Word, const QString& Description, int Number) {
    const QString number = QString::number(Number);
    const QString text =
        Word == QLatin1String("edit")
            ? tr("Unable to run: %1 %2 - %3, %4")
                  .arg(NameInMessage(EditorProgram(Window)),
                       NameInMessage(Window.InfoValue(QStringLiteral("Source file"))), Description,
                       number)
            : tr("An error occurred: %1, %2").arg(Description, number);
    Dialogs.MsgBox(text, MsgButtons::OK, MsgIcon::Critical, tr("Run Error"));
}
