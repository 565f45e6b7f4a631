#pragma once
// TTTOOLINFOW, the tooltip's tool structure, as a 32-bit and as a 64-bit
// process lays it out, in fixed-width fields: a driver of either bitness
// writes the one of the tooltip's process into that process's memory.
// Part of the library's internals (tray.cpp).
#include <windows.h>

#include <commctrl.h>

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace e2e {

struct ToolInfo32 {
  uint32_t cbSize;
  uint32_t uFlags;
  uint32_t hwnd;
  uint32_t uId;
  int32_t rect[4];
  uint32_t hinst;
  uint32_t lpszText;
  uint32_t lParam;
  uint32_t lpReserved;
};

struct ToolInfo64 {
  uint32_t cbSize;
  uint32_t uFlags;
  uint64_t hwnd;
  uint64_t uId;
  int32_t rect[4];
  uint64_t hinst;
  uint64_t lpszText;
  uint64_t lParam;
  uint64_t lpReserved;
};

// Each layout is the system's own under a compiler of its bitness: the
// win32 build checks the 32-bit one, the win64 build the 64-bit one.
using NativeToolInfo = std::conditional_t<sizeof(void*) == 8, ToolInfo64, ToolInfo32>;
static_assert(sizeof(NativeToolInfo) == sizeof(TTTOOLINFOW), "TTTOOLINFOW's size");
#define E2E_SAME_FIELD(f)                                                                                             \
  static_assert(                                                                                                      \
      offsetof(NativeToolInfo, f) == offsetof(TTTOOLINFOW, f) && sizeof(NativeToolInfo::f) == sizeof(TTTOOLINFOW::f), \
      "TTTOOLINFOW." #f)
E2E_SAME_FIELD(cbSize);
E2E_SAME_FIELD(uFlags);
E2E_SAME_FIELD(hwnd);
E2E_SAME_FIELD(uId);
E2E_SAME_FIELD(rect);
E2E_SAME_FIELD(hinst);
E2E_SAME_FIELD(lpszText);
E2E_SAME_FIELD(lParam);
E2E_SAME_FIELD(lpReserved);
#undef E2E_SAME_FIELD

// A window handle as a process of the layout's bitness holds it: handles
// have 32 significant bits, and a 64-bit process holds them sign-extended.
template <class Field>
Field handleField(HWND window) {
  const auto low = static_cast<int32_t>(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window)));
  return static_cast<Field>(static_cast<int64_t>(low));
}

// The tool that is a window itself (TTF_IDISHWND), for TTM_GETTEXTW: the
// tooltip copies the tool's text to `text`, an address in its process.
template <class Layout>
Layout toolOfWindow(HWND window, uint64_t text) {
  Layout tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = handleField<decltype(tool.hwnd)>(window);
  tool.uId = tool.hwnd;
  tool.lpszText = static_cast<decltype(tool.lpszText)>(text);
  return tool;
}

}  // namespace e2e
