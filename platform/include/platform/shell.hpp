#pragma once
// What Pingrel asks of the Windows shell: a network computer picked in the
// shell's browse dialog, and the path of a special folder.
#include <string>

#include "forms/native_handle.hpp"

namespace platform {

// Special folder numbers of the shell.
constexpr int kNetworkFolder = 0x12;  // the network neighbourhood
constexpr int kSystemFolder = 0x25;   // the Windows system folder (system32)

class Shell {
public:
    virtual ~Shell() = default;
    // The shell's browse dialog rooted at the network folder, computers only,
    // owned by the window `owner`: the chosen computer's name as the network
    // neighbourhood shows it; "" when the user cancels or the network folder
    // cannot be reached.
    virtual std::string pickNetworkComputer(forms::NativeHandle owner) = 0;
    // The full path of a special folder without a trailing backslash; "" when
    // the lookup fails.
    virtual std::string specialFolder(int folder) = 0;
};

}  // namespace platform
