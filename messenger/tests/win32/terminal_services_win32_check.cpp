// The Terminal Services transport against the wtsapi32.dll beside this check
// (wtsapi_standin.cpp, loaded under Wine through WINEDLLOVERRIDES=wtsapi32=n),
// which plays the computers this check scripts and logs each call; then
// against no wtsapi32 at all, and against Wine's own.
#include <windows.h>

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "messenger/terminal_services_transport.hpp"
#include "module_files.hpp"

namespace {

using messenger::TransportResult;
using Kind = TransportResult::Kind;

std::wstring besideCheck(const wchar_t* name) { return besideModule(nullptr, name); }

// Whether LoadLibraryW gives the stand-in, which lacks the other functions of
// wtsapi32. (Wine names its builtin after a file of the same name in the
// program's folder, so the path does not tell.)
bool standInLoads() {
    HMODULE library = LoadLibraryW(L"wtsapi32.dll");
    const bool standIn = library && !GetProcAddress(library, "WTSQuerySessionInformationW");
    if (library) FreeLibrary(library);
    return standIn;
}

// "delivered", or "unreachable: <reason>" and the like.
std::string outcome(const TransportResult& result) {
    const std::string kind = result.kind == Kind::Delivered     ? "delivered"
                             : result.kind == Kind::Unreachable ? "unreachable"
                                                                : "refused";
    return result.reason.empty() ? kind : kind + ": " + result.reason;
}

// Writes the stand-in's script, empties its log, and delivers to each of `computers`.
std::vector<std::string> deliverTo(const std::vector<std::string>& computers, const std::string& script,
                                   const std::string& sender = "HOST", const std::string& text = "Hi") {
    if (!standInLoads())
        throw std::runtime_error(
            "the wtsapi32.dll beside the check was not loaded (Wine: WINEDLLOVERRIDES=wtsapi32=n)");
    writeFileBytes(besideCheck(L"wtsapi-script.txt"), script);
    writeFileBytes(besideCheck(L"wtsapi-log.txt"), "");
    std::vector<std::string> outcomes;
    for (const std::string& computer : computers)
        outcomes.push_back(outcome(messenger::TerminalServicesTransport().deliver(computer, sender, text)));
    return outcomes;
}

std::vector<std::string> logLines() {
    std::istringstream in(readFileBytes(besideCheck(L"wtsapi-log.txt")));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The system's texts differ: Windows's, or Wine's.
const bool kWine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;

const char kComputer[] = "\xD0\x9F\xD0\x9A-2";  // ПК-2
const char kSender[] = "H\xC3\x94TE";           // HÔTE
// "Grüße 猫 😀" CR LF "second line"
const char kText[] =
    "Gr\xC3\xBC\xC3\x9F"
    "e \xE7\x8C\xAB \xF0\x9F\x98\x80\r\nsecond line";
const char kLoggedText[] =
    "Gr\xC3\xBC\xC3\x9F"
    "e \xE7\x8C\xAB \xF0\x9F\x98\x80\\r\\nsecond line";

}  // namespace

TEST(TerminalServicesTransport, delivers_the_exact_text_to_every_active_session) {
    const std::string pc = kComputer;
    EXPECT_EQ(deliverTo({pc},
                        pc + " session 1 active\n" + pc + " session 2 disconnected\n" + pc + " session 3 active\n" +
                            pc + " session 65536 listen\n",
                        kSender, kText),
              std::vector<std::string>{"delivered"});
    // MB_OK, no timeout, not waiting for the box to be answered.
    const std::string sent =
        " style=0 timeout=0 wait=0 title=Message from " + std::string(kSender) + " message=" + kLoggedText;
    EXPECT_EQ(logLines(), (std::vector<std::string>{"open " + pc, "send " + pc + " session=1" + sent,
                                                    "send " + pc + " session=3" + sent, "free", "close " + pc}));
}

TEST(TerminalServicesTransport, answers_unreachable_in_plain_words_unless_a_session_took_it) {
    const std::string rpcDown =
        kWine ? "unreachable: RPC server unavailable" : "unreachable: the RPC server is unavailable";
    EXPECT_EQ(deliverTo({"CLOSED", "SILENT", "EMPTY", "REFUSING", "HALF"},
                        "CLOSED open-error 1722\n"
                        "SILENT enumerate-error 1722\n"
                        "EMPTY session 1 disconnected\nEMPTY session 65536 listen\n"
                        "REFUSING session 1 active 5\nREFUSING session 2 active 5\n"
                        "HALF session 1 active 5\nHALF session 2 active\n"),
              (std::vector<std::string>{rpcDown, rpcDown, "unreachable: no one is logged on",
                                        kWine ? "unreachable: access denied" : "unreachable: access is denied",
                                        "delivered"}));
    // Every server opened is closed, every session list freed.
    std::vector<std::string> calls;
    for (const std::string& line : logLines()) calls.push_back(line.substr(0, line.find(" session=")));
    EXPECT_EQ(calls, (std::vector<std::string>{"open CLOSED", "open SILENT", "close SILENT", "open EMPTY", "free",
                                               "close EMPTY", "open REFUSING", "send REFUSING", "send REFUSING", "free",
                                               "close REFUSING", "open HALF", "send HALF", "send HALF", "free",
                                               "close HALF"}));
}

// Run with wtsapi32 disabled (WINEDLLOVERRIDES=wtsapi32=).
TEST(TerminalServicesWithoutLibrary, answers_unreachable) {
    HMODULE library = LoadLibraryW(L"wtsapi32.dll");
    if (library) FreeLibrary(library);
    ASSERT_TRUE(!library) << "wtsapi32.dll loaded: this test runs with it disabled";
    EXPECT_EQ(outcome(messenger::TerminalServicesTransport().deliver("PC7", "HOST", "Hi")),
              "unreachable: Terminal Services messages are not available on this system");
}

// Run with the system's own wtsapi32, whose WTSOpenServerW Wine 8 has not implemented (error 120).
TEST(TerminalServicesSystemLibrary, answers_unreachable_for_a_computer_it_cannot_open) {
    ASSERT_TRUE(!standInLoads()) << "the stand-in was loaded: this test runs with the system's wtsapi32";
    const std::string answer = outcome(messenger::TerminalServicesTransport().deliver("NO-SUCH-PC-7", "HOST", "Hi"));
    if (kWine) {
        EXPECT_EQ(answer, "unreachable: call not implemented");
    }
    EXPECT_EQ(answer.rfind("unreachable: ", 0), 0u) << answer;
}
