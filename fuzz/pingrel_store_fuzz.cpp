// Pingrel's store files as any file might hold them (in the code page, or as
// UTF-8 after the mark; in a code page that lacks characters or not): the store window lists
// every line, in order; deleting the selected entry takes exactly that line
// out of the file and leaves every other byte (of a file in the store's own
// CR LF form; of any other, every other line) as it was, or, when a step of
// the rewrite fails, leaves the file as it was and the entry listed. Either
// way the list shows what the file holds.
#include <optional>

#include "forms/headless/driver.hpp"
#include "fuzz_input.hpp"
#include "messenger/recording_runner.hpp"
#include "platform/clock.hpp"
#include "platform/shell.hpp"
#include "platform/system_info.hpp"
#include "platform/memory_text_files.hpp"
#include "program.hpp"
#include "platform/fake_shell.hpp"
#include "platform/fake_system_info.hpp"
#include "platform/fixed_clock.hpp"

using namespace pingrel;

namespace {

// One Pingrel for the whole run, as a user keeps it open: each input is a
// new content of the store files, read by opening the store window afresh.
struct Session {
    const std::string folder = "C:\\Apps\\Pingrel";
    platform::MemoryTextFiles files;
    forms::App app{"Pingrel"};
    forms::headless::Driver user{app};
    messenger::RecordingRunner runner;
    messenger::Sender sender{app, runner, messenger::DeliveryRoute{true, "HERE", {}}};
    platform::FixedClock clock{{2026, 12, 9, 10, 30, 0}};
    platform::FakeShell shell;
    platform::FakeSystemInfo system;
    Context context{app, files, sender, clock, shell, system, folder};
    Program program{context};
    bool answerWaiting = false;

    Session() { program.start(); }
    std::string path(const char* file) const { return folder + "\\" + file; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Session session;
    fuzz::Input input(data, size);
    const std::uint8_t fault = input.byte();
    const std::uint8_t choice = input.byte();
    const std::string text = input.rest();

    platform::MemoryTextFiles& files = session.files;
    forms::headless::Driver& user = session.user;
    StoreWindow& store = session.program.storeWindow;
    const bool messagesList = choice & 0x80;
    const std::string path = session.path(messagesList ? kMessagesFile : kRecipientsFile);
    files = platform::MemoryTextFiles();
    const std::optional<char32_t> highest[] = {std::nullopt, 0x7F, 0xFF, 0xFFFF};
    files.setHighestCharacter(highest[fault / 8 % 4]);
    files.setContents(session.path(kRecipientsFile), text);
    files.setContents(session.path(kMessagesFile), text);
    if (store.loaded()) store.unload();  // as its OK button does
    user.click(session.program.mainWindow.openStoreButton);
    forms::ListBox& list = messagesList ? store.messages : store.computers;

    const std::string body(platform::withoutUtf8Mark(text));
    const std::vector<std::string> lines = platform::splitLines(body);
    FUZZ_CHECK(list.items() == lines);
    if (lines.empty()) return 0;

    const std::size_t selected = (choice & 0x7F) % lines.size();
    if (fault % 8 < 6) files.failAt(path, static_cast<platform::FileStep>(fault % 8));
    if (!session.answerWaiting) user.answer(forms::MessageResult::Ok);  // for the box of a failed delete
    session.answerWaiting = true;
    user.clearBoxes();
    user.pick(list, static_cast<int>(selected));
    user.pressKey(list, forms::keys::Delete);
    files.clearFailures();

    const std::string after = files.contents(path), afterBody(platform::withoutUtf8Mark(after));
    FUZZ_CHECK(list.items() == platform::splitLines(afterBody));
    if (!user.boxes().empty()) {
        session.answerWaiting = false;
        FUZZ_CHECK(user.boxes().size() == 1);
        FUZZ_CHECK(after == text);
        FUZZ_CHECK(list.items() == lines);
        return 0;
    }
    std::vector<std::string> rest = lines;
    rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(selected));
    FUZZ_CHECK(platform::splitLines(afterBody) == rest);
    if (platform::joinLines(lines) == body) {
        std::size_t at = 0;
        for (std::size_t i = 0; i < selected; ++i) at += lines[i].size() + 2;
        FUZZ_CHECK(afterBody == std::string(body).erase(at, lines[selected].size() + 2));
    }
    FUZZ_CHECK(files.paths().size() == 2);  // no temporary file stays
    return 0;
}
