#pragma once

// Settings the embedded browser engine needs from the system before it starts.
namespace BrowserEngine {
// The engine's process sandbox refuses to start for the administrator account; there
// the engine runs without it rather than leaving the window blank. The engine also
// shows its pages to the desktop's screen readers, unless the user said otherwise.
// Before the application object exists.
void PrepareEnvironment();

// Tells the engine whether the desktop is dark (the palette's window colour), so that
// pages asking for the reader's colour scheme follow the desktop. After the application
// object exists, before the first page or profile is made; the engine reads it once.
void FollowDesktopColourScheme();
} // namespace BrowserEngine
