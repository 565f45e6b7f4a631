#pragma once
// Memory inside another process, for the messages whose lParam points at a
// structure or a buffer, which the system does not carry across processes.
// Part of the library's internals (internal.hpp).
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace e2e {

// Whether the process runs 64-bit code. IsWow64Process marks a 32-bit
// process on a 64-bit system; any other process has the system's bitness,
// which is 64-bit when the driver is 64-bit or is itself so marked.
bool is64BitProcess(HANDLE process);

// A block of memory in the process that owns a window. It lies below 2 GB,
// so its address is the same number to a driver and a target of either
// bitness: it fits a 32-bit pointer, and the LPARAM of a 32-bit driver's
// message carries it to a 64-bit target unchanged (positive, so widened to
// the same value). The bytes are raw: a caller that writes a structure with
// pointers or handles lays it out for targetIs64Bit() itself.
class RawTargetMemory {
 public:
  RawTargetMemory(HWND owner, size_t bytes);
  ~RawTargetMemory();
  RawTargetMemory(const RawTargetMemory&) = delete;
  RawTargetMemory& operator=(const RawTargetMemory&) = delete;

  bool targetIs64Bit() const { return targetIs64Bit_; }
  // The address `offset` bytes in, as the target sees it.
  uint64_t address(size_t offset = 0) const { return reinterpret_cast<uintptr_t>(base_ + offset); }
  LPARAM param(size_t offset = 0) const { return reinterpret_cast<LPARAM>(base_ + offset); }

  void write(size_t offset, const void* data, size_t bytes);
  void read(size_t offset, void* data, size_t bytes) const;
  // The NUL-terminated text at `offset`, of at most maxChars characters.
  std::wstring readText(size_t offset, size_t maxChars) const;

 protected:
  char* base_ = nullptr;

 private:
  HANDLE process_ = nullptr;
  bool targetIs64Bit_ = false;
};

// The same for structures laid out by the driver's own compiler (LVITEMW
// and the like). A target of the other bitness would misread them (4-byte
// pointers there, 8-byte ones here), so it is refused.
class TargetMemory : public RawTargetMemory {
 public:
  TargetMemory(HWND owner, size_t bytes);

  // The address `offset` bytes in, as the target sees it, typed for a
  // structure field of the driver's layout.
  template <class T = void>
  T* at(size_t offset) const {
    return reinterpret_cast<T*>(base_ + offset);
  }
};

}  // namespace e2e
