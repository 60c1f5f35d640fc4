#include "BuildCommands.h"

#include "build/PageBuild.h"
#include "build/ui/PreviewPane.h"
#include "components/AppError.h"
#include "components/BusyCursor.h"
#include "components/NameInMessage.h"
#include "components/UserDialogs.h"
#include "components/platform/Launcher.h"
#include "document/LauncherDocument.h"
#include "pagegen/modGenHTML.h"
#include "shell/EditorContext.h"

#include <QCoreApplication>
#include <QLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace BuildCommands {
namespace {

constexpr int HtmlTab = 2;
constexpr int PreviewTab = 3;

// Message holds the error's description and number as %1 and %2, and Name, when there
// is one, as %3.
void ShowError(EditorContext& Ctx, const QString& Message, const AppError& Error,
               const QString& Title, const QString& Name = QString()) {
    const QString number = QString::number(Error.Number);
    Ctx.Dialogs().MsgBox(Name.isNull() ? Message.arg(Error.Description, number)
                                       : Message.arg(Error.Description, number, Name),
                         MsgButtons::OK, MsgIcon::Critical, Title);
}

PreviewPane* ExistingPane(EditorContext& Ctx) {
    return Ctx.PreviewHost().findChild<PreviewPane*>(QString(), Qt::FindDirectChildrenOnly);
}

PreviewPane& Pane(EditorContext& Ctx) {
    if (PreviewPane* pane = ExistingPane(Ctx))
        return *pane;
    QWidget& host = Ctx.PreviewHost();
    QLayout* layout = host.layout() ? host.layout() : new QVBoxLayout(&host);
    auto* pane = new PreviewPane(&host);
    layout->addWidget(pane);
    return *pane;
}

void ShowSource(EditorContext& Ctx) {
    QString page;
    try {
        page = GenHTML(Ctx.Doc(), false, QString());
    } catch (const AppError& e) {
        Ctx.HtmlView().clear();
        ShowError(
            Ctx,
            QCoreApplication::translate(
                "BuildCommands", "An error occurred when attempting to generate the HTML - %1, %2"),
            e, QCoreApplication::translate("BuildCommands", "HTML Error"));
        return;
    }
    page.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    Ctx.HtmlView().setPlainText(page);
}

void ShowPreview(EditorContext& Ctx) {
    PreviewFolder& preview = Ctx.PreviewFiles();
    try {
        BusyCursor busy; // program icons are extracted as for a build
        preview.Write(Ctx.Doc());
    } catch (const AppError& e) {
        if (PreviewPane* pane = ExistingPane(Ctx))
            pane->Blank();
        ShowError(Ctx,
                  QCoreApplication::translate("BuildCommands",
                                              "An error occurred when attempting to preview the "
                                              "HTML file '%3' - %1, %2"),
                  e, QCoreApplication::translate("BuildCommands", "Preview Error"),
                  NameInMessage(preview.PageFile()));
        return;
    }
    Pane(Ctx).Navigate(QUrl::fromLocalFile(preview.PageFile()));
}

} // namespace

void mnuFileBuild_Click(EditorContext& Ctx) {
    LauncherDocument& doc = Ctx.Doc();
    UserDialogs& dialogs = Ctx.Dialogs();
    if (doc.Items.Count() == 0 &&
        dialogs.MsgBox(QCoreApplication::translate("BuildCommands",
                                                   "There are no icons in the list.  Do you still "
                                                   "want to build the HTML file?"),
                       MsgButtons::YesNo, MsgIcon::Question,
                       QCoreApplication::translate("BuildCommands", "No Items in List"),
                       MsgAnswer::No) != MsgAnswer::Yes)
        return;

    FileDialogRequest request;
    request.Title = QCoreApplication::translate("BuildCommands", "Build the HTML File");
    request.Filter = QCoreApplication::translate("BuildCommands", "HTML Document") +
                     QStringLiteral(" (*.htm;*.html)|*.htm;*.html|") +
                     QCoreApplication::translate("BuildCommands", "All files") +
                     QStringLiteral(" (*.*)|*.*");
    request.FileName = PageBuild::ProposedPagePath(doc);
    request.Save = true;
    request.ConfirmOverwrite = true;
    const std::optional<QString> path = dialogs.FileDialog(request);
    if (!path)
        return;

    try {
        BusyCursor busy;
        PageBuild::WritePage(doc, *path);
    } catch (const AppError& e) {
        ShowError(Ctx,
                  QCoreApplication::translate("BuildCommands",
                                              "An error occurred when attempting to build the "
                                              "HTML file '%3' - %1, %2"),
                  e, QCoreApplication::translate("BuildCommands", "Build Error"),
                  NameInMessage(*path));
        return;
    }
    {
        const EditHistory::Step step =
            doc.History.Begin(QCoreApplication::translate("BuildCommands", "Build"));
        doc.WriteProp(QStringLiteral("(HTML File)"), *path);
    }
    Ctx.Checkmenus();
}

void mnuFileRun_Click(EditorContext& Ctx) {
    const PageBuild::RunCommand command = PageBuild::RunCommandFor(Ctx.Doc());
    try {
        // The editor does not wait for the runner.
        Launcher::StartProgram(command.Program, command.Arguments, Launcher::Show::Normal);
    } catch (const AppError& e) {
        ShowError(
            Ctx,
            QCoreApplication::translate(
                "BuildCommands", "An error occurred when running the command - '%3' - %1, %2"),
            e, QCoreApplication::translate("BuildCommands", "Run Error"),
            NameInMessage(command.CommandLine));
    }
}

void tabMain_Click(EditorContext& Ctx, int PreviousTab) {
    const int tab = Ctx.CurrentTab();
    if (tab == HtmlTab)
        ShowSource(Ctx);
    else if (tab == PreviewTab)
        ShowPreview(Ctx);
    if (PreviousTab == PreviewTab && tab != PreviewTab)
        if (PreviewPane* pane = ExistingPane(Ctx))
            pane->Blank();
}

} // namespace BuildCommands
