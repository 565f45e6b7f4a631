// Memory in another process: see target_memory.hpp.
#include "target_memory.hpp"

#include <algorithm>

#include "internal.hpp"

// Not declared by MinGW's user-mode headers; ntdll exports it on every
// version. VirtualAllocEx cannot ask for an address range, this can.
extern "C" __declspec(dllimport) LONG NTAPI
    NtAllocateVirtualMemory(HANDLE process, PVOID* base, ULONG_PTR zeroBits, PSIZE_T size, ULONG type, ULONG protect);

namespace e2e {

namespace {

bool isWow64(HANDLE process) {
  BOOL wow = FALSE;
  if (!IsWow64Process(process, &wow)) fail(errorText("IsWow64Process"));
  return wow;
}

// Zero bits 1: the topmost bit of a 32-bit address is clear, so the block
// lies below 2 GB in a target of either bitness.
constexpr ULONG_PTR kBelow2GB = 1;

}  // namespace

bool is64BitProcess(HANDLE process) {
  if (isWow64(process)) return false;
  return sizeof(void*) == 8 || isWow64(GetCurrentProcess());
}

RawTargetMemory::RawTargetMemory(HWND owner, size_t bytes) {
  DWORD pid = 0;
  GetWindowThreadProcessId(owner, &pid);
  process_ =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION, FALSE, pid);
  if (!process_) fail(errorText("OpenProcess"));
  // The handle is closed here if the constructor fails: no destructor runs then.
  try {
    targetIs64Bit_ = is64BitProcess(process_);
    PVOID base = nullptr;
    SIZE_T size = bytes;
    const LONG status =
        NtAllocateVirtualMemory(process_, &base, kBelow2GB, &size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (status != 0) {
      char hex[16];
      wsprintfA(hex, "0x%08lX", static_cast<unsigned long>(status));
      fail(std::string("NtAllocateVirtualMemory failed, status ") + hex);
    }
    base_ = static_cast<char*>(base);
  } catch (...) {
    CloseHandle(process_);
    throw;
  }
}

RawTargetMemory::~RawTargetMemory() {
  VirtualFreeEx(process_, base_, 0, MEM_RELEASE);
  CloseHandle(process_);
}

void RawTargetMemory::write(size_t offset, const void* data, size_t bytes) {
  SIZE_T done = 0;
  if (!WriteProcessMemory(process_, base_ + offset, data, bytes, &done) || done != bytes)
    fail(errorText("WriteProcessMemory"));
}

void RawTargetMemory::read(size_t offset, void* data, size_t bytes) const {
  SIZE_T done = 0;
  if (!ReadProcessMemory(process_, base_ + offset, data, bytes, &done) || done != bytes)
    fail(errorText("ReadProcessMemory"));
}

std::wstring RawTargetMemory::readText(size_t offset, size_t maxChars) const {
  std::wstring text(maxChars, L'\0');
  read(offset, &text[0], maxChars * sizeof(wchar_t));
  text.resize(std::find(text.begin(), text.end(), L'\0') - text.begin());
  return text;
}

TargetMemory::TargetMemory(HWND owner, size_t bytes) : RawTargetMemory(owner, bytes) {
  if (targetIs64Bit() != (sizeof(void*) == 8))
    fail("window " + std::to_string(reinterpret_cast<uintptr_t>(owner)) +
         " belongs to a program of another bitness than the driver");
}

}  // namespace e2e
