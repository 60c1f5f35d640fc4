#include "AppItems.h"

#include "components/platform/DesktopEntries.h"
#include "components/platform/IconTheme.h"
#include "items/ItemFields.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMimeData>

namespace AppItems {

namespace {

const QString NormalWindow = QStringLiteral("Normal Window");

Result Refused(const QString& Why) {
    Result result;
    result.Refusal = Why;
    return result;
}

bool NeedsQuotes(const QString& Argument) {
    return Argument.isEmpty() || Argument.contains(QLatin1Char(' ')) ||
           Argument.contains(QLatin1Char('\t'));
}

// An address the desktop opens (https:, mailto:), as opposed to a path.
bool IsAddress(const QString& Command) {
    const QUrl url(Command);
    return url.isValid() && url.scheme().size() > 1 && !url.isLocalFile();
}

QString WithoutExtension(const QFileInfo& Info) {
    if (Info.isDir())
        return Info.fileName().isEmpty() ? Info.absoluteFilePath() : Info.fileName();
    return Info.completeBaseName().isEmpty() ? Info.fileName() : Info.completeBaseName();
}

// Any row about to be made: a Description that would make it a section row, or cells
// that would not reach the runner as they are, refuse it.
QString RowProblem(const LauncherItem& Row);

Result Checked(const LauncherItem& Row) {
    Result result;
    result.Row = Row;
    result.Refusal = RowProblem(Row);
    return result;
}

LauncherItem ItemRow(const QString& Description, const QString& Command) {
    LauncherItem row;
    row[cellDescription] = Description;
    row[cellCommand] = Command;
    row[cellRun] = NormalWindow;
    return row;
}

QString RowProblem(const LauncherItem& Row) {
    if (ItemFields::TrimSpaces(Row[cellDescription]).startsWith(QLatin1String("SECTION:")))
        return QCoreApplication::translate(
            "AppItems", "its name begins with 'SECTION:', which marks a section");
    return LinkProblem(Row);
}

} // namespace

std::optional<QString> QuoteArguments(const QStringList& Arguments) {
    QStringList words;
    for (const QString& argument : Arguments) {
        if (argument.contains(QLatin1Char('"')))
            return std::nullopt;
        words.append(NeedsQuotes(argument) ? QLatin1Char('"') + argument + QLatin1Char('"')
                                           : argument);
    }
    return words.join(QLatin1Char(' '));
}

QList<Link> LinksOf(const QMimeData& Data) {
    QList<Link> links;
    // Browsers send "address\ntitle" pairs in UTF-16 besides the plain address list.
    static const QString titled = QStringLiteral("text/x-moz-url");
    if (Data.hasFormat(titled)) {
        const QByteArray bytes = Data.data(titled);
        const QStringList lines =
            QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()),
                               bytes.size() / 2)
                .split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); i += 2)
            if (!lines[i].trimmed().isEmpty())
                links.append({QUrl(lines[i].trimmed()), lines.value(i + 1).trimmed()});
        if (!links.isEmpty())
            return links;
    }
    const QList<QUrl> urls = Data.urls();
    for (const QUrl& url : urls)
        links.append({url, QString()});
    return links;
}

QString LinkProblem(const LauncherItem& Row) {
    static const QLatin1String decoded[] = {QLatin1String("%20"), QLatin1String("%22"),
                                            QLatin1String("&comma;")};
    for (const int cell : {cellCommand, cellParameters, cellStartIn}) {
        const QString& text = Row[cell];
        // An address goes to the desktop as it stands; its escapes mean what they say.
        if (cell == cellCommand && IsAddress(text))
            continue;
        if (ItemFields::HasControlCharacter(text))
            return QCoreApplication::translate(
                "AppItems", "it holds a line break or another control character, which a launcher "
                            "page cannot pass on");
        for (const QLatin1String& escape : decoded)
            if (text.contains(escape))
                return QCoreApplication::translate(
                           "AppItems",
                           "it holds the text \"%1\", which the launcher page would turn into "
                           "another character")
                    .arg(escape);
    }
    return {};
}

namespace {
Result MadeFrom(const Application& App, const QStringList& TerminalPrefix) {
    if (!App.Arguments)
        return Refused(QCoreApplication::translate("AppItems", "its command line cannot be read"));
    if (App.Arguments->isEmpty() || App.Arguments->first().isEmpty())
        return Refused(
            QCoreApplication::translate("AppItems", "its command line names no program"));
    const QStringList words = App.Terminal ? TerminalPrefix + *App.Arguments : *App.Arguments;
    const std::optional<QString> parameters = QuoteArguments(words.mid(1));
    if (!parameters)
        return Refused(QCoreApplication::translate(
            "AppItems", "an argument holds a double quote, which a launcher page cannot pass on"));
    LauncherItem row = ItemRow(App.Name, words.first());
    row[cellParameters] = *parameters;
    row[cellStartIn] = App.StartIn;
    row[cellIcon] = App.IconFile;
    row[cellComments] = App.Comment;
    return Checked(row);
}
} // namespace

Result FromApplication(const Application& App, const QStringList& TerminalPrefix) {
    Result result = MadeFrom(App, TerminalPrefix);
    // A refused application is still shown by its name.
    result.Row[cellDescription] = App.Name;
    return result;
}

Result FromEntry(const DesktopEntry& Entry, int IconSize) {
    Application app;
    app.Name = Entry.Name.isEmpty() ? QFileInfo(Entry.File).completeBaseName() : Entry.Name;
    app.Comment = Entry.Comment;
    app.StartIn = Entry.Path;
    app.Arguments = DesktopEntries::ExecArguments(Entry);
    app.Terminal = Entry.Terminal;
    app.IconFile = IconTheme::FindFile(Entry.Icon, IconSize);
    return FromApplication(app, Entry.Terminal ? DesktopEntries::TerminalPrefix() : QStringList());
}

Result FromPath(const QString& Path) {
    LauncherItem row = ItemRow(WithoutExtension(QFileInfo(Path)), Path);
    row[cellIcon] = Path;
    return Checked(row);
}

Result FromUrl(const QUrl& Url, const QString& Title) {
    const QString title = Title.simplified();
    const QString host = Url.host();
    return Checked(ItemRow(!title.isEmpty() ? title : (!host.isEmpty() ? host : Url.toString()),
                           Url.toString()));
}

Result FromDrop(const QUrl& Url, const QString& Title, int IconSize) {
    if (!Url.isLocalFile())
        return FromUrl(Url, Title);
    const QString path = QDir::cleanPath(Url.toLocalFile());
    if (!path.endsWith(QLatin1String(".desktop")) || !QFileInfo(path).isFile())
        return FromPath(path);
    const std::optional<DesktopEntry> entry = DesktopEntries::FromFile(path);
    if (!entry)
        return Refused(QCoreApplication::translate(
            "AppItems", "it is not an application entry that can be started"));
    return FromEntry(*entry, IconSize);
}

} // namespace AppItems
