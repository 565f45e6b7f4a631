#include "messenger/target_launcher.hpp"

#include <utility>

namespace messenger {

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

StartResult RecordingLauncher::launchTarget(const LaunchRequest& request) {
    launches_.push_back(request);
    if (failing_) return failure_;
    StartResult result;
    result.started = true;
    return result;
}

void RecordingLauncher::setFailure(bool fail, std::uint32_t errorNumber, std::string errorText) {
    failing_ = fail;
    failure_ = StartResult();
    failure_.errorNumber = errorNumber;
    failure_.errorText = std::move(errorText);
}

}  // namespace messenger
