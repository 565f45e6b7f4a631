#pragma once
#include "about_window.hpp"
#include "program_fixture.hpp"
#include "window_texts.hpp"

namespace window_texts {

// Photographs a window shown outside an event loop: it is painted first.
inline void keepPicture(forms::Window& window, const std::wstring& name) {
  const auto hwnd = reinterpret_cast<HWND>(window.nativeHandle().value);
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  e2e::keepScreenshot(hwnd, name);
}

}  // namespace window_texts
