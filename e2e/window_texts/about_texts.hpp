#pragma once
#include "about_window.hpp"
#include "platform/fake_system_info.hpp"
#include "program_fixture.hpp"
#include "window_texts.hpp"

namespace window_texts {

// The shared About window with a program's texts, as a window of its own
// (the layout is the same inside Pingrel's frame).
inline void expectAboutTextsWhole(forms::App& app, about::AboutTexts texts, const std::wstring& screenshot = {}) {
  platform::FakeSystemInfo system;
  texts.mdiParent = nullptr;
  about::AboutWindow about(app, system, texts);
  about.show();
  EXPECT_EQ(forms::win32::textsCutShort(about), Lines{});
  if (screenshot.empty()) return;
  // Nothing runs this thread's event loop here: paint the window before the picture.
  const auto window = reinterpret_cast<HWND>(about.nativeHandle().value);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  e2e::keepScreenshot(window, screenshot);
}

}  // namespace window_texts
