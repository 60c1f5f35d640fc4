#pragma once

#include "components/ProgramCommandLine.h"
#include "core/InstanceRequest.h"

// The runner's command line: who it is, its own options, and what a line asks of a runner.
namespace RunnerOptions {
ProgramIdentity Identity();
// Words join into one page path (every double quote removed), made absolute, since the
// runner that acts on it may have another working folder.
InstanceRequest RequestOf(const CommandLineRequest& Line);
// Whether the line asks to forget which items were started, and nothing else.
bool Forgets(const CommandLineRequest& Line);
} // namespace RunnerOptions
