#pragma once

// Settings the embedded browser engine needs from the system before the application
// object exists.
namespace BrowserEngine {
// The engine's process sandbox refuses to start for the administrator account; there
// the engine runs without it rather than leaving the window blank.
void PrepareEnvironment();
} // namespace BrowserEngine
