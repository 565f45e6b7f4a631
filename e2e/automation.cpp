// Implementation of the driver library: see automation.hpp.
#include "automation.hpp"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cwctype>
#include <functional>

namespace e2e {

namespace {

// Name of the window property that carries a control's name (an atom).
const wchar_t kNameProp[] = L"FormsName";

[[noreturn]] void fail(const std::string& what) { throw std::runtime_error(what); }

std::string errorText(const char* call) {
  return std::string(call) + " failed, error " + std::to_string(GetLastError());
}

// SendMessage bounded in time: a target that hangs makes the test fail
// instead of stopping the driver.
LRESULT sendBounded(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(hwnd, msg, wp, lp, SMTO_ABORTIFHUNG, kTimeoutMs, &result))
    fail("message " + std::to_string(msg) + " to window " +
         std::to_string(reinterpret_cast<uintptr_t>(hwnd)) + " got no answer, error " +
         std::to_string(GetLastError()));
  return static_cast<LRESULT>(result);
}

// Sends without waiting, ordered before any later message of the driver.
void notify(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (!SendNotifyMessageW(hwnd, msg, wp, lp)) fail(errorText("SendNotifyMessageW"));
}

BOOL CALLBACK collectWindow(HWND hwnd, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
  return TRUE;
}

// All descendants, grandchildren included (EnumChildWindows walks them all).
std::vector<HWND> children(HWND parent) {
  std::vector<HWND> found;
  EnumChildWindows(parent, collectWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

DWORD processOf(HWND hwnd) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  return pid;
}

// First visible top-level window of pid that satisfies pred.
template <class Pred>
HWND waitForTopLevel(DWORD pid, DWORD timeoutMs, Pred pred) {
  HWND found = nullptr;
  waitUntil(
      [&] {
        for (HWND w : topLevelWindows(pid))
          if (IsWindowVisible(w) && pred(w)) {
            found = w;
            return true;
          }
        return false;
      },
      timeoutMs);
  return found;
}

// ---- Keyboard input ----

INPUT keyInput(WORD vk, WORD scan, DWORD flags) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = scan;
  in.ki.dwFlags = flags;
  return in;
}

bool isExtendedKey(WORD vk) {
  switch (vk) {
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: case VK_HOME: case VK_END:
    case VK_PRIOR: case VK_NEXT: case VK_INSERT: case VK_DELETE: case VK_DIVIDE:
    case VK_RCONTROL: case VK_RMENU:
      return true;
    default:
      return false;
  }
}

void addVirtualKey(std::vector<INPUT>& inputs, WORD vk, bool down) {
  DWORD flags = down ? 0 : KEYEVENTF_KEYUP;
  if (isExtendedKey(vk)) flags |= KEYEVENTF_EXTENDEDKEY;
  inputs.push_back(keyInput(vk, static_cast<WORD>(MapVirtualKeyW(vk, 0)), flags));
}

void addKeyPress(std::vector<INPUT>& inputs, WORD vk) {
  addVirtualKey(inputs, vk, true);
  addVirtualKey(inputs, vk, false);
}

void addCharacter(std::vector<INPUT>& inputs, wchar_t c) {
  inputs.push_back(keyInput(0, c, KEYEVENTF_UNICODE));
  inputs.push_back(keyInput(0, c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
}

void sendInputs(std::vector<INPUT>& inputs) {
  if (inputs.empty()) return;
  const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  if (sent != inputs.size()) fail(errorText("SendInput"));
}

// Attaches the driver's thread to the input of the thread owning `top` for
// its lifetime, so that SetFocus may reach that thread's windows.
class AttachedInput {
 public:
  explicit AttachedInput(HWND top)
      : me_(GetCurrentThreadId()), target_(GetWindowThreadProcessId(top, nullptr)) {
    if (!target_) fail("window " + std::to_string(reinterpret_cast<uintptr_t>(top)) + " is gone");
    attached_ = target_ != me_ && AttachThreadInput(me_, target_, TRUE);
  }
  ~AttachedInput() {
    if (attached_) AttachThreadInput(me_, target_, FALSE);
  }
  AttachedInput(const AttachedInput&) = delete;
  AttachedInput& operator=(const AttachedInput&) = delete;

 private:
  DWORD me_;
  DWORD target_;
  bool attached_ = false;
};

// Tells when the thread owning `top` has taken every key sent so far.
// It hooks that thread's keyboard (e2e-input-hook.dll beside the driver, of
// the driver's bitness), sends the hook's marker key after the typed keys
// and waits for the hook's event. Watching a key's state (GetKeyState with
// attached input) was not reliable under Wine: Wine also sets the key state
// from the X server's real keyboard, which releases a sent Shift. A posted
// message cannot serve as the marker: a thread takes posted messages before
// queued input.
class InputMarker {
 public:
  explicit InputMarker(HWND top) : thread_(GetWindowThreadProcessId(top, nullptr)) {
    static HMODULE dll = LoadLibraryW((driverDir() + L"\\e2e-input-hook.dll").c_str());
    const auto proc =
        dll ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(dll, "e2eKeyHook"))) : nullptr;
    if (!proc) fail("e2e-input-hook.dll is missing beside the driver");
    event_ = CreateEventW(nullptr, FALSE, FALSE, (L"e2e-input-taken-" + std::to_wstring(thread_)).c_str());
    hook_ = SetWindowsHookExW(WH_KEYBOARD, proc, dll, thread_);
    if (!event_ || !hook_) fail(errorText("SetWindowsHookExW"));
  }
  ~InputMarker() {
    if (hook_) UnhookWindowsHookEx(hook_);
    if (event_) CloseHandle(event_);
  }
  InputMarker(const InputMarker&) = delete;
  InputMarker& operator=(const InputMarker&) = delete;

  // Sends the marker after the keys already sent and waits until it is taken.
  void waitTaken() {
    std::vector<INPUT> marker;
    addKeyPress(marker, kMarkerKey);
    sendInputs(marker);
    if (WaitForSingleObject(event_, kTimeoutMs) != WAIT_OBJECT_0)
      fail("the target did not take the typed keys from its queue within " + std::to_string(kTimeoutMs) + " ms");
  }

 private:
  static constexpr WORD kMarkerKey = 0x88;  // the hook's marker: an unassigned key
  DWORD thread_;
  HANDLE event_ = nullptr;
  HHOOK hook_ = nullptr;
};

// Makes `top` the foreground window, unless a window of its thread (its own
// message box, say) already is, and waits until Wine has made the switch:
// keys sent while no window is in front are lost.
void bringToFront(HWND top) {
  const DWORD thread = GetWindowThreadProcessId(top, nullptr);
  // A window that cannot take the front itself (hidden, or disabled under a
  // modal box) counts as in front when a window of its thread is.
  const auto inFront = [&] {
    HWND front = GetForegroundWindow();
    if (front == top) return true;
    const bool canLead = IsWindowVisible(top) && IsWindowEnabled(top);
    return !canLead && front && GetWindowThreadProcessId(front, nullptr) == thread;
  };
  if (!waitUntil([&] {
        if (inFront()) return true;
        SetForegroundWindow(top);
        return false;
      }))
    fail("could not bring window " + narrow(nameOf(top)) + " to the front");
}

// ---- Pixels ----

struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> bgra;  // top-down rows
  bool operator==(const Pixels& o) const {
    return width == o.width && height == o.height && bgra == o.bgra;
  }
};

