#pragma once
// Programs started by the driver.
#include <windows.h>

#include <optional>
#include <string>

#include "basics.hpp"

namespace e2e {

// A program started by the driver. The destructor ends it if it still runs,
// so a failed test leaves nothing behind for the next one.
class Process {
 public:
  Process() = default;
  Process(Process&& other) noexcept;
  Process& operator=(Process&& other) noexcept;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  ~Process();

  // Starts exePath with the given arguments in workDir (default: the exe's
  // folder). Throws std::runtime_error when CreateProcessW fails.
  static Process start(const std::wstring& exePath, const std::wstring& arguments = L"",
                       const std::wstring& workDir = L"");

  DWORD id() const { return pid_; }
  bool running() const;
  // Waits (bounded) for the process to end; true when it has ended.
  bool waitForExit(DWORD timeoutMs = kTimeoutMs);
  // Exit code once ended, nothing while running.
  std::optional<DWORD> exitCode() const;
  // Ends this child process (TerminateProcess) and waits for it.
  void kill();
  // Lets the process run on after this object is gone.
  void detach();
  // Waits (bounded) until the program's start-up is over and it waits for
  // input; true when it got there.
  bool waitForIdle(DWORD timeoutMs = kTimeoutMs) const;

 private:
  void release();  // ends the process if it runs, closes its handle
  HANDLE process_ = nullptr;
  DWORD pid_ = 0;
};

}  // namespace e2e
