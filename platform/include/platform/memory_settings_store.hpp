#pragma once
// In-memory settings store for tests; keeps the creation order of keys per section.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/settings_store.hpp"

namespace platform {

class MemorySettingsStore : public SettingsStore {
public:
    std::string readValue(const std::string& application, const std::string& section,
                          const std::string& key) override;
    bool writeValue(const std::string& application, const std::string& section,
                    const std::string& key, const std::string& value) override;
    std::vector<KeyValue> readSection(const std::string& application,
                                      const std::string& section) override;
    bool removeValue(const std::string& application, const std::string& section,
                     const std::string& key) override;

    // Makes writes (and removals) to this key fail, to test what callers do then.
    void failWritesTo(const std::string& application, const std::string& section,
                      const std::string& key);
    bool hasKey(const std::string& application, const std::string& section,
                const std::string& key) const;

private:
    // application + '\n' + section -> keys in creation order
    std::map<std::string, std::vector<KeyValue>> sections_;
    std::set<std::string> failing_;
};

}  // namespace platform
