#pragma once
#include <string>

#include "platform/case_mapping.hpp"

namespace platform {

// A stand-in for tests: Latin (ASCII and Latin-1), Greek and Cyrillic letters.
class SimpleCaseMapping : public CaseMapping {
public:
    std::string upper(const std::string& text) const override;
};

}  // namespace platform
