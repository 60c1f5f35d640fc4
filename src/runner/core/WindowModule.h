#pragma once

// The runner's windows and its browser engine live in a module of their own, loaded only
// by the process that shows windows: a process that merely hands its request to the
// runner already there never pays for loading the engine's libraries.
namespace WindowModule {
// The module's file name, without the system's suffix, beside the program or in Folder.
constexpr const char* Name = "quintor2-window";
constexpr const char* Folder = QUINTOR_MODULE_FOLDER; // relative to the program's folder
constexpr const char* EntryPoint = "QuintorRunnerWindows";
// The entry point: the program's arguments, the socket later starts hand their requests
// to (or -1), and the desktop's activation token the process was started with.
using Entry = int (*)(int argc, char** argv, int ListeningDescriptor, const char* Activation);
} // namespace WindowModule
