// Programs started by the driver: see processes.hpp.
#include "processes.hpp"

#include "internal.hpp"
#include "staging.hpp"

namespace e2e {

Process::Process(Process&& other) noexcept : process_(other.process_), pid_(other.pid_) {
  other.process_ = nullptr;
  other.pid_ = 0;
}

Process& Process::operator=(Process&& other) noexcept {
  if (this != &other) {
    release();
    process_ = other.process_;
    pid_ = other.pid_;
    other.process_ = nullptr;
    other.pid_ = 0;
  }
  return *this;
}

Process::~Process() { release(); }

void Process::release() {
  if (!process_) return;
  if (running()) kill();
  CloseHandle(process_);
  process_ = nullptr;
}

Process Process::start(const std::wstring& exePath, const std::wstring& arguments, const std::wstring& workDir) {
  std::wstring commandLine = L"\"" + exePath + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  const std::wstring dir = workDir.empty() ? folderOf(exePath) : workDir;
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  // Under Wine, CreateProcessW now and then fails at once with error 1359
  // (ERROR_INTERNAL_ERROR) right after the previous test's program was
  // ended; a later attempt starts it. Other errors, or three refusals in a
  // row, fail the test.
  for (int attempt = 1;; ++attempt) {
    if (CreateProcessW(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                       dir.empty() ? nullptr : dir.c_str(), &si, &pi))
      break;
    const DWORD error = GetLastError();
    if (attempt >= 3 || error != ERROR_INTERNAL_ERROR)
      fail("cannot start " + narrow(exePath) + ": error " + std::to_string(error));
    Sleep(200);
  }
  CloseHandle(pi.hThread);
  Process p;
  p.process_ = pi.hProcess;
  p.pid_ = pi.dwProcessId;
  return p;
}

bool Process::running() const {
  return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool Process::waitForExit(DWORD timeoutMs) {
  return process_ && WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
}

std::optional<DWORD> Process::exitCode() const {
  DWORD code = 0;
  if (!process_ || running() || !GetExitCodeProcess(process_, &code)) return std::nullopt;
  return code;
}

bool Process::waitForIdle(DWORD timeoutMs) const {
  return process_ && WaitForInputIdle(process_, timeoutMs) == 0;
}

void Process::detach() {
  if (process_) CloseHandle(process_);
  process_ = nullptr;
}

void Process::kill() {
  if (!process_) return;
  TerminateProcess(process_, 1);
  WaitForSingleObject(process_, kTimeoutMs);
}

}  // namespace e2e
