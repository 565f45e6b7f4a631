// The registry view and system folder a 32-bit process under WoW64 reads
// the System Information keys and starts its program through.
#include <gtest/gtest.h>

#include "platform/wow64.hpp"

namespace platform {
namespace {

TEST(Wow64, UnderWow64MachineKeysAreReadInThe64BitView) {
    EXPECT_EQ(kKeyQueryValue | kKeyWow64_64Key, machineKeyReadAccess(true));
    EXPECT_EQ(kKeyQueryValue, machineKeyReadAccess(false));
}

TEST(Wow64, UnderWow64APathInTheSystemFolderGoesThroughSysnative) {
    const ProcessView wow64{true, "C:\\WINDOWS\\system32", "C:\\WINDOWS"};
    EXPECT_EQ("C:\\WINDOWS\\Sysnative\\msinfo32.exe", nativeSystemPath(wow64, "C:\\Windows\\System32\\msinfo32.exe"));
    EXPECT_EQ("C:\\WINDOWS\\Sysnative\\en-US\\a.dll", nativeSystemPath(wow64, "c:\\windows\\SYSTEM32\\en-US\\a.dll"));
    EXPECT_EQ("C:\\WINDOWS\\Sysnative", nativeSystemPath(wow64, "C:\\Windows\\System32"));
    // A folder given with its separator is the same folder.
    const ProcessView slashed{true, "D:\\WinNT\\system32\\", "D:\\WinNT\\"};
    EXPECT_EQ("D:\\WinNT\\Sysnative\\msinfo32.exe", nativeSystemPath(slashed, "D:\\WinNT\\system32\\msinfo32.exe"));

    // Other paths stay: a folder whose name only begins like it, another folder, a relative path.
    for (const char* path : {"C:\\Windows\\System32x\\msinfo32.exe", "C:\\Windows\\SysWOW64\\msinfo32.exe",
                             "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe",
                             "msinfo32.exe", ""})
        EXPECT_EQ(path, nativeSystemPath(wow64, path));

    // A process not under WoW64 (a 64-bit one, or any on 32-bit Windows) sees the folder itself.
    const ProcessView native{false, "C:\\WINDOWS\\system32", "C:\\WINDOWS"};
    EXPECT_EQ("C:\\Windows\\System32\\msinfo32.exe", nativeSystemPath(native, "C:\\Windows\\System32\\msinfo32.exe"));
}

}  // namespace
}  // namespace platform
