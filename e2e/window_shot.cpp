// Starts a program, waits (bounded) for its first visible window and saves a
// screenshot of that window as a BMP. The program then runs on, or with
// --end is ended (it is this tool's own child). Used by scripts/run.
//   window-shot.exe [--end] <program.exe> <shot.bmp> [timeout-ms]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "automation.hpp"

int main(int argc, char** argv) {
  const bool end = argc > 1 && std::strcmp(argv[1], "--end") == 0;
  if (end) {
    --argc;
    ++argv;
  }
  if (argc < 3) {
    std::printf("usage: window-shot [--end] <program.exe> <shot.bmp> [timeout-ms]\n");
    return 2;
  }
  const DWORD timeoutMs = argc > 3 ? static_cast<DWORD>(std::strtoul(argv[3], nullptr, 10)) : 30000;
  try {
    // The pointer waits in the screen's corner, so that no tool tip or hot
    // control shows in the picture.
    SetCursorPos(0, 0);
    e2e::Process program = e2e::Process::start(e2e::fromArgument(argv[1]));
    HWND window = e2e::waitForAnyWindow(program.id(), timeoutMs);
    if (!window) {
      std::printf("no window of %s showed within %lu ms\n", argv[1], static_cast<unsigned long>(timeoutMs));
      return 1;
    }
    // The window shows part-way through start-up: the picture is taken again
    // until two in a row are the same (at most about five seconds).
    program.waitForIdle(timeoutMs);
    const std::wstring path = e2e::fromArgument(argv[2]);
    std::string previous;
    for (int attempt = 0; attempt < 25; ++attempt) {
      if (!e2e::saveScreenshot(window, path)) {
        std::printf("could not save %s\n", argv[2]);
        return 1;
      }
      std::ifstream file(path.c_str(), std::ios::binary);
      std::string picture((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
      if (picture == previous) break;
      previous = std::move(picture);
      Sleep(200);
    }
    std::printf("window \"%s\" saved to %s\n", e2e::narrow(e2e::caption(window)).c_str(), argv[2]);
    if (!end) program.detach();  // otherwise the destructor ends it
    return 0;
  } catch (const std::exception& e) {
    std::printf("%s\n", e.what());
    return 1;
  }
}
