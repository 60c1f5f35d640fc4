#include "ProgramCommandLine.h"

#include "AppVersion.h"

#include <QCommandLineParser>
#include <cstdio>
#include <utility>

namespace {

const QString EndOfOptions = QStringLiteral("--");

QString HelpText(const QCommandLineParser& Parser, const ProgramIdentity& Program) {
    // The parser names the program by its path, or not at all before the application
    // object exists; the usage line names it as the user types it.
    QString usage =
        QStringLiteral("Usage: %1 [options] [--] [%2]\n").arg(Program.Command, Program.Subject);
    for (const QString& more : Program.MoreUsage)
        usage += QStringLiteral("       ") + more + QLatin1Char('\n');
    const QString tail =
        Program.MoreHelp.isEmpty() ? QString() : QLatin1Char('\n') + Program.MoreHelp;
    return usage + Parser.helpText().section(QLatin1Char('\n'), 1) + tail;
}

} // namespace

ProgramCommandLine::ProgramCommandLine(int argc, char** argv, ProgramIdentity Program)
    : Program(std::move(Program)) {
    int first = 1;
    const auto isLeading = [this](const QString& Word) {
        for (const auto& option : this->Program.LeadingOptions)
            if (Word == QStringLiteral("--") + option.first)
                return true;
        return false;
    };
    for (; first < argc && isLeading(QString::fromLocal8Bit(argv[first])); ++first)
        Leading << QString::fromLocal8Bit(argv[first]).mid(2);
    int end = first;
    while (end < argc && QString::fromLocal8Bit(argv[end]) != EndOfOptions)
        ++end;
    // Qt never sees the leading options: they are ours.
    QtVector.assign(argv, argv + 1);
    QtVector.insert(QtVector.end(), argv + first, argv + end);
    QtVector.push_back(nullptr);
    QtCount = int(QtVector.size()) - 1;
    for (int i = first; i < end; ++i)
        BeforeEnd << QString::fromLocal8Bit(argv[i]);
    if (end < argc) {
        AfterEnd.emplace();
        for (int i = end + 1; i < argc; ++i)
            *AfterEnd << QString::fromLocal8Bit(argv[i]);
    }
}

std::optional<CommandLineRequest> ProgramCommandLine::EarlyAnswer() const {
    // Qt's own options are still among these arguments, so an unknown option is not yet
    // a fault: only a request for help or the version is answered here.
    CommandLineRequest request = Parse(BeforeEnd, Program);
    if (request.What != CommandLineRequest::Kind::Answer)
        return std::nullopt;
    return request;
}

CommandLineRequest ProgramCommandLine::Read(const QStringList& AppArguments) const {
    QStringList arguments = AppArguments.mid(1);
    if (AfterEnd)
        arguments << EndOfOptions << *AfterEnd;
    CommandLineRequest request = Parse(arguments, Program);
    request.Options = Leading;
    return request;
}

CommandLineRequest ProgramCommandLine::ReadEarly() const {
    QStringList arguments = BeforeEnd;
    if (AfterEnd)
        arguments << EndOfOptions << *AfterEnd;
    CommandLineRequest request = Parse(arguments, Program);
    request.Options = Leading;
    return request;
}

QStringList ProgramCommandLine::FileArguments(const QString& Path) {
    return {EndOfOptions, Path};
}

int ProgramCommandLine::Finish(const CommandLineRequest& Request) {
    std::fputs(Request.Text.toLocal8Bit().constData(), stdout);
    return 0;
}

CommandLineRequest ProgramCommandLine::Parse(const QStringList& Arguments,
                                             const ProgramIdentity& Program) {
    QCommandLineParser parser;
    // "-reverse" is one unknown option, as Qt spells its own, not seven letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(Program.Purpose);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays the version."));
    parser.addOptions({help, version});
    // Listed in the help; anywhere but first they are words of the name (see the constructor).
    QStringList leading;
    for (const auto& option : Program.LeadingOptions) {
        parser.addOption(QCommandLineOption(option.first, option.second));
        leading << option.first;
    }
    parser.addPositionalArgument(Program.Subject, Program.SubjectHelp);
    bool understood = parser.parse(QStringList{Program.Command} + Arguments);
    for (const QString& name : leading)
        understood = understood && !parser.isSet(name);
    if (parser.isSet(help))
        return {CommandLineRequest::Kind::Answer, {}, HelpText(parser, Program), {}};
    if (parser.isSet(version))
        return {CommandLineRequest::Kind::Answer,
                {},
                Program.Title + QStringLiteral(" " QUINTOR_VERSION_TEXT "\n"),
                {}};
    if (understood)
        return {CommandLineRequest::Kind::Open, parser.positionalArguments(), {}, {}};
    // A word the parser takes for an unknown option ("-my page.htm") is part of the name.
    QStringList words = Arguments;
    words.removeOne(EndOfOptions);
    return {CommandLineRequest::Kind::Open, words, {}, {}};
}
