#pragma once
// The real runner on Windows: CreateProcessW and ShellExecuteExW, no shell,
// handles closed at once, but for a watched run's, which reads the process's
// output through a pipe while it waits. It keeps no state: several threads
// may use one at once.
#include <memory>

#include "messenger/process_runner.hpp"

namespace messenger {

std::unique_ptr<ProcessRunner> makeWin32ProcessRunner();

}  // namespace messenger
