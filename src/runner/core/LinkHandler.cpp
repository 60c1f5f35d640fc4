#include "LinkHandler.h"

#include "AppError.h"
#include "ItemLink.h"
#include "LaunchPort.h"
#include "Launcher.h"
#include "RunnerWindow.h"
#include "SystemPaths.h"
#include "Tolvik.h"
#include "UserDialogs.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString LaunchErrorTitle = QStringLiteral("Launch Error");

bool IsRunnerLink(const QString& Url) {
    return Url.left(3).compare(QLatin1String("qt:"), Qt::CaseInsensitive) == 0 ||
           Url.left(4).compare(QLatin1String("qtc:"), Qt::CaseInsensitive) == 0;
}

QString EditorProgram(const RunnerWindow& Window) {
    return Window.ApplicationPath() + SystemPaths::ProgramFile(QStringLiteral("qtedit2"));
}

// Addresses that only mean something inside the engine (a page's own content, a blank
// page, history back to the welcome page); the system must never be handed one.
bool IsEngineOnly(const QString& Url) {
    static const QLatin1String schemes[] = {QLatin1String("about:"), QLatin1String("data:"),
                                            QLatin1String("blob:"), QLatin1String("javascript:")};
    for (const QLatin1String& scheme : schemes)
        if (Url.startsWith(scheme, Qt::CaseInsensitive))
            return true;
    return false;
}

// The existing local file an address names. An in-page anchor ("page.htm#top") still
// names the page itself.
QString ExistingFile(const QString& Url) {
    const QString path = LinkHandler::UrlToPath(Url);
    if (Tolvik::FileExists(path))
        return path;
    const qsizetype hash = path.lastIndexOf(QLatin1Char('#'));
    if (hash > 0 && Tolvik::FileExists(path.left(hash)))
        return path.left(hash);
    return QString();
}
} // namespace

LinkHandler::LinkHandler(RunnerWindow& Window, LaunchPort& Launch, UserDialogs& Dialogs)
    : Window(Window), Launch(Launch), Dialogs(Dialogs) {}

QString LinkHandler::UrlToPath(const QString& Url) {
    QString path = Url;
    if (path.startsWith(QLatin1String("file://"), Qt::CaseInsensitive))
        path.remove(0, 7);
    path.replace(QLatin1String("%20"), QLatin1String(" "));
    return QDir::toNativeSeparators(path);
}

bool LinkHandler::SamePath(const QString& A, const QString& B) {
    if (A.isEmpty() || B.isEmpty())
        return false;
    const QFileInfo a(A), b(B);
    if (a.exists() && b.exists())
        return a.canonicalFilePath() == b.canonicalFilePath();
    return QDir::cleanPath(a.absoluteFilePath()) == QDir::cleanPath(b.absoluteFilePath());
}

bool LinkHandler::ShowsOpenPage(bool MainFrame) const {
    return MainFrame && SamePath(UrlToPath(Window.LocationURL()), Window.CurFile());
}

LinkHandler::Decision LinkHandler::BeforeNavigate2(const QString& Url, bool MainFrame) const {
    LinkHandler* self = const_cast<LinkHandler*>(this);
    if (IsRunnerLink(Url)) {
        // "open" is harmless anywhere and is the welcome page's way out.
        if (Url.toLower() == QLatin1String("qtc:open") || ShowsOpenPage(MainFrame))
            return {false, [self, Url] { self->ProcURL(Url); }};
        return {false, [self, Url] {
                    self->Dialogs.MsgBox(QStringLiteral("Unable to execute command '") + Url +
                                             QStringLiteral("'.  Please open a file first."),
                                         MsgButtons::OK, MsgIcon::Exclamation, LaunchErrorTitle);
                    self->Window.OpenDialog();
                }};
    }
    const QString path = ExistingFile(Url);
    if (!path.isEmpty()) {
        // A frame may show a local file, but only the page itself becomes the current page.
        if (!MainFrame)
            return {true, {}};
        return {true, [self, path] {
                    self->Window.ProcInfo(path);
                    self->Window.SetCurFile(path);
                }};
    }
    // A frame never hands anything to the system behind the user's back.
    if (!MainFrame || IsEngineOnly(Url))
        return {false, {}};
    return {false, [self, Url] {
                if (self->Launch.ShellExecute(Url, QString(), QString(), Launcher::Show::Normal) ==
                    Launcher::FileNotFound)
                    self->Dialogs.MsgBox(QStringLiteral("The command '") + Url +
                                             QStringLiteral("' could not be executed.  Please "
                                                            "check that the file exists"),
                                         MsgButtons::OK, MsgIcon::Critical, LaunchErrorTitle);
            }};
}

void LinkHandler::ProcURL(const QString& Url) {
    const bool item = Url.left(3).compare(QLatin1String("qt:"), Qt::CaseInsensitive) == 0;
    const bool command = Url.left(4).compare(QLatin1String("qtc:"), Qt::CaseInsensitive) == 0;
    const QString word = Url.mid(item ? 3 : 4).toLower();
    try {
        if (item)
            RunItem(Url.mid(3));
        else if (command)
            RunCommand(word);
    } catch (const AppError& e) {
        ReportFailure(word, e.Description, e.Number);
    } catch (const std::exception& e) {
        ReportFailure(word, QString::fromLocal8Bit(e.what()), 0);
    }
}

void LinkHandler::RunItem(const QString& Fields) {
    const ItemLink link = ItemLink::Decode(Fields);
    const QString parameters = ItemLink::WithExtraCommands(
        link.Parameters, Window.ExtraCommandsVisible(), Window.ExtraCommandsText());
    const int result = Launch.ShellExecute(link.Command, parameters, link.StartIn,
                                           ItemLink::ShowCommand(link.RunWord));
    if (Window.InfoValue(QStringLiteral("Minimise on use")) == QLatin1String("True"))
        Window.Minimise();
    if (result == Launcher::FileNotFound)
        Dialogs.MsgBox(QStringLiteral("The command '") + link.Command +
                           QStringLiteral("' could not be executed.  Please check that the file "
                                          "exists"),
                       MsgButtons::OK, MsgIcon::Critical, LaunchErrorTitle);
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
        Launch.StartProgram(EditorProgram(Window),
                            {Window.InfoValue(QStringLiteral("Source file"))});
}

void LinkHandler::ReportFailure(const QString& Word, const QString& Description, int Number) {
    const QString failure = Description + QStringLiteral(", ") + QString::number(Number);
    const QString text =
        Word == QLatin1String("edit")
            ? QStringLiteral("Unable to run: ") + EditorProgram(Window) + QLatin1Char(' ') +
                  Window.InfoValue(QStringLiteral("Source file")) + QStringLiteral(" - ") + failure
            : QStringLiteral("An error occurred: ") + failure;
    Dialogs.MsgBox(text, MsgButtons::OK, MsgIcon::Critical, QStringLiteral("Run Error"));
}
