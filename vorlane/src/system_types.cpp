#include "system_types.hpp"

namespace vorlane {

const std::array<SystemType, 20> kSystemTypes{{
    {"All Server Types", 0xFFFFFFFFu},
    {"Potential Master Browsers", 0x10000},          // SV_TYPE_POTENTIAL_BROWSER
    {"Backup Master Browsers", 0x20000},             // SV_TYPE_BACKUP_BROWSER
    {"Master Browser Servers", 0x40000},             // SV_TYPE_MASTER_BROWSER
    {"Domain Master Browsers", 0x80000},             // SV_TYPE_DOMAIN_MASTER
    {"Primary Domain Controllers", 0x8},             // SV_TYPE_DOMAIN_CTRL
    {"Backup Domain Controllers", 0x10},             // SV_TYPE_DOMAIN_BAKCTRL
    {"Windows 95 and Later", 0x400000},              // SV_TYPE_WINDOWS
    {"Timesource Servers", 0x20},                    // SV_TYPE_TIME_SOURCE
    {"Apple File Protocol Servers", 0x40},           // SV_TYPE_AFP
    {"LM 2.x Domain Members", 0x100},                // SV_TYPE_DOMAIN_MEMBER
    {"Local Browse List (MB Only)", 0x40000000},     // SV_TYPE_LOCAL_LIST_ONLY
    {"Print Servers", 0x200},                        // SV_TYPE_PRINTQ_SERVER
    {"Dial-in Servers", 0x400},                      // SV_TYPE_DIALIN_SERVER
    {"MS Novell File & Print Servers", 0x4000},      // SV_TYPE_SERVER_MFPN
    {"Windows NT (S&W)", 0x1000},                    // SV_TYPE_NT
    {"WfW Servers", 0x2000},                         // SV_TYPE_WFW
    {"LAN Manager Workstations", 0x1},               // SV_TYPE_WORKSTATION
    {"LAN Manager Servers", 0x2},                    // SV_TYPE_SERVER
    {"SQL Servers", 0x4},                            // SV_TYPE_SQLSERVER
}};

std::optional<std::uint32_t> systemTypeMask(const std::string& text) {
    for (const SystemType& type : kSystemTypes)
        if (text == type.entry) return type.mask;
    return std::nullopt;
}

}  // namespace vorlane
