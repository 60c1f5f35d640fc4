#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>

class QDialog;

// Every message box, question, prompt, system dialog and modal window goes through
// this one port. The programs use QtUserDialogs; tests use ScriptedUserDialogs, which
// answers from queues and records every request. A cancelled dialog is an empty
// optional, never an exception.

enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgAnswer { OK, Cancel, Yes, No };

// A pattern of the filter form that stands for every executable file: programs on
// this system carry no extension a name pattern could find.
inline const QString ExecutableFilesPattern = QStringLiteral("<executable>");

struct FileDialogRequest {
    QString Title;
    // In the program's own form: "Text|pattern|Text|pattern". A save dialog adds the
    // chosen entry's extension to a name typed without one, as save dialogs do.
    QString Filter;
    QString FileName;              // proposed file name; may be empty
    bool Save = false;             // save dialog, else open dialog
    bool MustExist = false;        // open: only an existing file may be chosen
    bool ConfirmOverwrite = false; // save: ask before an existing file is replaced
};

struct FontChoice {
    QString Name;
    double Size = 0;
    bool HasSize = false;
    bool Bold = false;
    bool Italic = false;
    bool Strikethrough = false;
    bool Underline = false;
    QColor Colour{}; // invalid when none was set
};

class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    virtual MsgAnswer MsgBox(const QString& Text, MsgButtons Buttons, MsgIcon Icon,
                             const QString& Title,
                             std::optional<MsgAnswer> DefaultButton = std::nullopt) = 0;
    // A question whose buttons carry their own words (Buttons, left to right); the index
    // of the one chosen, or -1 when the window was closed without a choice.
    virtual int Choose(const QString& Text, MsgIcon Icon, const QString& Title,
                       const QStringList& Buttons, int DefaultButton) = 0;
    // Empty optional on Cancel.
    virtual std::optional<QString> InputBox(const QString& Prompt, const QString& Title,
                                            const QString& Default) = 0;
    virtual std::optional<QString> FileDialog(const FileDialogRequest& Request) = 0;
    virtual std::optional<FontChoice> FontDialog(const FontChoice& Initial) = 0;
    virtual std::optional<QColor> ColourDialog(const QColor& Initial) = 0;
    // The chosen folder, or an empty optional when the user cancels.
    virtual std::optional<QString> BrowseForFolder(const QString& Prompt) = 0;
    // Shows a window modally; returns QDialog::Accepted or QDialog::Rejected.
    virtual int ShowModal(QDialog& Window) = 0;
};
