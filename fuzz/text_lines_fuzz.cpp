// The lines of any file text, joined and split again, are the same lines; a
// rewrite that fails at any step leaves the old text as it was, and one that
// succeeds reads back as the lines written.
#include "fuzz_input.hpp"
#include "platform/text_files.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    const std::uint8_t fault = input.byte();
    const std::string text = input.rest();

    const std::vector<std::string> lines = platform::splitLines(text);
    for (const std::string& line : lines) FUZZ_CHECK(line.find('\n') == std::string::npos);
    FUZZ_CHECK(platform::splitLines(platform::joinLines(lines)) == lines);

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