// A 32-bit top-down DIB section selected into a memory DC.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    if (!dc_ || !bitmap_) fail(errorText("CreateDIBSection"));
    old_ = SelectObject(dc_, bitmap_);
  }
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC dc() const { return dc_; }
  Pixels pixels() const {
    GdiFlush();
    Pixels p;
    p.width = width_;
    p.height = height_;
    const auto* first = static_cast<const uint32_t*>(bits_);
    p.bgra.assign(first, first + static_cast<size_t>(width_) * height_);
    for (auto& px : p.bgra) px &= 0x00FFFFFF;  // the screen leaves the top byte undefined
    return p;
  }

 private:
  int width_, height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  void* bits_ = nullptr;
};

Pixels captureScreen(const RECT& r) {
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return {};
  Canvas canvas(w, h);
  HDC screen = GetDC(nullptr);
  BitBlt(canvas.dc(), 0, 0, w, h, screen, r.left, r.top, SRCCOPY | CAPTUREBLT);
  ReleaseDC(nullptr, screen);
  return canvas.pixels();
}

Pixels renderIcon(HICON icon, int w, int h, uint32_t background) {
  Canvas canvas(w, h);
  const COLORREF bg = RGB((background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF);
  HBRUSH brush = CreateSolidBrush(bg);
  RECT all{0, 0, w, h};
  FillRect(canvas.dc(), &all, brush);
  DeleteObject(brush);
  DrawIconEx(canvas.dc(), 0, 0, icon, w, h, 0, nullptr, DI_NORMAL);
  return canvas.pixels();
}

// Share of pixels that differ clearly between two pictures of one size.
double difference(const Pixels& a, const Pixels& b) {
  size_t differing = 0;
  for (size_t i = 0; i < a.bgra.size(); ++i) {
    int worst = 0;
    for (int shift = 0; shift < 24; shift += 8) {
      const int ca = (a.bgra[i] >> shift) & 0xFF, cb = (b.bgra[i] >> shift) & 0xFF;
      worst = std::max(worst, std::abs(ca - cb));
    }
    if (worst > 48) ++differing;
  }
  return a.bgra.empty() ? 1.0 : static_cast<double>(differing) / a.bgra.size();
}

// Which standard icon the SS_ICON static shows, by comparing what is on the
// screen with each standard icon drawn on the same background.
BoxIcon iconShown(HWND iconStatic) {
  RECT r;
  GetClientRect(iconStatic, &r);
  MapWindowPoints(iconStatic, nullptr, reinterpret_cast<POINT*>(&r), 2);
  const Pixels shown = captureScreen(r);
  if (shown.bgra.empty()) return BoxIcon::Unknown;
  const struct {
    BoxIcon icon;
    LPCWSTR id;
  } standard[] = {{BoxIcon::Error, IDI_ERROR},
                  {BoxIcon::Warning, IDI_WARNING},
                  {BoxIcon::Information, IDI_INFORMATION},
                  {BoxIcon::Question, IDI_QUESTION}};
  BoxIcon best = BoxIcon::Unknown;
  double bestScore = 0.03;  // at most 3 % of the pixels may differ
  for (const auto& s : standard) {
    const Pixels drawn = renderIcon(LoadIconW(nullptr, s.id), shown.width, shown.height, shown.bgra[0]);
    const double score = difference(shown, drawn);
    if (score < bestScore) {
      bestScore = score;
      best = s.icon;
    }
  }
  return best;
}

bool writeBmp(const Pixels& p, const std::wstring& path) {
  const int rowBytes = (p.width * 3 + 3) & ~3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof(info);
  info.biWidth = p.width;
  info.biHeight = p.height;  // bottom-up rows
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  info.biSizeImage = static_cast<DWORD>(rowBytes) * p.height;
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + info.biSizeImage;
  std::string data(reinterpret_cast<const char*>(&file), sizeof(file));
  data.append(reinterpret_cast<const char*>(&info), sizeof(info));
  std::string row(rowBytes, '\0');
  for (int y = p.height - 1; y >= 0; --y) {
    for (int x = 0; x < p.width; ++x) {
      const uint32_t px = p.bgra[static_cast<size_t>(y) * p.width + x];
      row[x * 3] = static_cast<char>(px & 0xFF);
      row[x * 3 + 1] = static_cast<char>((px >> 8) & 0xFF);
      row[x * 3 + 2] = static_cast<char>((px >> 16) & 0xFF);
    }
    data += row;
  }
  HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(f, data.data(), static_cast<DWORD>(data.size()), &written, nullptr) &&
                  written == data.size();
  CloseHandle(f);
  return ok;
}

// ---- Registry ----

std::wstring sectionPath(const std::wstring& app, const std::wstring& section) {
  return L"Software\\" + app + L"\\" + section;
}

void deleteKeyTree(HKEY parent, const std::wstring& name) {
  HKEY key;
  if (RegOpenKeyExW(parent, name.c_str(), 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS) return;
  for (;;) {
    wchar_t sub[256];
    DWORD len = 256;
    if (RegEnumKeyExW(key, 0, sub, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    deleteKeyTree(key, sub);
  }
  RegCloseKey(key);
  const LONG rc = RegDeleteKeyW(parent, name.c_str());
  if (rc != ERROR_SUCCESS) fail("RegDeleteKeyW failed, error " + std::to_string(rc));
}

std::string readWholeFile(const std::wstring& path) {
  HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return {};
  std::string data;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(f, buffer, sizeof buffer, &got, nullptr) && got > 0) data.append(buffer, got);
  CloseHandle(f);
  return data;
}

std::wstring lower(std::wstring s) {
  for (auto& c : s) c = static_cast<wchar_t>(std::towlower(c));
  return s;
}

}  // namespace

// ---- Text ----

std::wstring widen(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring out(n, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &out[0], n);
  return out;
}

std::string narrow(const std::wstring& utf16) {
  if (utf16.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string out(n, '\0');
  WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), &out[0], n, nullptr, nullptr);
  return out;
}

std::wstring fromArgument(const std::string& arg) {
  if (arg.empty()) return {};
  const int n = MultiByteToWideChar(CP_ACP, 0, arg.data(), static_cast<int>(arg.size()), nullptr, 0);
  std::wstring out(n, L'\0');
  MultiByteToWideChar(CP_ACP, 0, arg.data(), static_cast<int>(arg.size()), &out[0], n);
  return out;
}

// ---- Process ----

Process::Process(Process&& other) noexcept : process_(other.process_), pid_(other.pid_) {
  other.process_ = nullptr;
  other.pid_ = 0;
}

Process& Process::operator=(Process&& other) noexcept {
  if (this != &other) {
    release();
    process_ = other.process_;
    pid_ = other.pid_;
    other.process_ = nullptr;
    other.pid_ = 0;
  }
  return *this;
}

Process::~Process() { release(); }

void Process::release() {
  if (!process_) return;
  if (running()) kill();
  CloseHandle(process_);
  process_ = nullptr;
}

Process Process::start(const std::wstring& exePath, const std::wstring& arguments, const std::wstring& workDir) {
  std::wstring commandLine = L"\"" + exePath + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  const std::wstring dir = workDir.empty() ? folderOf(exePath) : workDir;
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  // Under Wine, CreateProcessW now and then fails at once with error 1359
  // (ERROR_INTERNAL_ERROR) right after the previous test's program was
  // ended; a later attempt starts it. Other errors, or three refusals in a
  // row, fail the test.
  for (int attempt = 1;; ++attempt) {
    if (CreateProcessW(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                       dir.empty() ? nullptr : dir.c_str(), &si, &pi))
      break;
    const DWORD error = GetLastError();
    if (attempt >= 3 || error != ERROR_INTERNAL_ERROR)
      fail("cannot start " + narrow(exePath) + ": error " + std::to_string(error));
    Sleep(200);
  }
  CloseHandle(pi.hThread);
  Process p;
  p.process_ = pi.hProcess;
  p.pid_ = pi.dwProcessId;
  return p;
}

bool Process::running() const {
  return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool Process::waitForExit(DWORD timeoutMs) {
  return process_ && WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
}

std::optional<DWORD> Process::exitCode() const {
  DWORD code = 0;
  if (!process_ || running() || !GetExitCodeProcess(process_, &code)) return std::nullopt;
  return code;
}

bool Process::waitForIdle(DWORD timeoutMs) const {
  return process_ && WaitForInputIdle(process_, timeoutMs) == 0;
}

void Process::detach() {
  if (process_) CloseHandle(process_);
  process_ = nullptr;
}

void Process::kill() {
  if (!process_) return;
  TerminateProcess(process_, 1);
  WaitForSingleObject(process_, kTimeoutMs);
}

// ---- Finding windows ----

std::wstring nameOf(HWND hwnd) {
  const auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropW(hwnd, kNameProp)));
  if (!atom) return {};
  wchar_t name[256];
  const UINT n = GlobalGetAtomNameW(atom, name, 256);
  // The programs write "forms:" first, and a '^' before each capital letter
  // (atoms ignore letter case).
  const std::wstring prefix = L"forms:";
  UINT first = 0;
  if (n >= prefix.size() && std::wstring(name, prefix.size()) == prefix) first = static_cast<UINT>(prefix.size());
  std::wstring decoded;
  for (UINT i = first; i < n; ++i) {
    if (name[i] == L'^' && i + 1 < n) {
      wchar_t next = name[++i];
      decoded += (next >= L'a' && next <= L'z') ? static_cast<wchar_t>(next - L'a' + L'A') : next;
    } else {
      decoded += name[i];
    }
  }
  return decoded;
}

