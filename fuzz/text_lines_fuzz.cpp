// The lines of any file text, joined and split again, are the same lines; a
// rewrite that fails at any step leaves the old text as it was, and one that
// succeeds reads back as the lines written; a line removed from the file's
// bytes leaves what removing it from the lines and joining the rest leaves.
#include <algorithm>

#include "fuzz_input.hpp"
#include "platform/text_files.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    const std::uint8_t fault = input.byte(), pick = input.byte(), position = input.byte();
    const std::string text = input.rest();

    const std::vector<std::string> lines = platform::splitLines(text);
    for (const std::string& line : lines) FUZZ_CHECK(line.find('\n') == std::string::npos);
    FUZZ_CHECK(platform::splitLines(platform::joinLines(lines)) == lines);

    const std::string wanted = pick % 8 == 0 || lines.empty() ? std::string("\x01gone") : lines[pick % lines.size()];
    const auto removed = platform::findLineToRemove(text, wanted, position);
    std::size_t index = position < lines.size() && lines[position] == wanted
                            ? position
                            : static_cast<std::size_t>(std::find(lines.begin(), lines.end(), wanted) - lines.begin());
    FUZZ_CHECK(removed.has_value() == (index < lines.size()));
    if (removed) {
        std::vector<std::string> rest = lines;
        rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(index));
        FUZZ_CHECK(platform::withoutLine(text, *removed) == platform::joinLines(rest));
        FUZZ_CHECK(removed->lineBreaksAsWritten == (platform::joinLines(lines) == text));
        if (removed->lineBreaksAsWritten)
            FUZZ_CHECK(text.substr(0, removed->begin) + text.substr(removed->next) == platform::joinLines(rest));
    }

    const std::string path = "C:\\store\\file.txt";
    platform::MemoryTextFiles files;
    files.setContents(path, text);
    const bool failing = fault % 8 < 6;
    if (failing) files.failAt(path, static_cast<platform::FileStep>(fault % 8));
    std::vector<std::string> next = lines;
    next.push_back("added");
    const bool replaced = files.replaceLines(path, next);
    const bool failsAWrite = failing && fault % 8 != 1 && fault % 8 != 5;  // neither Read nor Delete
    FUZZ_CHECK(replaced == !failsAWrite);
    if (replaced) {
        files.clearFailures();
        FUZZ_CHECK(files.readLines(path).lines == next);
    } else {
        FUZZ_CHECK(files.contents(path) == text);
        FUZZ_CHECK(files.paths().size() == 1);
    }
    return 0;
}
