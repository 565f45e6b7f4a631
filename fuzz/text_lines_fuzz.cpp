// The lines of any file text, joined and split again, are the same lines; a
// line removed from the file's bytes leaves what removing it from the lines
// and joining the rest leaves. Any file, in the code page or as UTF-8 after
// the mark, reads as its lines; a rewrite, an append or a removed line that
// fails at any step leaves it as it was, and one that succeeds reads back as
// the lines meant, in the code page whenever it holds them.
#include <algorithm>
#include <optional>

#include "fuzz_input.hpp"
#include "platform/memory_text_files.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    const std::uint8_t fault = input.byte(), pick = input.byte(), position = input.byte(), encoding = input.byte();
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

    // The code page lacks nothing, or all but ASCII, Latin-1, or the BMP.
    const std::optional<char32_t> highest[] = {std::nullopt, 0x7F, 0xFF, 0xFFFF};
    const std::string path = "C:\\store\\file.txt";
    const std::string file = (encoding & 4 ? std::string(platform::kUtf8Mark) : std::string()) + text;
    platform::MemoryTextFiles files;
    files.setHighestCharacter(highest[encoding % 4]);
    files.setContents(path, file);
    const std::vector<std::string> stored = platform::splitLines(std::string(platform::withoutUtf8Mark(file)));
    FUZZ_CHECK(files.readLines(path).lines == stored);

    const bool failing = fault % 8 < 6;
    if (failing) files.failAt(path, static_cast<platform::FileStep>(fault % 8));
    std::vector<std::string> next = stored;
    bool written = false;
    switch (encoding / 8 % 3) {
        case 0:
            next.push_back(pick & 1 ? "\xE7\x8C\xAB" : "added");
            written = files.replaceLines(path, next);
            break;
        case 1:
            if (failing) return 0;  // a plain append cut short leaves part of its lines, as on disk
            next.push_back(pick & 1 ? "\xE7\x8C\xAB" : "added");
            written = files.appendLines(path, {next.back()});
            break;
        default:
            if (stored.empty()) return 0;
            next.erase(next.begin() + position % stored.size());
            written = files.removeLine(path, stored[position % stored.size()], position % stored.size()).outcome ==
                      platform::LineRemoval::Outcome::Removed;
    }
    const bool removing = encoding / 8 % 3 == 2;
    // A failed Delete fails nothing; a failed Read fails only the read of a removal.
    FUZZ_CHECK(written == !(failing && fault % 8 != 5 && (fault % 8 != 1 || removing)));
    files.clearFailures();
    if (!written) {
        FUZZ_CHECK(files.contents(path) == file);
        FUZZ_CHECK(files.paths().size() == 1);
        return 0;
    }
    FUZZ_CHECK(files.readLines(path).lines == next);
    const std::string after = files.contents(path), joined = platform::joinLines(next);
    if (encoding / 8 % 3 == 1) return 0;  // an append keeps the bytes of a file in the code page as they are
    FUZZ_CHECK(std::string(platform::withoutUtf8Mark(after)) == joined);
    // Where it is plain which text the code page holds: everything, or ASCII.
    // A line removed from a code page file keeps the other lines' bytes as
    // they are, so it says which encoding the result has only where the
    // file's bytes were ones that code page writes (as on a real disk).
    const auto holds = [&](const std::string& t) {
        return encoding % 4 == 0 ||
               std::all_of(t.begin(), t.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    };
    if (encoding % 4 < 2 && (!removing || (encoding & 4) || holds(text))) {
        const bool held = holds(joined);
        FUZZ_CHECK(platform::startsWithUtf8Mark(after) == (!held || platform::startsWithUtf8Mark(joined)));
    }
    return 0;
}
