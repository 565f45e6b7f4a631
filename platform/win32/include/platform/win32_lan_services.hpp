#pragma once
// The real LAN Manager calls and About-box services on Windows. Only the
// programs' WinMain and the Windows builds include this.
#include <memory>

#include "platform/lan_manager.hpp"
#include "platform/system_info.hpp"

namespace platform {

// netapi32.dll is loaded by name on the first call; without it (or without
// one of its functions) every call answers kLanNotSupported.
std::unique_ptr<LanManager> makeNetApiLanManager();
std::unique_ptr<SystemInfo> makeWin32SystemInfo();

}  // namespace platform
