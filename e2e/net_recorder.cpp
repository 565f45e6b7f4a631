// Stands in for the system's net command in the end-to-end tests. It sends
// nothing: each start appends its own full command line, as UTF-8 followed
// by one NUL byte, to "net-log.txt" in the folder of this executable, so a
// command line with line breaks inside stays one record. It is a windowed
// program (no console window pops up) and exits with 0 once recorded.
//
// A test can make it answer as a real net does: when "net-answer.txt" lies
// beside it, its first line is the exit status, optionally followed by a
// blank and the one recipient (a word of the command line) it answers for,
// and the rest is written, byte for byte, to standard output (where a
// watched start reads it), after the command line is recorded. Other
// recipients get the recorder's own answer. A failed recording still exits with 2.
#include <windows.h>

#include <cstdlib>
#include <cwchar>
#include <string>

namespace {

std::wstring besideSelf(const wchar_t* name) {
  wchar_t path[MAX_PATH * 4];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
  std::wstring p(path, n);
  const auto slash = p.find_last_of(L"\\/");
  return p.substr(0, slash == std::wstring::npos ? 0 : slash + 1) + name;
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

// Whether the command line holds `word` as a word of its own.
bool holdsWord(const std::wstring& commandLine, const std::wstring& word) {
  const std::wstring padded = L" " + commandLine + L" ";
  return padded.find(L" " + word + L" ") != std::wstring::npos;
}

// Writes what net-answer.txt asks for and returns its exit status; 0 without one.
int answer() {
  HANDLE f = CreateFileW(besideSelf(L"net-answer.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return 0;
  std::string text;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(f, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
  CloseHandle(f);
  const size_t lineEnd = text.find('\n');
  const std::string first = text.substr(0, lineEnd == std::string::npos ? text.size() : lineEnd);
  const size_t blank = first.find(' ');
  if (blank != std::string::npos) {
    std::string only = first.substr(blank + 1);
    while (!only.empty() && (only.back() == '\r' || only.back() == ' ')) only.pop_back();
    if (!holdsWord(GetCommandLineW(), std::wstring(only.begin(), only.end()))) return 0;
  }
  const std::string output = lineEnd == std::string::npos ? "" : text.substr(lineEnd + 1);
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD written = 0;
  if (out && out != INVALID_HANDLE_VALUE && !output.empty())
    WriteFile(out, output.data(), static_cast<DWORD>(output.size()), &written, nullptr);
  return static_cast<int>(std::strtoul(text.c_str(), nullptr, 10));
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::string record = utf8(GetCommandLineW());
  HANDLE f = openLogExclusively(besideSelf(L"net-log.txt"));
  if (f == INVALID_HANDLE_VALUE) return 2;
  DWORD written = 0;
  const bool ok = SetFilePointer(f, 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER &&
                  WriteFile(f, record.data(), static_cast<DWORD>(record.size()), &written, nullptr) &&
                  written == record.size();
  CloseHandle(f);
  return ok ? answer() : 2;
}
