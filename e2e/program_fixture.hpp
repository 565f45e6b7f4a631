#pragma once
// What every program's driver needs: the program under test (--program=
// <path>, staged once per driver run into a folder of its own with the
// recording net.exe beside it), one running copy of it with its main window,
// and screenshots kept in the run's screenshot folder.
#include <stdexcept>
#include <string>

#include "automation.hpp"
#include "check.hpp"

namespace e2e {

// The staged program; `fallback` is the program to stage when the run names
// none (the first call decides, as there is one program per driver run).
inline const std::wstring& programUnderTest(const std::wstring& fallback = {}) {
  static const std::wstring staged = [&] {
    const std::string given = check::option("program");
    if (given.empty() && fallback.empty()) throw std::runtime_error("no --program=<path of the program> given");
    return stageProgram(given.empty() ? fallback : fromArgument(given));
  }();
  return staged;
}

inline std::wstring programDir() { return folderOf(programUnderTest()); }

// One running copy of the program under test and its main window; the
// process ends with the object if it still runs.
struct RunningProgram {
  Process process;
  HWND form = nullptr;

  DWORD pid() const { return process.id(); }
  HWND operator[](const wchar_t* name) const { return control(form, name); }

 protected:
  void start(const std::wstring& exe, const wchar_t* formName) {
    process = Process::start(exe);
    // The first start in a fresh prefix loads more libraries: allow longer.
    form = waitForWindow(process.id(), formName, 20000);
    REQUIRE(form != nullptr);
  }
};

// <screenshots>\<name>.bmp; run-e2e.sh turns it into a PNG.
inline std::wstring screenshotPath(const std::wstring& name) {
  const std::string dir = check::option("screenshots");
  return (dir.empty() ? driverDir() : fromArgument(dir)) + L"\\" + name + L".bmp";
}

// Photographs a window as <name>.bmp and names it in the test output.
inline bool keepScreenshot(HWND hwnd, const std::wstring& name) {
  const bool saved = saveScreenshot(hwnd, screenshotPath(name));
  if (saved) check::note("saved " + narrow(name) + ".bmp");
  return saved;
}

}  // namespace e2e
