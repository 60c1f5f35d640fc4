#pragma once

#include <QString>
#include <optional>

class ConfigStore;

// The comment after the end of a launcher page that tells the runner how its window
// is to look and behave: "<!-- Quintor info:" CR LF, key=value CR LF lines, "-->".
namespace InfoBlock {

// The block's key=value lines as the page holds them (the last one keeps its CR).
// A page without a start marker yields its text up to the end marker; a page without
// an end marker yields nothing.
QString BlockText(const QString& PageText);

// BlockText of a page file; the empty text when the file cannot be read or is not a
// regular file of at most 64 MB (a device never ends, a FIFO blocks its reader).
QString ReadBlock(const QString& Path);

// What a loaded block asks of the window. Only the exact words "False" and "True"
// change a default; a size that is not a usable number is absent.
struct Settings {
    bool Closable = true;
    bool ExtraCommands = true;
    std::optional<int> Height;
    std::optional<int> Width;
    std::optional<QString> IconPath; // absent: the runner's own icon
    bool StartMaximised = false;
};

Settings Read(const ConfigStore& CF);

// A size value in pixels: decimal text, "." or "," before a fraction, rounded.
std::optional<int> ParsePixels(const QString& Value);

} // namespace InfoBlock
