// Stands in for the system's net command in the end-to-end tests. It sends
// nothing: each start appends its own full command line, as UTF-8 followed
// by one NUL byte, to "net-log.txt" in the folder of this executable, so a
// command line with line breaks inside stays one record. It is a windowed
// program (no console window pops up) and exits with 0 once recorded.
#include <windows.h>

#include <string>

namespace {

std::wstring logPath() {
  wchar_t path[MAX_PATH * 4];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
  std::wstring p(path, n);
  const auto slash = p.find_last_of(L"\\/");
  return p.substr(0, slash == std::wstring::npos ? 0 : slash + 1) + L"net-log.txt";
}

std::string utf8(const wchar_t* text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(n > 0 ? n : 1, '\0');  // n counts the terminating NUL, which ends the record
  if (n > 0) WideCharToMultiByte(CP_UTF8, 0, text, -1, &out[0], n, nullptr, nullptr);
  return out;
}

// Opens the log for this process alone. Several recorders started in a row
// take turns: a refused open is retried for a bounded time.
HANDLE openLogExclusively(const std::wstring& path) {
  const DWORD start = GetTickCount();
  for (;;) {
    HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f != INVALID_HANDLE_VALUE || GetLastError() != ERROR_SHARING_VIOLATION) return f;
    if (GetTickCount() - start > 10000) return INVALID_HANDLE_VALUE;
    Sleep(5);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::string record = utf8(GetCommandLineW());
  HANDLE f = openLogExclusively(logPath());
  if (f == INVALID_HANDLE_VALUE) return 2;
  DWORD written = 0;
  const bool ok = SetFilePointer(f, 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER &&
                  WriteFile(f, record.data(), static_cast<DWORD>(record.size()), &written, nullptr) &&
                  written == record.size();
  CloseHandle(f);
  return ok ? 0 : 2;
}
