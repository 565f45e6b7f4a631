#pragma once
// Pictures of what is on the screen.
#include <windows.h>

#include <string>

namespace e2e {

// Whether the Marlett font is installed: Windows draws caption buttons and
// scroll arrows with it, and without it they show as letters ("0 1 r").
bool captionFontInstalled();

// Saves the window's screen area as a 24-bit BMP once two captures in a row
// agree (bounded); returns false when the window has no area, writing fails
// or the caption font is missing (the picture would not be what users see).
bool saveScreenshot(HWND hwnd, const std::wstring& bmpPath);

}  // namespace e2e
