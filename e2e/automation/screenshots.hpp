#pragma once
// Pictures of what is on the screen.
#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

// Whether the Marlett font is installed: Windows draws caption buttons and
// scroll arrows with it, and without it they show as letters ("0 1 r").
bool captionFontInstalled();

// Saves the window's screen area as a 24-bit BMP once two captures in a row
// agree (bounded); returns false when the window has no area, writing fails
// or the caption font is missing (the picture would not be what users see).
bool saveScreenshot(HWND hwnd, const std::wstring& bmpPath);

// Whether the window's title bar is drawn active on the screen: true when a
// row through it shows the active caption colours (COLOR_ACTIVECAPTION,
// COLOR_GRADIENTACTIVECAPTION) and none of the inactive ones, false for the
// reverse; nothing when it cannot tell (a themed title bar, as Windows draws
// with desktop composition, or the same colours for both).
std::optional<bool> captionDrawnActive(HWND hwnd);

}  // namespace e2e
