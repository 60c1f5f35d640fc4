#include "RunnerOptions.h"

#include <QFileInfo>

namespace {
const QString NewWindowOption = QStringLiteral("new-window");
const QString ToggleOption = QStringLiteral("toggle");
const QString ForgetOption = QStringLiteral("forget");
} // namespace

ProgramIdentity RunnerOptions::Identity() {
    return {QStringLiteral("quintor2"),
            QStringLiteral("Quintor"),
            QStringLiteral("Shows a launcher page and starts the items it lists."),
            QStringLiteral("page"),
            QStringLiteral("The launcher page to show. The words are joined by one blank "
                           "and double quotes are removed."),
            {},
            {},
            {{NewWindowOption,
              QStringLiteral("Opens another window, even when one shows the page already.")},
             {ToggleOption,
              QStringLiteral("Shows the window of the page (or of the page shown last) when it "
                             "is hidden or behind, hides it when it is in front. For a "
                             "keyboard shortcut of the desktop.")},
             {ForgetOption, QStringLiteral("Forgets which items were started (the find bar "
                                           "shows those used most first) and exits.")}}};
}

bool RunnerOptions::Forgets(const CommandLineRequest& Line) {
    return Line.Options.contains(ForgetOption);
}

InstanceRequest RunnerOptions::RequestOf(const CommandLineRequest& Line) {
    InstanceRequest request;
    QString path = Line.Words.join(QLatin1Char(' '));
    path.remove(QLatin1Char('"'));
    request.Page = path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
    if (Line.Options.contains(ToggleOption))
        request.What = InstanceRequest::Verb::Toggle;
    else if (Line.Options.contains(NewWindowOption))
        request.What = InstanceRequest::Verb::NewWindow;
    return request;
}