std::wstring className(HWND hwnd) {
  wchar_t name[256];
  const int n = GetClassNameW(hwnd, name, 256);
  return std::wstring(name, n > 0 ? n : 0);
}

std::wstring caption(HWND hwnd) {
  sync(hwnd);  // so that a caption set by the driver's last action shows
  wchar_t buffer[1024];
  const int n = GetWindowTextW(hwnd, buffer, 1024);
  return std::wstring(buffer, n > 0 ? n : 0);
}

std::vector<HWND> topLevelWindows(DWORD pid) {
  std::vector<HWND> all, found;
  EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&all));
  for (HWND w : all)
    if (processOf(w) == pid) found.push_back(w);
  return found;
}

HWND findWindow(DWORD pid, const std::wstring& name) {
  for (HWND w : topLevelWindows(pid))
    if (nameOf(w) == name) return w;
  return nullptr;
}

HWND waitForWindow(DWORD pid, const std::wstring& name, DWORD timeoutMs) {
  return waitForTopLevel(pid, timeoutMs, [&](HWND w) { return nameOf(w) == name; });
}

HWND waitForWindowByCaption(DWORD pid, const std::wstring& text, DWORD timeoutMs) {
  return waitForTopLevel(pid, timeoutMs, [&](HWND w) { return caption(w) == text; });
}

