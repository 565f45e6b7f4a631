#pragma once
// The real runner on Windows: CreateProcessW and ShellExecuteExW, no shell,
// handles closed at once, but for a watched run's, which reads the process's
// output through a pipe while it waits. It keeps no state: several threads
// may use one at once.
#include <memory>

#include "messenger/process_runner.hpp"

namespace messenger {

std::unique_ptr<ProcessRunner> makeWin32ProcessRunner();

// The programs' runner: never destroyed, since a watched send may still run
// on a thread of its own while the program ends.
ProcessRunner& win32ProcessRunner();

}  // namespace messenger
