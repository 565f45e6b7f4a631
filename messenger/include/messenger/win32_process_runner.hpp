#pragma once
// The real runner on Windows: CreateProcessW and ShellExecuteExW, no shell,
// handles closed at once, but for a watched run's, which reads the process's
// output through a pipe while it waits.
#include <memory>

#include "messenger/process_runner.hpp"

namespace messenger {

std::unique_ptr<ProcessRunner> makeWin32ProcessRunner();

}  // namespace messenger
