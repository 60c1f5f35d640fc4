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

#include <QLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace BuildCommands {
namespace {

constexpr int HtmlTab = 2;
constexpr int PreviewTab = 3;

void ShowError(EditorContext& Ctx, const QString& Text, const AppError& Error,
               const QString& Title) {
    Ctx.Dialogs().MsgBox(Text + QStringLiteral(" - ") + Error.Description + QStringLiteral(", ") +
                             QString::number(Error.Number),
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
        ShowError(Ctx, QStringLiteral("An error occurred when attempting to generate the HTML"), e,
                  QStringLiteral("HTML Error"));
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
                  QStringLiteral("An error occurred when attempting to preview the HTML file '") +
                      NameInMessage(preview.PageFile()) + QLatin1Char('\''),
                  e, QStringLiteral("Preview Error"));
        return;
    }
    Pane(Ctx).Navigate(QUrl::fromLocalFile(preview.PageFile()));
}

} // namespace

void mnuFileBuild_Click(EditorContext& Ctx) {
    LauncherDocument& doc = Ctx.Doc();
    UserDialogs& dialogs = Ctx.Dialogs();
    if (doc.Items.Count() == 0 &&
        dialogs.MsgBox(QStringLiteral("There are no icons in the list.  Do you still want to build "
                                      "the HTML file?"),
                       MsgButtons::YesNo, MsgIcon::Question, QStringLiteral("No Items in List"),
                       MsgAnswer::No) != MsgAnswer::Yes)
        return;

    FileDialogRequest request;
    request.Title = QStringLiteral("Build the HTML File");
    request.Filter =
        QStringLiteral("HTML Document (*.htm;*.html)|*.htm;*.html|All files (*.*)|*.*");
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
                  QStringLiteral("An error occurred when attempting to build the HTML file '") +
                      NameInMessage(*path) + QLatin1Char('\''),
                  e, QStringLiteral("Build Error"));
        return;
    }
    {
        const EditHistory::Step step = doc.History.Begin(QStringLiteral("Build"));
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
        ShowError(Ctx,
                  QStringLiteral("An error occurred when running the command - '") +
                      NameInMessage(command.CommandLine) + QLatin1Char('\''),
                  e, QStringLiteral("Run Error"));
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
