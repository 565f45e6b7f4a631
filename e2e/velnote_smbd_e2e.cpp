// Velnote delivering messages itself, as on Windows 10 (no Messenger
// service), to Samba's smbd on 127.0.0.1. scripts/with-smbd starts smbd in
// a private network namespace and runs run-e2e.sh with this driver inside
// it, display and Wine included. smbd hands each message to its message
// command, which writes the text as smbd turned it into UTF-8 (CR LF into
// LF) into a file named after the sender; smbd's log names the sender and
// the recipient.
#include <algorithm>
#include <set>

#include "velnote_e2e.hpp"

using namespace velnote_e2e;

namespace {

// A folder or file of smbd's, named by the variable with-smbd sets, as the
// driver reaches it (Wine's drive Z: is the Linux root); "" when unset.
std::wstring smbdPath(const wchar_t* variable) {
  wchar_t value[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(variable, value, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  std::wstring path = L"Z:" + std::wstring(value, length);
  std::replace(path.begin(), path.end(), L'/', L'\\');
  return path;
}

std::set<std::wstring> inboxFiles(const std::wstring& inbox) {
  std::set<std::wstring> files;
  WIN32_FIND_DATAW found;
  HANDLE find = FindFirstFileW((inbox + L"\\msg-*.txt").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return files;
  do files.insert(found.cFileName);
  while (FindNextFileW(find, &found));
  FindClose(find);
  return files;
}

// The name of the message file that is not among `before`, waited for
// (the message command writes each file whole before naming it); "" when
// none came within 10 s.
std::wstring waitForNewMessage(const std::wstring& inbox, const std::set<std::wstring>& before) {
  std::wstring added;
  waitUntil(
      [&] {
        for (const std::wstring& file : inboxFiles(inbox))
          if (!before.count(file)) {
            added = file;
            return true;
          }
        return false;
      },
      10000, 50);
  return added;
}

// This computer's name as the messenger protocol carries it: upper case.
std::wstring computerName() {
  wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
  DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
  require(GetComputerNameW(name, &size) != FALSE, "GetComputerNameW failed");
  CharUpperW(name);
  return name;
}

std::string withLf(std::string text) {
  for (size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 1);
  return text;
}

void restoreFromIcon(Velnote& v) {
  clickTrayIcon(v.icon);
  require(waitUntil([&] { return isVisible(v.form); }), "waiting for Form1 to show again");
}

}  // namespace

TEST(VelnoteSmbd, typed_messages_reach_smbd_byte_for_byte) {
  const std::wstring inbox = smbdPath(L"SMBD_INBOX"), smbdLog = smbdPath(L"SMBD_LOG");
  if (inbox.empty() || smbdLog.empty())
    throw testing::Skipped("no smbd to send to: scripts/with-smbd starts one and runs this driver beside it");
  // The letters below are the same bytes in code pages 437 and 850: Wine's
  // OEM code page (437 in the C locale) and smbd's DOS one (850).
  ASSERT_TRUE(GetOEMCP() == 437 || GetOEMCP() == 850);
  const std::wstring letters = L"Gr\u00FC\u00DFe aus K\u00F6ln: caf\u00E9 \u00BD \u2591";  // 24 characters
  freshStore();
  Velnote v(WindowsVersion::Ten);
  const std::wstring sender = computerName();

  const std::wstring first = letters + L"\r\nzweite Zeile";
  typeText(v[L"Text4"], L"127.0.0.1");
  typeText(v[L"Text1"], first);
  std::set<std::wstring> before = inboxFiles(inbox);
  click(v[L"Command1"]);
  std::wstring arrived = waitForNewMessage(inbox, before);
  ASSERT_EQ(arrived.rfind(L"msg-" + sender + L"-", 0), 0u);
  EXPECT_EQ(fileBytes(inbox + L"\\" + arrived), withLf(narrow(first)));
  EXPECT_NE(fileBytes(smbdLog).find("SMBsendstrt (from " + narrow(sender) + " to 127.0.0.1)"), std::string::npos);

  // The longest message: 24 lines of 24 letters and a line break (counted
  // as two), then 28 more, 652 in all, carried in several blocks.
  std::wstring longest;
  for (int line = 0; line < 24; ++line) longest += letters + L"\r\n";
  longest += std::wstring(28, L'x');
  restoreFromIcon(v);
  typeText(v[L"Text1"], longest);
  before = inboxFiles(inbox);
  click(v[L"Command1"]);
  arrived = waitForNewMessage(inbox, before);
  ASSERT_TRUE(!arrived.empty());
  EXPECT_EQ(fileBytes(inbox + L"\\" + arrived), withLf(narrow(longest)));

  // One more character is refused whole, and said so from the icon.
  restoreFromIcon(v);
  typeText(v[L"Text1"], longest + L"x");
  before = inboxFiles(inbox);
  click(v[L"Command1"]);
  EXPECT_EQ(waitForTrayBalloon(v.icon),
            std::optional<std::wstring>(L"Not delivered to 127.0.0.1: the message is too long for the messenger "
                                        L"service: 653 characters, at most 652 (a line break counts as two)"));
  EXPECT_EQ(inboxFiles(inbox), before);
  EXPECT_TRUE(readNetLog(programDir()).empty());  // net was never started
}
