#pragma once
// The per-user settings store: application, section, key, text value.
// On Windows: HKEY_CURRENT_USER\Software\<application>\<section>, string values.
#include <string>
#include <utility>
#include <vector>

namespace platform {

using KeyValue = std::pair<std::string, std::string>;

// Why a write or a removal failed: the system's error number and its text.
struct StoreError {
    unsigned long number = 0;
    std::string text;
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or "" when the key or the section does not exist.
    virtual std::string readValue(const std::string& application, const std::string& section,
                                  const std::string& key) = 0;
    // Creates the key (and the section) or replaces its value in place. False when the write failed.
    virtual bool writeValue(const std::string& application, const std::string& section,
                            const std::string& key, const std::string& value) = 0;
    // Every key and value of the section, in the order the keys were first created
    // (a replaced value keeps its place). Empty when the section does not exist.
    virtual std::vector<KeyValue> readSection(const std::string& application,
                                              const std::string& section) = 0;
    // Deletes one key. False when it could not be removed (absent keys count as removed).
    virtual bool removeValue(const std::string& application, const std::string& section,
                             const std::string& key) = 0;
    // The reason of the last write or removal that failed.
    virtual StoreError lastError() const = 0;
};

}  // namespace platform
