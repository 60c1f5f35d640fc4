#include "ScriptedUserDialogs.h"

#include "components/dialogs/FileFilter.h"

#include <QDialog>

namespace {
template <typename T>
std::optional<T> Take(QList<std::optional<T>>& Queue, QStringList& Unanswered, const char* Kind) {
    if (Queue.isEmpty()) {
        Unanswered << QLatin1String(Kind);
        return std::nullopt;
    }
    return Queue.takeFirst();
}
} // namespace

MsgAnswer ScriptedUserDialogs::MsgBox(const QString& Text, MsgButtons Buttons, MsgIcon Icon,
                                      const QString& Title,
                                      std::optional<MsgAnswer> DefaultButton) {
    Messages.append({Text, Title, Buttons, Icon, DefaultButton});
    if (!MsgAnswers.isEmpty())
        return MsgAnswers.takeFirst();
    if (Buttons == MsgButtons::OK)
        return MsgAnswer::OK;
    Unanswered << QStringLiteral("MsgBox");
    if (DefaultButton)
        return *DefaultButton;
    return Buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Cancel;
}

int ScriptedUserDialogs::Choose(const QString& Text, MsgIcon Icon, const QString& Title,
                                const QStringList& Buttons, int DefaultButton) {
    Choices.append({Text, Title, Icon, Buttons, DefaultButton});
    if (!ChoiceAnswers.isEmpty())
        return ChoiceAnswers.takeFirst();
    Unanswered << QStringLiteral("Choose");
    return -1;
}

std::optional<QString> ScriptedUserDialogs::InputBox(const QString& Prompt, const QString& Title,
                                                     const QString& Default) {
    Prompts.append({Prompt, Title, Default});
    return Take(InputAnswers, Unanswered, "InputBox");
}

std::optional<QString> ScriptedUserDialogs::FileDialog(const FileDialogRequest& Request) {
    FileRequests.append(Request);
    std::optional<QString> path = Take(FileAnswers, Unanswered, "FileDialog");
    const int entry = FilterChoices.isEmpty() ? 0 : FilterChoices.takeFirst();
    if (path && Request.Save)
        *path = WithExtension(*path, ParseFilter(Request.Filter).value(entry).Extension());
    return path;
}

std::optional<FontChoice> ScriptedUserDialogs::FontDialog(const FontChoice& Initial) {
    FontRequests.append(Initial);
    return Take(FontAnswers, Unanswered, "FontDialog");
}

std::optional<QColor> ScriptedUserDialogs::ColourDialog(const QColor& Initial) {
    ColourRequests.append(Initial);
    return Take(ColourAnswers, Unanswered, "ColourDialog");
}

std::optional<QString> ScriptedUserDialogs::BrowseForFolder(const QString& Prompt) {
    FolderPrompts.append(Prompt);
    return Take(FolderAnswers, Unanswered, "BrowseForFolder");
}

int ScriptedUserDialogs::ShowModal(QDialog& Window) {
    ModalWindows << Window.objectName();
    if (ModalScripts.isEmpty()) {
        Unanswered << QStringLiteral("ShowModal:") + Window.objectName();
        return QDialog::Rejected;
    }
    return ModalScripts.takeFirst()(Window);
}
