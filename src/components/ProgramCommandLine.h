#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// Who a program is, as its command line presents it.
struct ProgramIdentity {
    QString Command;       // the program's file name, as the usage line shows it
    QString Title;         // the product title, as --version shows it
    QString Purpose;       // one line under the usage
    QString Subject;       // the name of what the program opens: "file", "page"
    QString SubjectHelp;   // what that argument is
    QStringList MoreUsage; // further forms of the command line, one usage line each
    QString MoreHelp;      // the help's last part, about those forms
    // Options of the program's own, taken only as the first words of the line, before
    // anything that names what to open: name (without "--") and what it does.
    QList<std::pair<QString, QString>> LeadingOptions = {};
};

// What a command line asks for.
struct CommandLineRequest {
    enum class Kind { Open, Answer };
    Kind What = Kind::Open;
    QStringList Words;   // Open: the arguments that name what to open, in order
    QString Text;        // Answer: the help or version text
    QStringList Options; // Open: the leading options given, by name
};

// A program's command line: --help, --version and the words that name what to open. Any
// other word, one that looks like an option too, is part of the name, as it always was.
// Qt takes its own options ("-reverse", "-style x") from the arguments when the
// application object is made, even after "--", so everything from "--" on is kept out
// of its sight and read here.
class ProgramCommandLine {
public:
    ProgramCommandLine(int argc, char** argv, ProgramIdentity Program);

    // The argument count and vector to make the application object with.
    int& QtArgc() { return QtCount; }
    char** QtArgv() { return QtVector.data(); }
    // --help and --version, answered before the application object exists, so that
    // they need no display. Empty when the line asks for neither.
    std::optional<CommandLineRequest> EarlyAnswer() const;
    // The whole request, once Qt has taken its own options. AppArguments:
    // QCoreApplication::arguments().
    CommandLineRequest Read(const QStringList& AppArguments) const;
    // The request as it stands before the application object exists, for a process that
    // may hand it on at once; Qt's own options, if any, are still words of the name.
    CommandLineRequest ReadEarly() const;

    // The arguments that name one file to the other program, whatever the file is called:
    // a name starting with "-" is never read as an option.
    static QStringList FileArguments(const QString& Path);

    // Prints an answer; returns the program's exit code.
    static int Finish(const CommandLineRequest& Request);

private:
    // Reads Arguments (without the program's name).
    static CommandLineRequest Parse(const QStringList& Arguments, const ProgramIdentity& Program);

    ProgramIdentity Program;
    int QtCount = 0;
    std::vector<char*> QtVector;         // ends with a null pointer, as a C argument vector does
    QStringList BeforeEnd;               // the arguments before "--", without the program's name
    std::optional<QStringList> AfterEnd; // the arguments after "--", when it was given
    QStringList Leading;                 // the leading options given
};