HWND waitForAnyWindow(DWORD pid, DWORD timeoutMs) {
  return waitForTopLevel(pid, timeoutMs, [](HWND w) {
    RECT r;
    return GetWindowRect(w, &r) && r.right > r.left && r.bottom > r.top;
  });
}

HWND findControl(HWND top, const std::wstring& name) {
  for (HWND child : children(top))
    if (nameOf(child) == name) return child;
  return nullptr;
}

HWND control(HWND top, const std::wstring& name) {
  if (!top) fail("no window to look for control " + narrow(name) + " in");
  HWND found = findControl(top, name);
  if (!found) fail("no control named " + narrow(name) + " in window " + narrow(nameOf(top)));
  return found;
}

// ---- Reading ----

std::wstring text(HWND hwnd) {
  const auto length = sendBounded(hwnd, WM_GETTEXTLENGTH, 0, 0);
  std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
  const auto got = sendBounded(hwnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(&buffer[0]));
  buffer.resize(static_cast<size_t>(std::max<LRESULT>(0, std::min<LRESULT>(got, length))));
  return buffer;
}

bool sync(HWND hwnd) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kTimeoutMs, &ignored) != 0;
}

bool isVisible(HWND hwnd) { return sync(hwnd) && IsWindowVisible(hwnd); }
bool isEnabled(HWND hwnd) { return sync(hwnd) && IsWindowEnabled(hwnd); }

