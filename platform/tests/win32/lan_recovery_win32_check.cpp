// A LAN Manager call that faults answers ERROR_NOT_SUPPORTED, and the caller
// goes on with the processor state the calling convention promises: the
// x87 unit as the program started it, the direction flag clear. The
// netapi32.dll beside this check (faulting_netapi.cpp) does the faulting.
#include <windows.h>

#include <cstdint>
#include <string>

#include "gtest/gtest.h"
#include "platform/win32_lan_services.hpp"

namespace {

// FXSAVE's image: the x87 control word, status word and (abridged) tag byte.
struct X87State {
    std::uint16_t control, status;
    std::uint8_t tags;
};
X87State x87State() {
    alignas(16) std::uint8_t image[512];
    asm volatile("fxsave %0" : "=m"(image));
    return {static_cast<std::uint16_t>(image[0] | image[1] << 8), static_cast<std::uint16_t>(image[2] | image[3] << 8),
            image[4]};
}

bool directionFlagSet() {
    std::uintptr_t flags;
    asm volatile("pushf\n\tpop %0" : "=r"(flags));
    return flags & 0x400;
}

std::wstring folderOf(HMODULE module) {
    wchar_t path[MAX_PATH];
    std::wstring text(path, GetModuleFileNameW(module, path, MAX_PATH));
    return text.substr(0, text.find_last_of(L'\\'));
}

TEST(LanManagerWin32, a_faulting_call_answers_not_supported_and_leaves_the_processor_clean) {
    auto lan = platform::makeNetApiLanManager();
    const X87State before = x87State();
    const std::uint32_t result = lan->sendMessage("PC", "ME", "Hi");
    const bool directionAfter = directionFlagSet();
    const X87State after = x87State();
    asm volatile("cld\n\tfninit");  // so that this check itself runs on whatever the call left

    HMODULE netapi = GetModuleHandleW(L"netapi32.dll");
    ASSERT_TRUE(netapi && folderOf(netapi) == folderOf(nullptr))
        << "the netapi32.dll beside the check was not loaded (Wine: WINEDLLOVERRIDES=netapi32=n)";
    EXPECT_EQ(result, platform::kLanNotSupported);
    EXPECT_FALSE(directionAfter);
    EXPECT_EQ(after.control, before.control);
    EXPECT_EQ(after.tags, 0) << "values left on the x87 stack";
    EXPECT_EQ(after.status & 0x38FF, 0) << "x87 stack top or exception flags left";

    // The next call goes the same way.
    EXPECT_EQ(lan->sendMessage("PC", "ME", "Hi"), platform::kLanNotSupported);
    EXPECT_EQ(x87State().tags, 0);
}

}  // namespace
