#pragma once
// The real runner on Windows: CreateProcessW and ShellExecuteExW, no shell,
// handles closed at once.
#include <memory>

#include "messenger/process_runner.hpp"

namespace messenger {

std::unique_ptr<ProcessRunner> makeWin32ProcessRunner();

}  // namespace messenger
