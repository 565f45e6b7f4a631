#pragma once
// Pictures of what is on the screen.
#include <windows.h>

#include <string>

namespace e2e {

// Saves the window's screen area as a 24-bit BMP once two captures in a row
// agree (bounded); returns false when the window has no area or writing fails.
bool saveScreenshot(HWND hwnd, const std::wstring& bmpPath);

}  // namespace e2e