int comboCount(HWND combo) { return static_cast<int>(sendBounded(combo, CB_GETCOUNT, 0, 0)); }

std::wstring comboItem(HWND combo, int index) {
  const auto length = sendBounded(combo, CB_GETLBTEXTLEN, index, 0);
  if (length == CB_ERR) fail("combo has no item " + std::to_string(index));
  std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
  const auto got = sendBounded(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&buffer[0]));
  buffer.resize(static_cast<size_t>(std::max<LRESULT>(0, got)));
  return buffer;
}

std::vector<std::wstring> comboItems(HWND combo) {
  std::vector<std::wstring> items;
  const int n = comboCount(combo);
  for (int i = 0; i < n; ++i) items.push_back(comboItem(combo, i));
  return items;
}

int comboSelection(HWND combo) { return static_cast<int>(sendBounded(combo, CB_GETCURSEL, 0, 0)); }

std::wstring comboSelectedText(HWND combo) {
  const int index = comboSelection(combo);
  return index < 0 ? std::wstring() : comboItem(combo, index);
}

HWND focusedWindow(HWND top) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  const DWORD thread = GetWindowThreadProcessId(top, nullptr);
  if (!thread || !sync(top) || !GetGUIThreadInfo(thread, &info)) return nullptr;
  return info.hwndFocus;
}

std::wstring focusedName(HWND top) {
  for (HWND w = focusedWindow(top); w; w = GetParent(w)) {
    const std::wstring name = nameOf(w);
    if (!name.empty()) return name;
  }
  return {};
}

