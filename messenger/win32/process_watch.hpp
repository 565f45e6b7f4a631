#pragma once
// Watching a started process through the pipe its output goes to, for the
// Win32 runner's watched runs.
#include <windows.h>

#include "messenger/process_runner.hpp"

namespace messenger {

// Reads `pipe` while `process` runs, until it ends or timeoutMs have passed
// since `begun` (a GetTickCount() value), and fills in `watched`: finished,
// exit status, output. Closes neither handle.
void watchProcess(HANDLE process, HANDLE pipe, DWORD begun, DWORD timeoutMs, WatchedRun& watched);

}  // namespace messenger
