#include "platform/memory_settings_store.hpp"

#include <cstddef>

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

// Position of the key in its section, or the section's size when it is absent.
std::size_t indexOf(const std::vector<KeyValue>& pairs, const std::string& key) {
    const std::string wanted = folded(key);
    std::size_t i = 0;
    while (i < pairs.size() && folded(pairs[i].first) != wanted) ++i;
    return i;
}

}  // namespace

std::string MemorySettingsStore::readValue(const std::string& application,
                                           const std::string& section, const std::string& key) {
    auto found = sections_.find(sectionId(application, section));
    if (found == sections_.end()) return {};
    std::size_t i = indexOf(found->second, key);
    return i < found->second.size() ? found->second[i].second : std::string();
}

bool MemorySettingsStore::writeValue(const std::string& application, const std::string& section,
                                     const std::string& key, const std::string& value) {
    if (failing_.count(keyId(application, section, key))) return false;
    std::vector<KeyValue>& pairs = sections_[sectionId(application, section)];
    std::size_t i = indexOf(pairs, key);
    if (i < pairs.size())
        pairs[i].second = value;
    else
        pairs.emplace_back(key, value);
    return true;
}

std::vector<KeyValue> MemorySettingsStore::readSection(const std::string& application,
                                                       const std::string& section) {
    auto found = sections_.find(sectionId(application, section));
    return found == sections_.end() ? std::vector<KeyValue>() : found->second;
}

bool MemorySettingsStore::removeValue(const std::string& application, const std::string& section,
                                      const std::string& key) {
    if (failing_.count(keyId(application, section, key))) return false;
    auto found = sections_.find(sectionId(application, section));
    if (found == sections_.end()) return true;
    std::size_t i = indexOf(found->second, key);
    if (i < found->second.size()) found->second.erase(found->second.begin() + static_cast<std::ptrdiff_t>(i));
    return true;
}

void MemorySettingsStore::failWritesTo(const std::string& application, const std::string& section,
                                       const std::string& key) {
    failing_.insert(keyId(application, section, key));
}

bool MemorySettingsStore::hasKey(const std::string& application, const std::string& section,
                                 const std::string& key) const {
    auto found = sections_.find(sectionId(application, section));
    if (found == sections_.end()) return false;
    return indexOf(found->second, key) < found->second.size();
}

}  // namespace platform
