#pragma once
// Letter case as the system maps it: every script the system knows, not only
// the Latin letters.
#include <string>

namespace platform {

class CaseMapping {
public:
    virtual ~CaseMapping() = default;
    // The text (UTF-8) in upper case; what has no upper case stays as it is.
    virtual std::string upper(const std::string& text) const = 0;
};

}  // namespace platform
