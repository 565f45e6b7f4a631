#pragma once
// The driver that acts as a user in the model's tests: natively the headless
// one; in the Windows build of the same tests, the one that works the real
// windows, so that both backends are held to the same rules.
#ifdef FORMS_TESTS_ON_WIN32
#include "forms/win32/driver.hpp"
using TestDriver = forms::win32::Driver;
#else
#include "forms/headless/driver.hpp"
using TestDriver = forms::headless::Driver;
#endif
