#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// What a starting runner asks of the runner already there, as one line on the channel
// between them. Whatever arrives there comes from a stranger: Decode takes nothing but a
// short, well-formed line with a verb it knows.
struct InstanceRequest {
    enum class Verb { Open, NewWindow, Toggle };
    Verb What = Verb::Open;
    QString Page;          // an absolute path; empty: none named (or, to toggle, the last one)
    QByteArray Activation; // the token the desktop gave the asker to bring a window forward

    static constexpr qsizetype MaxBytes = 16384;
    static constexpr qsizetype MaxTokenBytes = 1024;

    // One line, ending in a line break.
    QByteArray Encode() const;
    // Line without its line break; nothing for anything but a request Encode could make.
    static std::optional<InstanceRequest> Decode(const QByteArray& Line);
};
