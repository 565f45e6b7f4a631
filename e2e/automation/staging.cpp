// Staged programs, the net.exe log and the registry store: see staging.hpp.
#include "staging.hpp"

#include <functional>

#include "internal.hpp"

namespace e2e {

namespace {

// A file the previous test's processes still hold (a net.exe that is just
// ending, say) is taken again once they let go of it.
bool whileInUse(const std::function<bool()>& attempt) {
  DWORD error = ERROR_SUCCESS;
  waitUntil(
      [&] {
        if (attempt()) {
          error = ERROR_SUCCESS;
          return true;
        }
        error = GetLastError();
        return error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED;
      },
      kTimeoutMs, 20);
  SetLastError(error);
  return error == ERROR_SUCCESS;
}

void copyFile(const std::wstring& from, const std::wstring& to) {
  if (!whileInUse([&] { return CopyFileW(from.c_str(), to.c_str(), FALSE) != 0; }))
    fail("cannot copy " + narrow(from) + " to " + narrow(to) + ": error " + std::to_string(GetLastError()));
}

std::wstring sectionPath(const std::wstring& app, const std::wstring& section) {
  return L"Software\\" + app + L"\\" + section;
}

void deleteKeyTree(HKEY parent, const std::wstring& name) {
  HKEY key;
  if (RegOpenKeyExW(parent, name.c_str(), 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS) return;
  for (;;) {
    wchar_t sub[256];
    DWORD len = 256;
    if (RegEnumKeyExW(key, 0, sub, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    deleteKeyTree(key, sub);
  }
  RegCloseKey(key);
  const LONG rc = RegDeleteKeyW(parent, name.c_str());
  if (rc != ERROR_SUCCESS) fail("RegDeleteKeyW failed, error " + std::to_string(rc));
}

}  // namespace

// ---- Files ----

std::wstring folderOf(const std::wstring& path) {
  const auto slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring driverDir() {
  wchar_t path[MAX_PATH * 4];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
  return folderOf(std::wstring(path, n));
}

void installNetRecorder(const std::wstring& programDir) {
  const std::wstring from = driverDir() + L"\\net.exe";
  const std::wstring to = programDir + L"\\net.exe";
  if (lower(from) != lower(to)) copyFile(from, to);
  clearNetLog(programDir);
  setNetAnswer(programDir, 0, "");
}

NetAliasNotFound::NetAliasNotFound(std::wstring programDir, const std::string& onlyFor)
    : programDir_(std::move(programDir)) {
  setNetAnswer(programDir_, 2,
               "The message alias could not be found on the network.\r\n\r\n"
               "More help is available by typing NET HELPMSG 2273.\r\n",
               onlyFor);
}

NetAliasNotFound::~NetAliasNotFound() { setNetAnswer(programDir_, 0, ""); }

void setNetAnswer(const std::wstring& programDir, unsigned status, const std::string& output,
                  const std::string& onlyFor) {
  const std::wstring path = programDir + L"\\net-answer.txt";
  if (status == 0 && output.empty()) {
    if (!whileInUse([&] { return DeleteFileW(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND; }))
      fail("cannot remove " + narrow(path) + ": error " + std::to_string(GetLastError()));
    return;
  }
  const std::string text = std::to_string(status) + (onlyFor.empty() ? "" : " " + onlyFor) + "\r\n" + output;
  HANDLE f = INVALID_HANDLE_VALUE;
  whileInUse([&] {
    f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    return f != INVALID_HANDLE_VALUE;
  });
  DWORD written = 0;
  const bool ok = f != INVALID_HANDLE_VALUE &&
                  WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                  written == text.size();
  if (f != INVALID_HANDLE_VALUE) CloseHandle(f);
  if (!ok) fail("cannot write " + narrow(path));
}

void clearNetLog(const std::wstring& programDir) {
  const std::wstring log = programDir + L"\\net-log.txt";
  if (!whileInUse([&] { return DeleteFileW(log.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND; }))
    fail("cannot remove " + narrow(log) + ": error " + std::to_string(GetLastError()));
}

std::wstring stageProgram(const std::wstring& exePath) {
  const std::wstring file = exePath.substr(exePath.find_last_of(L"\\/") + 1);
  const std::wstring base = file.substr(0, file.find_last_of(L'.'));
  wchar_t temp[MAX_PATH + 1];
  const DWORD n = GetTempPathW(MAX_PATH + 1, temp);
  if (!n) fail(errorText("GetTempPathW"));
  const std::wstring root = std::wstring(temp, n) + L"e2e";
  const std::wstring dir = root + L"\\" + base;
  CreateDirectoryW(root.c_str(), nullptr);
  CreateDirectoryW(dir.c_str(), nullptr);
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((dir + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring path = dir + L"\\" + found.cFileName;
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
          !whileInUse([&] { return DeleteFileW(path.c_str()) != 0; }))
        fail("cannot empty " + narrow(dir) + ": error " + std::to_string(GetLastError()));
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  const std::wstring copy = dir + L"\\" + file;
  copyFile(exePath, copy);
  installNetRecorder(dir);
  return copy;
}

std::string fileBytes(const std::wstring& path) {
  HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return "<missing>";
  std::string data;
  std::vector<char> buffer(1 << 16);
  DWORD got = 0;
  while (ReadFile(f, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr) && got > 0)
    data.append(buffer.data(), got);
  CloseHandle(f);
  return data;
}

std::vector<std::string> readNetLog(const std::wstring& programDir) {
  // A missing log ("<missing>", no NUL) holds no record.
  const std::string data = fileBytes(programDir + L"\\net-log.txt");
  std::vector<std::string> records;
  size_t start = 0;
  for (size_t end; (end = data.find('\0', start)) != std::string::npos; start = end + 1)
    records.push_back(data.substr(start, end - start));
  return records;  // text after the last NUL is a record still being written
}

std::vector<std::string> waitForNetRecords(const std::wstring& programDir, size_t count, DWORD timeoutMs) {
  std::vector<std::string> records;
  waitUntil([&] { return (records = readNetLog(programDir)).size() >= count; }, timeoutMs, 20);
  return records;
}

// ---- Registry ----

void regWrite(const std::wstring& app, const std::wstring& section, const std::wstring& key,
              const std::wstring& value) {
  HKEY k;
  LONG rc = RegCreateKeyExW(HKEY_CURRENT_USER, sectionPath(app, section).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                            &k, nullptr);
  if (rc != ERROR_SUCCESS) fail("RegCreateKeyExW failed, error " + std::to_string(rc));
  rc = RegSetValueExW(k, key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                      static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(k);
  if (rc != ERROR_SUCCESS) fail("RegSetValueExW failed, error " + std::to_string(rc));
}

std::optional<std::wstring> regRead(const std::wstring& app, const std::wstring& section, const std::wstring& key) {
  HKEY k;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, sectionPath(app, section).c_str(), 0, KEY_QUERY_VALUE, &k) != ERROR_SUCCESS)
    return std::nullopt;
  DWORD type = 0, bytes = 0;
  LONG rc = RegQueryValueExW(k, key.c_str(), nullptr, &type, nullptr, &bytes);
  std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
  if (rc == ERROR_SUCCESS)
    rc = RegQueryValueExW(k, key.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value[0]), &bytes);
  RegCloseKey(k);
  if (rc != ERROR_SUCCESS) return std::nullopt;
  if (type != REG_SZ) fail("value " + narrow(key) + " is not a string (type " + std::to_string(type) + ")");
  value.resize(bytes / sizeof(wchar_t));
  while (!value.empty() && value.back() == L'\0') value.pop_back();
  return value;
}

void regDeleteValue(const std::wstring& app, const std::wstring& section, const std::wstring& key) {
  HKEY k;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, sectionPath(app, section).c_str(), 0, KEY_SET_VALUE, &k) != ERROR_SUCCESS)
    return;
  RegDeleteValueW(k, key.c_str());
  RegCloseKey(k);
}

void regDeleteApp(const std::wstring& app) {
  HKEY software;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ | KEY_WRITE, &software) != ERROR_SUCCESS)
    fail("cannot open HKCU\\Software");
  deleteKeyTree(software, app);
  RegCloseKey(software);
}

std::vector<std::wstring> regValueNames(const std::wstring& app, const std::wstring& section) {
  std::vector<std::wstring> names;
  HKEY k;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, sectionPath(app, section).c_str(), 0, KEY_QUERY_VALUE, &k) != ERROR_SUCCESS)
    return names;
  for (DWORD i = 0;; ++i) {
    wchar_t name[16384];
    DWORD len = 16384;
    if (RegEnumValueW(k, i, name, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name, len);
  }
  RegCloseKey(k);
  return names;
}

ReadOnlyRegistryKey::ReadOnlyRegistryKey(const std::wstring& app, const std::wstring& section)
    : path_(sectionPath(app, section)) {
  HKEY k;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, READ_CONTROL | WRITE_DAC, nullptr, &k,
                      nullptr) != ERROR_SUCCESS)
    fail("cannot open " + narrow(path_) + " to change its permissions");
  DWORD size = 0;
  RegGetKeySecurity(k, DACL_SECURITY_INFORMATION, nullptr, &size);
  previous_.resize(size);
  LONG rc = RegGetKeySecurity(k, DACL_SECURITY_INFORMATION, previous_.data(), &size);
  SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
  PSID everyone = nullptr;
  AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
  alignas(DWORD) BYTE aclBytes[256];
  auto* acl = reinterpret_cast<PACL>(aclBytes);
  InitializeAcl(acl, sizeof aclBytes, ACL_REVISION);
  AddAccessDeniedAce(acl, ACL_REVISION, KEY_SET_VALUE | KEY_CREATE_SUB_KEY, everyone);
  AddAccessAllowedAce(acl, ACL_REVISION, KEY_READ | WRITE_DAC | DELETE, everyone);
  SECURITY_DESCRIPTOR readOnly;
  InitializeSecurityDescriptor(&readOnly, SECURITY_DESCRIPTOR_REVISION);
  SetSecurityDescriptorDacl(&readOnly, TRUE, acl, FALSE);
  if (rc == ERROR_SUCCESS) rc = RegSetKeySecurity(k, DACL_SECURITY_INFORMATION, &readOnly);
  FreeSid(everyone);
  RegCloseKey(k);
  if (rc != ERROR_SUCCESS) fail("cannot make " + narrow(path_) + " read-only, error " + std::to_string(rc));
}

ReadOnlyRegistryKey::~ReadOnlyRegistryKey() {
  HKEY k;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, WRITE_DAC, &k) != ERROR_SUCCESS) return;
  RegSetKeySecurity(k, DACL_SECURITY_INFORMATION, reinterpret_cast<PSECURITY_DESCRIPTOR>(previous_.data()));
  RegCloseKey(k);
}

void setWindowsVersion(const std::wstring& exeName, WindowsVersion version) {
  // Wine's names; XP of the program's own bitness.
  const wchar_t* name = version == WindowsVersion::Ten ? L"win10" : sizeof(void*) == 8 ? L"winxp64" : L"winxp";
  regWrite(L"Wine", L"AppDefaults\\" + exeName, L"Version", name);
}

}  // namespace e2e
