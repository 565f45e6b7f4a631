#pragma once
// Code page 850 (Western European DOS, the OEM code page of many Windows
// systems) for tests: ASCII as it is, 0x80-0xFF by its table.
#include "platform/oem_code_page.hpp"

namespace platform {

class Cp850CodePage : public OemCodePage {
public:
    OemText encode(const std::string& text) const override;
};

}  // namespace platform
