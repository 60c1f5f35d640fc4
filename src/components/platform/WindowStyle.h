#pragma once

#include <QtGlobal>

// Gives the first window of a started program the show style its launch asked for.
// Only a desktop whose window manager takes requests from any program (X11 with an
// EWMH window manager) allows this; elsewhere nothing happens here and the program
// learns the number from its environment (Launcher::ShowCommandVariable).
namespace WindowStyle {

// Watches for a few seconds, from the event loop and never blocking it, for the first
// new top-level window that belongs to Pid or to a process below it, and applies
// ShowCommand to it: maximised, minimised, or shown without taking the focus (the
// focus goes back to the window that had it). A normal window needs nothing.
void Apply(qint64 Pid, int ShowCommand);

} // namespace WindowStyle
