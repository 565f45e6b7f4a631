#pragma once
// A 32-bit program on 64-bit Windows runs under WoW64: under
// HKEY_LOCAL_MACHINE\SOFTWARE it reads the registry's 32-bit view, and a path
// in the system folder leads it to the 32-bit system folder (SysWOW64). What
// the system keeps for itself, the System Information program among it, is
// found only in the 64-bit view and folder; these are the ways to them.
#include <cstdint>
#include <string>

namespace platform {

// Registry access rights, as winnt.h numbers them.
constexpr std::uint32_t kKeyQueryValue = 0x0001;
constexpr std::uint32_t kKeyWow64_64Key = 0x0100;  // ignored where there is no WoW64

// How the running process sees the system.
struct ProcessView {
    bool underWow64 = false;
    std::string systemFolder;   // GetSystemDirectory: "C:\Windows\system32"
    std::string windowsFolder;  // GetSystemWindowsDirectory: "C:\Windows"
};

// The rights to open a key under HKEY_LOCAL_MACHINE and read its values: in
// the 64-bit view under WoW64.
std::uint32_t machineKeyReadAccess(bool underWow64);

// `path` as the process reaches the file the system means by it: under WoW64
// a path in the system folder goes through "<windows folder>\Sysnative",
// the 64-bit system folder's name for 32-bit processes. Any other path, and
// every path of a process not under WoW64, stays as it is.
std::string nativeSystemPath(const ProcessView& view, const std::string& path);

}  // namespace platform
