#pragma once

#include "document/LauncherItem.h"

#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

struct DesktopEntry;
class QMimeData;

// What an installed application, a dropped file, folder or address becomes in the item
// list. A launcher page hands an item's command, parameters and start-in folder to the
// runner as a link that is split again at blanks and double quotes and has "&comma;",
// "%20" and "%22" decoded; a row is only made when that road gives the program exactly
// what the desktop would have given it. Otherwise the answer says why not.
namespace AppItems {

struct Result {
    LauncherItem Row;
    QString Refusal; // why no row can be made; empty when Row is the item
    bool Made() const { return Refusal.isEmpty(); }
};

// An application as the item is made from it, without the desktop's look-ups.
struct Application {
    QString Name;
    QString Comment;
    QString StartIn;
    std::optional<QStringList> Arguments; // the program and its arguments; nothing: unreadable
    bool Terminal = false;
    QString IconFile;
};

// Parameters that the runner splits back into exactly these arguments: a word with a
// blank or tab, and the empty word, in double quotes. Nothing when an argument holds a
// double quote, which that split cannot carry.
std::optional<QString> QuoteArguments(const QStringList& Arguments);

// TerminalPrefix: the terminal program and its option, put before a program that runs
// in a terminal.
Result FromApplication(const Application& App, const QStringList& TerminalPrefix);
// The item of a desktop entry, its icon taken from the icon theme at IconSize pixels.
Result FromEntry(const DesktopEntry& Entry, int IconSize);

// A file or folder: Description its name without extension, Icon the path itself, so
// the page shows what the desktop shows for it.
Result FromPath(const QString& Path);
// An address: Description the page title when one came with it, else the host name.
Result FromUrl(const QUrl& Url, const QString& Title);
// What a drop of Url makes: a desktop entry file its application, any other local file
// or folder a path item, anything else an address item.
Result FromDrop(const QUrl& Url, const QString& Title, int IconSize);

// What a drop carries: addresses (local files as file: addresses), each with the page
// title a browser sends along, if any.
struct Link {
    QUrl Url;
    QString Title;
};
QList<Link> LinksOf(const QMimeData& Data);

// Why the cells the runner receives would not reach it as they stand; empty when they do.
QString LinkProblem(const LauncherItem& Row);

} // namespace AppItems
