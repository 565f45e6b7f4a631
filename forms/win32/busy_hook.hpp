#pragma once
// A hook for the Win32 test driver, not for programs: told of each window as
// it turns to the wait cursor, so that a test can count the busy spells a
// user would have seen. Nothing sets it in a program.
#include "forms/window.hpp"

namespace forms::win32 {

extern void (*busyShown)(const Window& window);

}  // namespace forms::win32
