#pragma once
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/system_info.hpp"

namespace platform {

// In memory, for tests: values by "key\\value", files by path, and every start.
class FakeSystemInfo : public SystemInfo {
public:
    ProgramVersion version{1, 0, 0};
    std::map<std::string, std::string> values;
    std::set<std::string> files;
    bool startsFail = false;
    std::vector<std::string> started;

    ProgramVersion programVersion() override { return version; }
    std::optional<std::string> machineValue(const std::string& key, const std::string& value) override {
        auto found = values.find(key + "\\" + value);
        if (found == values.end()) return std::nullopt;
        return found->second;
    }
    bool fileExists(const std::string& path) override { return files.count(path) != 0; }
    bool startProgram(const std::string& path) override {
        if (startsFail) return false;
        started.push_back(path);
        return true;
    }
};

}  // namespace platform
