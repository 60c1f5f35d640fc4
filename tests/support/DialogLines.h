#pragma once

// What the scripted dialogs were asked, each as one line, so that one comparison shows all
// of it: "Icon Buttons Title: Text" for a message ("YesNo(No)": No is the default button),
// "save, confirm Title: Filter [FileName]" for a file dialog, "Name 12pt bold underline #ff0000"
// for a font.
#include "components/dialogs/ScriptedUserDialogs.h"

inline QString MessageLine(const ScriptedUserDialogs::Message& M) {
    static const char* const icons[] = {"None", "Critical", "Question", "Exclamation",
                                        "Information"};
    static const char* const buttons[] = {"OK", "OKCancel", "YesNo", "YesNoCancel"};
    static const char* const answers[] = {"(OK)", "(Cancel)", "(Yes)", "(No)"};
    const QString defaultButton = M.DefaultButton ? answers[int(*M.DefaultButton)] : "";
    return QString("%1 %2%3 %4: %5")
        .arg(icons[int(M.Icon)], buttons[int(M.Buttons)], defaultButton, M.Title, M.Text);
}

// A message without the system's wording of a failure ("the file 'x' - ..., 75").
inline QString FailureLine(const ScriptedUserDialogs::Message& M) {
    const QString line = MessageLine(M);
    const qsizetype from = line.indexOf("' - "), to = line.lastIndexOf(", ");
    return from < 0 || to < from ? line : line.left(from + 4) + "..." + line.mid(to);
}

inline QString FontLine(const FontChoice& F) {
    QStringList words{F.Name, F.HasSize ? QString::number(F.Size) + "pt" : "-"};
    for (const auto& [on, word] : {std::pair{F.Bold, "bold"},
                                   {F.Italic, "italic"},
                                   {F.Strikethrough, "strikethrough"},
                                   {F.Underline, "underline"}})
        if (on)
            words << word;
    return (words << F.Colour.name()).join(' ');
}

inline QString RequestLine(const FileDialogRequest& R) {
    return QString("%1%2%3 %4: %5 [%6]")
        .arg(R.Save ? "save" : "open", R.ConfirmOverwrite ? ", confirm" : "",
             R.MustExist ? ", must exist" : "", R.Title, R.Filter, R.FileName);
}
