#pragma once

// Launcher pages written by hand in the editor's exact format, and a launch port that
// records what it is asked (and passes programs on to the real one when told to).

#include "AppError.h"
#include "LaunchPort.h"
#include "TestFiles.h"

#include <QList>
#include <QStringList>
#include <optional>

namespace RunnerPages {

struct Link {
    QString Id;
    QString Href; // as it stands in the page's HTML
};

inline QString Page(const QString& Title, const QList<Link>& Links, const QStringList& InfoLines,
                    const QString& Extra = QString()) {
    const QString crlf = QStringLiteral("\r\n");
    QString page = QStringLiteral("<html>") + crlf + crlf + QStringLiteral("<head>") + crlf +
                   QStringLiteral("<meta name=\"generator\" content=\"Quintor Editor 3.3.13\">") +
                   crlf + QStringLiteral("<meta charset=\"utf-8\">") + crlf +
                   QStringLiteral("<title>") + Title + QStringLiteral("</title>") + crlf +
                   QStringLiteral("</head>") + crlf + crlf + QStringLiteral("<body>") + crlf +
                   QStringLiteral("<h1>") + Title + QStringLiteral("</h1>") + crlf + Extra + crlf;
    for (const Link& link : Links)
        page +=
            QStringLiteral("<p><a id=\"%1\" href=\"%2\">%1</a></p>").arg(link.Id, link.Href) + crlf;
    page += QStringLiteral("</body>") + crlf + crlf + QStringLiteral("</html>") + crlf + crlf;
    page += QStringLiteral("<!-- Quintor info:") + crlf;
    for (const QString& line : InfoLines)
        page += line + crlf;
    return page + QStringLiteral("-->");
}

inline bool WritePage(const QString& Path, const QString& Text) {
    return TestFiles::Write(Path, Text.toUtf8());
}

class RecordingLaunchPort : public LaunchPort {
public:
    struct Call {
        QString File, Parameters, Folder;
        int ShowCommand;
    };
    QList<Call> Calls;
    QList<QStringList> Programs; // StartProgram: program, then its arguments
    int Result = 42;
    bool PassOn = false;                  // hand ShellExecute to the system after recording
    std::optional<AppError> StartFailure; // thrown by StartProgram

    int ShellExecute(const QString& File, const QString& Parameters, const QString& Folder,
                     int ShowCommand) override {
        Calls.append({File, Parameters, Folder, ShowCommand});
        return PassOn ? System.ShellExecute(File, Parameters, Folder, ShowCommand) : Result;
    }
    void StartProgram(const QString& Program, const QStringList& Arguments) override {
        Programs.append(QStringList{Program} + Arguments);
        if (StartFailure)
            throw *StartFailure;
        if (PassOn)
            System.StartProgram(Program, Arguments);
    }

private:
    SystemLaunchPort System;
};

} // namespace RunnerPages
