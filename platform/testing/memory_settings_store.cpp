#include "platform/memory_settings_store.hpp"

#include <iterator>

namespace platform {

// Names are compared as the registry compares them: letter case does not matter,
// and a key keeps the spelling it was created with.
namespace {

std::string folded(std::string name) {
    for (char& c : name)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return name;
}

std::string sectionId(const std::string& application, const std::string& section) {
    return folded(application) + '\n' + folded(section);
}

std::string keyId(const std::string& application, const std::string& section,
                  const std::string& key) {
    return sectionId(application, section) + '\n' + folded(key);
}

}  // namespace

std::string MemorySettingsStore::readValue(const std::string& application,
                                           const std::string& section, const std::string& key) {
    auto found = sections_.find(sectionId(application, section));
    if (found == sections_.end()) return {};
    auto at = found->second.index.find(folded(key));
    return at == found->second.index.end() ? std::string() : at->second->second;
}

bool MemorySettingsStore::writeValue(const std::string& application, const std::string& section,
                                     const std::string& key, const std::string& value) {
    if (auto failing = failing_.find(keyId(application, section, key)); failing != failing_.end()) {
        lastError_ = failing->second;
        return false;
    }
    Section& pairs = sections_[sectionId(application, section)];
    auto at = pairs.index.find(folded(key));
    if (at != pairs.index.end()) {
        at->second->second = value;
    } else {
        pairs.pairs.emplace_back(key, value);
        pairs.index.emplace(folded(key), std::prev(pairs.pairs.end()));
    }
    return true;
}

std::vector<KeyValue> MemorySettingsStore::readSection(const std::string& application,
                                                       const std::string& section) {
    auto found = sections_.find(sectionId(application, section));
    if (found == sections_.end()) return {};
    return std::vector<KeyValue>(found->second.pairs.begin(), found->second.pairs.end());
}

bool MemorySettingsStore::removeValue(const std::string& application, const std::string& section,
                                      const std::string& key) {
    if (auto failing = failing_.find(keyId(application, section, key)); failing != failing_.end()) {
        lastError_ = failing->second;
        return false;
    }
    auto found = sections_.find(sectionId(application, section));
    if (found == sections_.end()) return true;
    auto at = found->second.index.find(folded(key));
    if (at != found->second.index.end()) {
        found->second.pairs.erase(at->second);
        found->second.index.erase(at);
    }
    return true;
}

void MemorySettingsStore::failWritesTo(const std::string& application, const std::string& section,
                                       const std::string& key, StoreError reason) {
    failing_[keyId(application, section, key)] = std::move(reason);
}

bool MemorySettingsStore::hasKey(const std::string& application, const std::string& section,
                                 const std::string& key) const {
    auto found = sections_.find(sectionId(application, section));
    return found != sections_.end() && found->second.index.count(folded(key)) > 0;
}

}  // namespace platform
