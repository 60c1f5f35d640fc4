#pragma once

#include <QString>

// The four fields of a "qt:" item link: command, parameters, start-in folder, run word.
struct ItemLink {
    QString Command;
    QString Parameters;
    QString StartIn;
    QString RunWord;

    // Text after "qt:", split at every ","; each field decoded. Throws AppError
    // (subscript out of range) for more than four fields.
    static ItemLink Decode(const QString& Fields);
    // "&comma;", "%20", "%22", then "%20" once more, in that order; nothing else.
    static QString DecodeField(QString Field);
    // The window-show number of a run word, in any letter case; 1 for anything unknown.
    static int ShowCommand(const QString& RunWord);
    // The parameters with the extra-commands box's text appended, when it applies.
    static QString WithExtraCommands(const QString& Parameters, bool BoxVisible,
                                     const QString& BoxText);
};
