#pragma once
// What an About box needs of the system: the program's own version, string
// values under HKEY_LOCAL_MACHINE (read only), whether a file exists, and
// the start of a program in a normal window, not waited for.
#include <optional>
#include <string>

namespace platform {

struct ProgramVersion {
    int major = 0, minor = 0, revision = 0;
};

class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    // The major, minor and third number of the running program's file version.
    virtual ProgramVersion programVersion() = 0;
    // The string value `value` of the key `key` under HKEY_LOCAL_MACHINE;
    // nullopt when the key cannot be opened or the value cannot be read.
    virtual std::optional<std::string> machineValue(const std::string& key, const std::string& value) = 0;
    virtual bool fileExists(const std::string& path) = 0;
    // Starts the program at `path` in a normal window with the focus; false when it cannot.
    virtual bool startProgram(const std::string& path) = 0;
};

}  // namespace platform
