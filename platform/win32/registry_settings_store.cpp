// Settings in HKEY_CURRENT_USER\Software\<application>\<section>, one REG_SZ
// value per key. Each operation opens the key it needs and closes it before returning.
#include <windows.h>

#include <vector>

#include "platform/win32_services.hpp"
#include "platform/win32_text.hpp"

namespace platform {

namespace {

class RegistryKey {
public:
    RegistryKey() = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey() {
        if (handle_) RegCloseKey(handle_);
    }
    HKEY* out() { return &handle_; }
    HKEY get() const { return handle_; }

private:
    HKEY handle_ = nullptr;
};

std::wstring sectionPath(const std::string& application, const std::string& section) {
    std::wstring path = L"Software\\" + widen(application);
    if (!section.empty()) path += L"\\" + widen(section);
    return path;
}

bool openSection(const std::string& application, const std::string& section, REGSAM access,
                 RegistryKey& key) {
    return RegOpenKeyExW(HKEY_CURRENT_USER, sectionPath(application, section).c_str(), 0, access,
                         key.out()) == ERROR_SUCCESS;
}

// Registry data as text: up to its first NUL (a stored REG_SZ normally ends in one,
// but data written by other programs need not).
std::string textOf(const std::vector<wchar_t>& data, DWORD bytes) {
    std::size_t length = 0;
    std::size_t count = bytes / sizeof(wchar_t);
    while (length < count && data[length] != L'\0') ++length;
    return narrow(std::wstring(data.data(), length));
}

// The value as text; "" when it is absent or not a string. The data size is asked
// first, and asked again when the value grew in between.
std::string queryString(HKEY key, const std::wstring& name) {
    DWORD type = 0;
    DWORD bytes = 0;
    LONG status = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &bytes);
    while (status == ERROR_SUCCESS && type == REG_SZ) {
        // One spare character so that odd-sized data still fits.
        std::vector<wchar_t> data(bytes / sizeof(wchar_t) + 1);
        DWORD got = static_cast<DWORD>(data.size() * sizeof(wchar_t));
        status = RegQueryValueExW(key, name.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(data.data()), &got);
        if (status == ERROR_MORE_DATA) {
            bytes = got;
            status = ERROR_SUCCESS;
            continue;
        }
        if (status == ERROR_SUCCESS && type == REG_SZ) return textOf(data, got);
    }
    return {};
}

class RegistrySettingsStore : public SettingsStore {
public:
    std::string readValue(const std::string& application, const std::string& section,
                          const std::string& key) override {
        RegistryKey handle;
        if (!openSection(application, section, KEY_QUERY_VALUE, handle)) return {};
        return queryString(handle.get(), widen(key));
    }

    bool writeValue(const std::string& application, const std::string& section,
                    const std::string& key, const std::string& value) override {
        RegistryKey handle;
        LONG status = RegCreateKeyExW(HKEY_CURRENT_USER, sectionPath(application, section).c_str(), 0,
                                      nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, handle.out(),
                                      nullptr);
        if (status != ERROR_SUCCESS) return failed(status);
        std::wstring text = widen(value);
        DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
        status = RegSetValueExW(handle.get(), widen(key).c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(text.c_str()), bytes);
        return status == ERROR_SUCCESS || failed(status);
    }

    std::vector<KeyValue> readSection(const std::string& application,
                                      const std::string& section) override {
        std::vector<KeyValue> pairs;
        RegistryKey handle;
        if (!openSection(application, section, KEY_QUERY_VALUE, handle)) return pairs;
        DWORD longestName = 0;
        DWORD largestData = 0;
        if (RegQueryInfoKeyW(handle.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                             nullptr, &longestName, &largestData, nullptr,
                             nullptr) != ERROR_SUCCESS)
            return pairs;
        std::vector<wchar_t> name(longestName + 1);
        std::vector<wchar_t> data(largestData / sizeof(wchar_t) + 1);
        // Values come in index order, which on Windows is their creation order.
        for (DWORD index = 0;;) {
            DWORD nameLength = static_cast<DWORD>(name.size());
            DWORD bytes = static_cast<DWORD>(data.size() * sizeof(wchar_t));
            DWORD type = 0;
            LONG status = RegEnumValueW(handle.get(), index, name.data(), &nameLength, nullptr,
                                        &type, reinterpret_cast<BYTE*>(data.data()), &bytes);
            if (status == ERROR_MORE_DATA) {
                // A value was added or grew since the key was measured: grow both and retry.
                name.resize(name.size() * 2);
                if (bytes / sizeof(wchar_t) + 1 > data.size())
                    data.resize(bytes / sizeof(wchar_t) + 1);
                else
                    data.resize(data.size() * 2);
                continue;
            }
            if (status != ERROR_SUCCESS) break;  // ERROR_NO_MORE_ITEMS at the end
            std::string value = type == REG_SZ ? textOf(data, bytes) : std::string();
            pairs.emplace_back(narrow(std::wstring(name.data(), nameLength)), value);
            ++index;
        }
        return pairs;
    }

    bool removeValue(const std::string& application, const std::string& section,
                     const std::string& key) override {
        RegistryKey handle;
        LONG status = RegOpenKeyExW(HKEY_CURRENT_USER, sectionPath(application, section).c_str(),
                                    0, KEY_SET_VALUE, handle.out());
        if (status == ERROR_FILE_NOT_FOUND) return true;
        if (status != ERROR_SUCCESS) return failed(status);
        status = RegDeleteValueW(handle.get(), widen(key).c_str());
        return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND || failed(status);
    }

    StoreError lastError() const override { return lastError_; }

private:
    // Keeps the system's reason of a failed call; always false.
    bool failed(LONG status) {
        lastError_ = {static_cast<unsigned long>(status), systemErrorText(static_cast<DWORD>(status))};
        return false;
    }

    StoreError lastError_;
};

}  // namespace

std::unique_ptr<SettingsStore> makeRegistrySettingsStore() {
    return std::unique_ptr<SettingsStore>(new RegistrySettingsStore());
}

}  // namespace platform
