// Upper case by the system's own tables, for the user's locale.
#include <windows.h>

#include "platform/win32_services.hpp"
#include "platform/win32_text.hpp"

namespace platform {

namespace {

class SystemCaseMapping : public CaseMapping {
public:
    std::string upper(const std::string& text) const override {
        std::wstring wide = widen(text);
        if (wide.empty()) return text;
        int length = LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_UPPERCASE, wide.c_str(), static_cast<int>(wide.size()),
                                  nullptr, 0);
        if (length <= 0) return text;
        std::wstring mapped(static_cast<size_t>(length), L'\0');
        LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_UPPERCASE, wide.c_str(), static_cast<int>(wide.size()), &mapped[0],
                     length);
        return narrow(mapped);
    }
};

}  // namespace

std::unique_ptr<CaseMapping> makeSystemCaseMapping() { return std::make_unique<SystemCaseMapping>(); }

}  // namespace platform