// ---- Acting ----

void click(HWND button) { notify(button, BM_CLICK, 0, 0); }

void pickComboItem(HWND combo, int index) {
  if (sendBounded(combo, CB_SETCURSEL, index, 0) == CB_ERR && index >= 0)
    fail("combo has no item " + std::to_string(index));
  const int id = GetDlgCtrlID(combo);
  notify(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void pickComboItem(HWND combo, const std::wstring& itemText) {
  const auto items = comboItems(combo);
  const auto at = std::find(items.begin(), items.end(), itemText);
  if (at == items.end()) fail("combo has no item \"" + narrow(itemText) + "\"");
  pickComboItem(combo, static_cast<int>(at - items.begin()));
}

void closeWindow(HWND hwnd) { notify(hwnd, WM_CLOSE, 0, 0); }

void setFocus(HWND target) {
  HWND top = GetAncestor(target, GA_ROOT);
  AttachedInput attached(top);
  bringToFront(top);
  // An editable combo hands the focus on to the edit field inside it.
  const auto onTarget = [&] {
    HWND focused = focusedWindow(top);
    return focused == target || (focused && IsChild(target, focused));
  };
  // When another window of the program has just closed, its activation of
  // this window may still be under way and then gives the focus back to the
  // control the window remembers; so ask again until the focus stays put.
  int steady = 0;
  if (!waitUntil(
          [&] {
            if (onTarget()) return ++steady >= 2;
            steady = 0;
            if (GetForegroundWindow() != top && IsWindowEnabled(top)) SetForegroundWindow(top);
            SetFocus(target);
            return false;
          },
          kTimeoutMs, 20))
    fail("could not move the focus to " + narrow(nameOf(target)));
}

void typeText(HWND target, const std::wstring& chars) {
  setFocus(target);
  InputMarker marker(GetAncestor(target, GA_ROOT));
  std::vector<INPUT> inputs;
  for (size_t i = 0; i < chars.size(); ++i) {
    const wchar_t c = chars[i];
    if (c == L'\r' && i + 1 < chars.size() && chars[i + 1] == L'\n') continue;  // CR LF is one Enter
    if (c == L'\r' || c == L'\n')
      addKeyPress(inputs, VK_RETURN);
    else if (c == L'\t')
      addKeyPress(inputs, VK_TAB);
    else
      addCharacter(inputs, c);
  }
  sendInputs(inputs);
  marker.waitTaken();
}

void pressKey(HWND target, WORD vk) {
  setFocus(target);
  pressKeyInFocus(GetAncestor(target, GA_ROOT), vk);
}

void pressKeyInFocus(HWND top, WORD vk) {
  bringToFront(top);
  InputMarker marker(top);
  std::vector<INPUT> inputs;
  addKeyPress(inputs, vk);
  sendInputs(inputs);
  marker.waitTaken();
}

void menuKeys(HWND top, const std::wstring& keys) {
  if (keys.empty()) return;
  bringToFront(top);
  InputMarker marker(top);
  std::vector<INPUT> inputs;
  for (size_t i = 0; i < keys.size(); ++i) {
    const WORD vk = static_cast<WORD>(VkKeyScanW(keys[i]) & 0xFF);
    if (i == 0) addVirtualKey(inputs, VK_MENU, true);
    addKeyPress(inputs, vk);
    if (i == 0) addVirtualKey(inputs, VK_MENU, false);
  }
  sendInputs(inputs);
  marker.waitTaken();
}

// ---- Message boxes ----

std::ostream& operator<<(std::ostream& out, BoxIcon icon) {
  switch (icon) {
    case BoxIcon::None: return out << "none";
    case BoxIcon::Error: return out << "error";
    case BoxIcon::Warning: return out << "warning";
    case BoxIcon::Information: return out << "information";
    case BoxIcon::Question: return out << "question";
    case BoxIcon::Unknown: break;
  }
  return out << "unknown";
}

std::vector<int> MessageBoxView::buttonIds() const {
  std::vector<int> ids;
  for (const auto& b : buttons) ids.push_back(b.id);
  return ids;
}

namespace {
bool isMessageBox(HWND w) {
  return className(w) == L"#32770" && GetDlgItem(w, 0xFFFF) != nullptr;
}
}  // namespace

HWND waitForMessageBox(DWORD pid, DWORD timeoutMs) {
  return waitForTopLevel(pid, timeoutMs, isMessageBox);
}

bool noMessageBox(DWORD pid) {
  for (HWND w : topLevelWindows(pid))
    if (IsWindowVisible(w) && isMessageBox(w)) return false;
  return true;
}

MessageBoxView readMessageBox(HWND box) {
  MessageBoxView view;
  view.hwnd = box;
  view.caption = caption(box);
  view.text = text(GetDlgItem(box, 0xFFFF));
  HWND iconStatic = nullptr;
  for (HWND child : children(box)) {
    const std::wstring cls = lower(className(child));
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    if (cls == L"button" && IsWindowVisible(child))
      view.buttons.push_back({GetDlgCtrlID(child), text(child)});
    else if (cls == L"static" && (style & SS_TYPEMASK) == SS_ICON)
      iconStatic = child;
  }
  // A box without an icon hides the static, or (Wine) leaves it empty.
  if (!iconStatic || !IsWindowVisible(iconStatic) || !sendBounded(iconStatic, STM_GETICON, 0, 0)) {
    view.icon = BoxIcon::None;
  } else {
    // The box may not be painted yet: poll until the icon matches one.
    waitUntil([&] { return (view.icon = iconShown(iconStatic)) != BoxIcon::Unknown; }, 2000, 20);
  }
  return view;
}

bool pressBoxButton(HWND box, int id, DWORD timeoutMs) {
  HWND button = GetDlgItem(box, id);
  if (!button || !IsWindowVisible(button)) return false;
  click(button);
  return waitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, timeoutMs);
}

// ---- Registry ----

void regWrite(const std::wstring& app, const std::wstring& section, const std::wstring& key,
              const std::wstring& value) {
  HKEY k;
  LONG rc = RegCreateKeyExW(HKEY_CURRENT_USER, sectionPath(app, section).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                            nullptr, &k, nullptr);
  if (rc != ERROR_SUCCESS) fail("RegCreateKeyExW failed, error " + std::to_string(rc));
  rc = RegSetValueExW(k, key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                      static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(k);
  if (rc != ERROR_SUCCESS) fail("RegSetValueExW failed, error " + std::to_string(rc));
}

std::optional<std::wstring> regRead(const std::wstring& app, const std::wstring& section,
                                    const std::wstring& key) {
  HKEY k;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, sectionPath(app, section).c_str(), 0, KEY_QUERY_VALUE, &k) !=
      ERROR_SUCCESS)
    return std::nullopt;
  DWORD type = 0, bytes = 0;
  LONG rc = RegQueryValueExW(k, key.c_str(), nullptr, &type, nullptr, &bytes);
  std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
  if (rc == ERROR_SUCCESS)
    rc = RegQueryValueExW(k, key.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value[0]), &bytes);
  RegCloseKey(k);
  if (rc != ERROR_SUCCESS) return std::nullopt;
  if (type != REG_SZ) fail("value " + narrow(key) + " is not a string (type " + std::to_string(type) + ")");
  value.resize(bytes / sizeof(wchar_t));
  while (!value.empty() && value.back() == L'\0') value.pop_back();
  return value;
}

