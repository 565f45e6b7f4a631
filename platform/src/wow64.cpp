#include "platform/wow64.hpp"

#include <cstddef>

namespace platform {

namespace {

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Whether `path` is `folder` or lies inside it; Windows compares names
// without regard to case. A trailing separator on the folder counts.
std::size_t folderPrefixLength(const std::string& path, std::string folder) {
    while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    if (folder.empty() || path.size() < folder.size()) return 0;
    for (std::size_t i = 0; i < folder.size(); ++i)
        if (lowerAscii(path[i]) != lowerAscii(folder[i])) return 0;
    if (path.size() > folder.size() && path[folder.size()] != '\\' && path[folder.size()] != '/') return 0;
    return folder.size();
}

}  // namespace

std::uint32_t machineKeyReadAccess(bool underWow64) {
    return underWow64 ? kKeyQueryValue | kKeyWow64_64Key : kKeyQueryValue;
}

std::string nativeSystemPath(const ProcessView& view, const std::string& path) {
    if (!view.underWow64 || view.windowsFolder.empty()) return path;
    const std::size_t prefix = folderPrefixLength(path, view.systemFolder);
    if (prefix == 0) return path;
    std::string windows = view.windowsFolder;
    while (!windows.empty() && windows.back() == '\\') windows.pop_back();
    return windows + "\\Sysnative" + path.substr(prefix);
}

}  // namespace platform
