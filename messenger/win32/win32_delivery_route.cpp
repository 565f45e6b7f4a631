#include "messenger/win32_delivery_route.hpp"

#include <windows.h>

#include "messenger/messenger_protocol_transport.hpp"
#include "messenger/terminal_services_transport.hpp"
#include "messenger/win32_socket.hpp"
#include "platform/win32_services.hpp"
#include "platform/win32_text.hpp"

namespace messenger {

namespace {

// The system's major version, from ntdll (GetVersionEx may be told a lower
// one by the compatibility layer); 0 when it cannot be read.
DWORD majorVersion() {
    using RtlGetVersion = LONG(WINAPI*)(OSVERSIONINFOW*);
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    auto getVersion =
        ntdll ? reinterpret_cast<RtlGetVersion>(reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
              : nullptr;
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    return getVersion && getVersion(&info) == 0 ? info.dwMajorVersion : 0;
}

std::string computerName() {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
    return GetComputerNameW(name, &size) ? platform::narrow(std::wstring(name, size)) : std::string();
}

}  // namespace

DeliveryRoute makeWin32DeliveryRoute() {
    DeliveryRoute route;
    // A version that cannot be read is an old system: it has the service.
    route.hasMessengerService = majorVersion() < 6;
    route.computerName = computerName();
    // The code page and case mapping live as long as the program: a delivery
    // may still run while it ends.
    static const auto codePage = platform::makeSystemOemCodePage();
    static const auto cases = platform::makeSystemCaseMapping();
    route.transports.push_back(std::make_shared<TerminalServicesTransport>());
    route.transports.push_back(std::make_shared<MessengerProtocolTransport>(makeWinsockSocket, *codePage, *cases));
    return route;
}

}  // namespace messenger