void regDeleteValue(const std::wstring& app, const std::wstring& section, const std::wstring& key) {
  HKEY k;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, sectionPath(app, section).c_str(), 0, KEY_SET_VALUE, &k) !=
      ERROR_SUCCESS)
    return;
  RegDeleteValueW(k, key.c_str());
  RegCloseKey(k);
}

void regDeleteApp(const std::wstring& app) {
  HKEY software;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ | KEY_WRITE, &software) != ERROR_SUCCESS)
    fail("cannot open HKCU\\Software");
  deleteKeyTree(software, app);
  RegCloseKey(software);
}

std::vector<std::wstring> regValueNames(const std::wstring& app, const std::wstring& section) {
  std::vector<std::wstring> names;
  HKEY k;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, sectionPath(app, section).c_str(), 0, KEY_QUERY_VALUE, &k) !=
      ERROR_SUCCESS)
    return names;
  for (DWORD i = 0;; ++i) {
    wchar_t name[16384];
    DWORD len = 16384;
    if (RegEnumValueW(k, i, name, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name, len);
  }
  RegCloseKey(k);
  return names;
}

// ---- Files ----

std::wstring folderOf(const std::wstring& path) {
  const auto slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring driverDir() {
  wchar_t path[MAX_PATH * 4];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
  return folderOf(std::wstring(path, n));
}

// A file the previous test's processes still hold (a net.exe that is just
// ending, say) is taken again once they let go of it.
static bool whileInUse(const std::function<bool()>& attempt) {
  DWORD error = ERROR_SUCCESS;
  waitUntil(
      [&] {
        if (attempt()) {
          error = ERROR_SUCCESS;
          return true;
        }
        error = GetLastError();
        return error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED;
      },
      kTimeoutMs, 20);
  SetLastError(error);
  return error == ERROR_SUCCESS;
}

static void copyFile(const std::wstring& from, const std::wstring& to) {
  if (!whileInUse([&] { return CopyFileW(from.c_str(), to.c_str(), FALSE) != 0; }))
    fail("cannot copy " + narrow(from) + " to " + narrow(to) + ": error " + std::to_string(GetLastError()));
}

void installNetRecorder(const std::wstring& programDir) {
  const std::wstring from = driverDir() + L"\\net.exe";
  const std::wstring to = programDir + L"\\net.exe";
  if (lower(from) != lower(to)) copyFile(from, to);
  clearNetLog(programDir);
}

void clearNetLog(const std::wstring& programDir) {
  const std::wstring log = programDir + L"\\net-log.txt";
  if (!whileInUse([&] { return DeleteFileW(log.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND; }))
    fail("cannot remove " + narrow(log) + ": error " + std::to_string(GetLastError()));
}

std::wstring stageProgram(const std::wstring& exePath) {
  const std::wstring file = exePath.substr(exePath.find_last_of(L"\\/") + 1);
  const std::wstring base = file.substr(0, file.find_last_of(L'.'));
  wchar_t temp[MAX_PATH + 1];
  const DWORD n = GetTempPathW(MAX_PATH + 1, temp);
  if (!n) fail(errorText("GetTempPathW"));
  const std::wstring root = std::wstring(temp, n) + L"e2e";
  const std::wstring dir = root + L"\\" + base;
  CreateDirectoryW(root.c_str(), nullptr);
  CreateDirectoryW(dir.c_str(), nullptr);
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((dir + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring path = dir + L"\\" + found.cFileName;
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
          !whileInUse([&] { return DeleteFileW(path.c_str()) != 0; }))
        fail("cannot empty " + narrow(dir) + ": error " + std::to_string(GetLastError()));
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  const std::wstring copy = dir + L"\\" + file;
  copyFile(exePath, copy);
  installNetRecorder(dir);
  return copy;
}

std::vector<std::string> readNetLog(const std::wstring& programDir) {
  const std::string data = readWholeFile(programDir + L"\\net-log.txt");
  std::vector<std::string> records;
  size_t start = 0;
  for (size_t end; (end = data.find('\0', start)) != std::string::npos; start = end + 1)
    records.push_back(data.substr(start, end - start));
  return records;  // text after the last NUL is a record still being written
}

std::vector<std::string> waitForNetRecords(const std::wstring& programDir, size_t count, DWORD timeoutMs) {
  std::vector<std::string> records;
  waitUntil([&] { return (records = readNetLog(programDir)).size() >= count; }, timeoutMs, 20);
  return records;
}

// ---- Screenshots ----

bool saveScreenshot(HWND hwnd, const std::wstring& bmpPath) {
  RECT r;
  if (!GetWindowRect(hwnd, &r)) return false;
  // Have the window paint itself now (WM_PAINT is sent, so this returns when
  // it is painted); Wine copies the drawing to the screen a moment later,
  // when the window's thread goes idle. A capture counts once two in a row
  // agree and it is not one plain colour (nothing drawn yet).
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  sync(hwnd);
  Pixels previous = captureScreen(r), current;
  if (previous.bgra.empty()) return false;
  waitUntil([&] {
    current = captureScreen(r);
    const bool settled = current == previous &&
                         std::any_of(current.bgra.begin(), current.bgra.end(),
                                     [&](uint32_t px) { return px != current.bgra[0]; });
    previous = current;
    return settled;
  }, 3000, 50);
  return writeBmp(previous, bmpPath);
}

}  // namespace e2e
