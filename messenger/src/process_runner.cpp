#include "messenger/process_runner.hpp"

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

}  // namespace messenger
