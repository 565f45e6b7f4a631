#pragma once
// The real runner on Windows: CreateProcessW and ShellExecuteExW, no shell,
// handles closed at once.
#include <memory>

#include "messenger/process_runner.hpp"
#include "messenger/target_launcher.hpp"

namespace messenger {

std::unique_ptr<ProcessRunner> makeWin32ProcessRunner();
// ShellExecuteExW with verb "open", no flags, hidden.
std::unique_ptr<TargetLauncher> makeShellLauncher();

}  // namespace messenger
