#pragma once
// The real window of a form, for a system call that wants an owner window
// (a shell dialog, a program started from the form).
#include <windows.h>

#include <string>

namespace forms::win32 {

// The top-level window of the calling thread tagged with this name; null when none is.
HWND threadWindowNamed(const std::string& name);

}  // namespace forms::win32
