#pragma once
// The real shell services on Windows. Only the programs' WinMain and the
// Windows builds include this.
#include <memory>

#include "platform/shell.hpp"

namespace platform {

// SHBrowseForFolderW rooted at the network folder, and SHGetFolderPathW.
std::unique_ptr<Shell> makeWin32Shell();

}  // namespace platform
