#pragma once
// In-memory settings store for tests; keeps the creation order of keys per section.
#include <list>
#include <map>
#include <string>
#include <unordered_map>
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

    StoreError lastError() const override { return lastError_; }

    // Makes writes (and removals) to this key fail with this reason, to test
    // what callers do then.
    void failWritesTo(const std::string& application, const std::string& section,
                      const std::string& key, StoreError reason = {5, "Access is denied."});
    bool hasKey(const std::string& application, const std::string& section,
                const std::string& key) const;

private:
    // Keys in creation order, with an index by folded name so that large
    // sections stay fast.
    struct Section {
        std::list<KeyValue> pairs;
        std::unordered_map<std::string, std::list<KeyValue>::iterator> index;
    };
    // application + '\n' + section (folded) -> its keys
    std::map<std::string, Section> sections_;
    std::map<std::string, StoreError> failing_;
    StoreError lastError_;
};

}  // namespace platform
