// PingrelGUI's address book as any file might hold it (in the code page, or
// as UTF-8 after the mark): every line is an entry, the entries written read
// back the same, the window lists them, and a change saved (or refused at any
// step, in a code page that lacks characters or not) leaves list and file alike.
#include <optional>

#include "fuzz_input.hpp"
#include "address_book.hpp"
#include "forms/headless/driver.hpp"
#include "messenger/recording_runner.hpp"
#include "messenger/sender.hpp"
#include "platform/memory_text_files.hpp"
#include "program.hpp"

using namespace pingrelgui;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    const std::uint8_t fault = input.byte();
    const std::uint8_t column = input.byte();
    const std::string text = input.rest();

    const std::vector<Entry> entries =
        parseAddressBook(platform::splitLines(std::string(platform::withoutUtf8Mark(text))));
    for (const Entry& entry : entries) FUZZ_CHECK(entry.name.find(kSeparator) == std::string::npos);
    FUZZ_CHECK(parseAddressBook(platform::splitLines(platform::joinLines(addressBookLines(entries)))) == entries);
    FUZZ_CHECK(withoutSeparator(text).find(kSeparator) == std::string::npos);

    const std::string folder = "C:\\Apps";
    const std::string path = addressBookPath(folder);
    platform::MemoryTextFiles files;
    const std::optional<char32_t> highest[] = {std::nullopt, 0x7F, 0xFF, 0xFFFF};
    files.setHighestCharacter(highest[fault / 8 % 4]);
    files.setContents(path, text);
    forms::App app{"PingrelGUI"};
    forms::headless::Driver user{app};
    messenger::RecordingRunner runner;
    messenger::Sender sender{app, runner, {true, "HERE", {}}};
    Context context{app, files, runner, folder, sender};
    Program program{context};
    program.start();
    forms::ListView& list = program.mainWindow.addressBook;
    auto shown = [&] {
        std::vector<Entry> rows;
        for (int row = 0; row < list.listCount(); ++row) rows.push_back({list.cellText(row, 0), list.cellText(row, 1)});
        return rows;
    };
    FUZZ_CHECK(shown() == entries);

    // A sort saves the book; whatever its outcome, the file reads back as the list.
    if (fault % 8 < 6) files.failAt(path, static_cast<platform::FileStep>(fault % 8));
    user.answer(forms::MessageResult::Ok);  // the box of a failed save
    list.userColumnClicked(column % 2);
    files.clearFailures();
    FUZZ_CHECK(parseAddressBook(files.readLines(path).lines) == shown());
    return 0;
}
