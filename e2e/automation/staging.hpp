#pragma once
// What a test prepares and checks outside the program's windows: a staged
// copy of the program with the recording net.exe beside it, that recorder's
// log, and the registry store under HKCU\Software\<app>\<section>.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "basics.hpp"

namespace e2e {

// ---- Files and the net.exe stand-in -------------------------------------

// Folder of the running driver, and of any path, without the trailing '\'.
std::wstring driverDir();
std::wstring folderOf(const std::wstring& path);

// The bytes of a file, "<missing>" when it cannot be opened.
std::string fileBytes(const std::wstring& path);

// Copies the program into a folder of its own in the temporary folder
// (%TEMP%\e2e\<name>\, emptied first), with net.exe beside it, and returns
// the copy's path. Tests start that copy: whatever it writes beside itself,
// net-log.txt included, belongs to this test run alone (under Wine the
// temporary folder lies inside the run's throwaway prefix).
std::wstring stageProgram(const std::wstring& exePath);
// Copies net.exe from the driver's folder into programDir (so that the
// program's "net send ..." runs the recorder) and removes an old log and answer.
void installNetRecorder(const std::wstring& programDir);
// Makes the recorder in programDir answer every later start as a net that
// failed: `output` (bytes, as a console program writes them in the OEM code
// page) on standard output, and exit `status` (net-answer.txt). A status of
// 0 and no output is the recorder's own answer: the file is removed. With
// `onlyFor` (an ASCII recipient), only starts naming it answer so.
void setNetAnswer(const std::wstring& programDir, unsigned status, const std::string& output,
                  const std::string& onlyFor = "");
// While it lives, the recorder in programDir answers as XP's net does for a
// name nobody answers to (status 2, "The message alias could not be found on
// the network."), for `onlyFor` alone when given; then as itself again.
class NetAliasNotFound {
 public:
  explicit NetAliasNotFound(std::wstring programDir, const std::string& onlyFor = "");
  ~NetAliasNotFound();
  NetAliasNotFound(const NetAliasNotFound&) = delete;
  NetAliasNotFound& operator=(const NetAliasNotFound&) = delete;

 private:
  std::wstring programDir_;
};
// Removes programDir\net-log.txt (a recorder just ending may hold it a moment).
void clearNetLog(const std::wstring& programDir);
// Records of programDir\net-log.txt, each the full command line of one start,
// in the order they were written.
std::vector<std::string> readNetLog(const std::wstring& programDir);
// Waits until the log holds at least `count` records; returns what it holds.
std::vector<std::string> waitForNetRecords(const std::wstring& programDir, size_t count, DWORD timeoutMs = kTimeoutMs);

// ---- Registry: HKCU\Software\<app>\<section>, REG_SZ values ------------------

void regWrite(const std::wstring& app, const std::wstring& section, const std::wstring& key, const std::wstring& value);
std::optional<std::wstring> regRead(const std::wstring& app, const std::wstring& section, const std::wstring& key);
void regDeleteValue(const std::wstring& app, const std::wstring& section, const std::wstring& key);
// Removes HKCU\Software\<app> with everything below it (a fresh store).
void regDeleteApp(const std::wstring& app);
// Value names of a section; Wine lists them sorted, so compare as a set.
std::vector<std::wstring> regValueNames(const std::wstring& app, const std::wstring& section);

// The Windows version Wine tells the program of that file name: XP, where
// `net send` is the programs' way (the Messenger service), or 10, where it
// has no SEND and the programs deliver messages themselves.
enum class WindowsVersion { Xp, Ten };
void setWindowsVersion(const std::wstring& exeName, WindowsVersion version);

// While it lives, HKCU\Software\<app>\<section> (created when missing) refuses
// to have values set or removed and keys added, to everyone: a settings key a
// user may read but not change. The key's own permissions come back at the end.
class ReadOnlyRegistryKey {
 public:
  ReadOnlyRegistryKey(const std::wstring& app, const std::wstring& section);
  ~ReadOnlyRegistryKey();
  ReadOnlyRegistryKey(const ReadOnlyRegistryKey&) = delete;
  ReadOnlyRegistryKey& operator=(const ReadOnlyRegistryKey&) = delete;

 private:
  std::wstring path_;
  std::vector<BYTE> previous_;  // the key's security descriptor before
};

}  // namespace e2e
