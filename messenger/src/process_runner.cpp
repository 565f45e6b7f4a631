#include "messenger/process_runner.hpp"

namespace messenger {

std::string tidyWatchedOutput(std::string text) {
    std::string tidy;
    tidy.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) tidy += text[i];
    const std::size_t end = tidy.find_last_not_of(" \t\r\n");
    tidy.erase(end == std::string::npos ? 0 : end + 1);
    return tidy;
}

bool isNoAssociationFailure(const StartResult& result) {
    if (result.started) return false;
    switch (result.errorNumber) {
    case 2:     // ERROR_FILE_NOT_FOUND: the target (such as NET) is not there
    case 3:     // ERROR_PATH_NOT_FOUND
    case 1155:  // ERROR_NO_ASSOCIATION: no program is registered for it
        return true;
    default: return false;
    }
}

}  // namespace messenger
