// The shell's special-folder lookup on a real (or Wine's) Windows: the
// system folder, as the system itself names it, with no trailing backslash.
#include <windows.h>

#include <memory>
#include <string>

#include "gtest/gtest.h"
#include "platform/win32_shell.hpp"
#include "platform/win32_text.hpp"

TEST(Win32Shell, system_folder_without_a_trailing_backslash) {
    auto shell = platform::makeWin32Shell();
    const std::string folder = shell->specialFolder(platform::kSystemFolder);
    wchar_t expected[MAX_PATH] = {};
    ASSERT_TRUE(GetSystemDirectoryW(expected, MAX_PATH) > 0);
    EXPECT_EQ(folder, platform::narrow(expected));
    EXPECT_TRUE(!folder.empty() && folder.back() != '\\');
    EXPECT_EQ(shell->specialFolder(0x7F), "");  // no such folder
}
