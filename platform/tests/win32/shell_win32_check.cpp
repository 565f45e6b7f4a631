// The shell's special-folder lookup on a real (or Wine's) Windows: the
// system folder, as the system itself names it, with no trailing backslash.
#include <windows.h>

#include <memory>
#include <string>

#include "check.hpp"
#include "platform/win32_shell.hpp"
#include "platform/win32_text.hpp"

TEST(system_folder_without_a_trailing_backslash) {
    auto shell = platform::makeWin32Shell();
    const std::string folder = shell->specialFolder(platform::kSystemFolder);
    wchar_t expected[MAX_PATH] = {};
    REQUIRE(GetSystemDirectoryW(expected, MAX_PATH) > 0);
    CHECK_EQ(folder, platform::narrow(expected));
    CHECK(!folder.empty() && folder.back() != '\\');
    CHECK_EQ(shell->specialFolder(0x7F), "");  // no such folder
}

int main(int argc, char** argv) { return check::main(argc, argv); }
