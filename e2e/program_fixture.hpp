#pragma once
// What every program's driver needs: the program under test (--program=
// <path>, staged once per driver run into a folder of its own with the
// recording net.exe beside it), one running copy of it with its main window,
// and screenshots kept in the run's screenshot folder.
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "automation.hpp"
#include "gtest/gtest.h"

namespace e2e {

// The staged program; `fallback` is the program to stage when the run names
// none (the first call decides, as there is one program per driver run).
inline const std::wstring& programUnderTest(const std::wstring& fallback = {}) {
  static const std::wstring staged = [&] {
    const std::string given = testing::option("program");
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
    require(form != nullptr, "waiting for the window " + narrow(formName));
  }
};

// A copy of a program started from a folder of its own (not the staged
// one), closed at the end of the test.
struct ProgramInFolder : RunningProgram {
  ProgramInFolder(const std::wstring& exe, const wchar_t* formName) { start(exe, formName); }
  ~ProgramInFolder() {
    if (form && IsWindow(form)) closeWindow(form);
    process.waitForExit(10000);
  }
};

// The small file systems run-fault-e2e.sh makes for a run, each holding a
// copy of the program and its store: (--full=, "full") with no room left
// and (--read-only=, "read-only") mounted read-only. None when the driver
// runs elsewhere (the test says it was skipped).
inline std::vector<std::pair<std::wstring, std::string>> faultFolders() {
  std::vector<std::pair<std::wstring, std::string>> folders;
  for (const char* kind : {"full", "read-only"}) {
    const std::string folder = testing::option(kind);
    if (!folder.empty()) folders.emplace_back(fromArgument(folder), kind);
  }
  if (folders.empty()) testing::note("skipped here: run-fault-e2e.sh runs it on file systems made for it");
  return folders;
}

// Whether a folder holds no temporary file (*.tmp) of a replace.
inline bool holdsNoTemporaryFile(const std::wstring& dir) {
  WIN32_FIND_DATAW found;
  HANDLE find = FindFirstFileW((dir + L"\\*.tmp").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return true;
  FindClose(find);
  return false;
}

// <screenshots>\<name>.bmp; run-e2e.sh turns it into a PNG.
inline std::wstring screenshotPath(const std::wstring& name) {
  const std::string dir = testing::option("screenshots");
  return (dir.empty() ? driverDir() : fromArgument(dir)) + L"\\" + name + L".bmp";
}

// Photographs a window as <name>.bmp and names it in the test output.
inline bool keepScreenshot(HWND hwnd, const std::wstring& name) {
  const bool saved = saveScreenshot(hwnd, screenshotPath(name));
  EXPECT_TRUE(saved);
  if (saved) testing::note("saved " + narrow(name) + ".bmp");
  return saved;
}

}  // namespace e2e
