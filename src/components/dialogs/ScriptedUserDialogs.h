#pragma once

#include "components/UserDialogs.h"

#include <QList>
#include <QString>
#include <functional>

// The user-dialogs port for tests: answers come from queues the test fills in
// advance; every request is recorded. An unanswered request counts as Cancel
// (the default button for a message box that has one) and is listed in Unanswered.
class ScriptedUserDialogs : public UserDialogs {
public:
    struct Message {
        QString Text;
        QString Title;
        MsgButtons Buttons;
        MsgIcon Icon;
        std::optional<MsgAnswer> DefaultButton;
    };
    struct Choice {
        QString Text;
        QString Title;
        MsgIcon Icon;
        QStringList Buttons;
        int DefaultButton;
    };
    struct Prompt {
        QString Prompt;
        QString Title;
        QString Default;
    };

    // Answers, consumed from the front.
    QList<MsgAnswer> MsgAnswers;
    QList<int> ChoiceAnswers; // button index; -1 closes the window
    QList<std::optional<QString>> InputAnswers;
    QList<std::optional<QString>> FileAnswers;
    // The filter entry chosen in each file dialog, by position; the first one when none is
    // queued. A save dialog adds that entry's extension to a name typed without one.
    QList<int> FilterChoices;
    QList<std::optional<FontChoice>> FontAnswers;
    QList<std::optional<QColor>> ColourAnswers;
    QList<std::optional<QString>> FolderAnswers;
    // Drives a modal window (set fields, click buttons) and returns its result.
    QList<std::function<int(QDialog&)>> ModalScripts;

    // What was asked.
    QList<Message> Messages;
    QList<Choice> Choices;
    QList<Prompt> Prompts;
    QList<FileDialogRequest> FileRequests;
    QList<FontChoice> FontRequests;
    QList<QColor> ColourRequests;
    QStringList FolderPrompts;
    QStringList ModalWindows; // objectName of each window shown
    QStringList Unanswered;   // kinds of the requests that found no answer

    MsgAnswer MsgBox(const QString& Text, MsgButtons Buttons, MsgIcon Icon, const QString& Title,
                     std::optional<MsgAnswer> DefaultButton = std::nullopt) override;
    int Choose(const QString& Text, MsgIcon Icon, const QString& Title, const QStringList& Buttons,
               int DefaultButton) override;
    std::optional<QString> InputBox(const QString& Prompt, const QString& Title,
                                    const QString& Default) override;
    std::optional<QString> FileDialog(const FileDialogRequest& Request) override;
    std::optional<FontChoice> FontDialog(const FontChoice& Initial) override;
    std::optional<QColor> ColourDialog(const QColor& Initial) override;
    std::optional<QString> BrowseForFolder(const QString& Prompt) override;
    int ShowModal(QDialog& Window) override;

    // Convenience for tests: the last message, or an empty one.
    Message LastMessage() const { return Messages.isEmpty() ? Message{} : Messages.last(); }
};
