#pragma once
// Drives a Win32 program from another process, as a user would: finds its
// windows and controls by the names the programs give them (the "FormsName"
// window property), reads what a user sees, clicks, picks, types, answers
// message boxes, and prepares or checks the registry and the net.exe log.
// Every wait is a bounded poll for a condition.
#include <windows.h>

#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace e2e {

// Default bound of every wait for something the target has to do.
constexpr DWORD kTimeoutMs = 5000;

// UTF-8 <-> UTF-16.
std::wstring widen(const std::string& utf8);
std::string narrow(const std::wstring& utf16);
// An argument of main() (in the system's ANSI code page) as UTF-16.
std::wstring fromArgument(const std::string& arg);

// Polls cond every intervalMs until it holds or timeoutMs has passed;
// returns whether it held.
template <class Cond>
bool waitUntil(Cond cond, DWORD timeoutMs = kTimeoutMs, DWORD intervalMs = 10) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (cond()) return true;
    if (GetTickCount() - start >= timeoutMs) return cond();
    Sleep(intervalMs);
  }
}

// ---- Processes --------------------------------------------------------

// A program started by the driver. The destructor ends it if it still runs,
// so a failed test leaves nothing behind for the next one.
class Process {
 public:
  Process() = default;
  Process(Process&& other) noexcept;
  Process& operator=(Process&& other) noexcept;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  ~Process();

  // Starts exePath with the given arguments in workDir (default: the exe's
  // folder). Throws std::runtime_error when CreateProcessW fails.
  static Process start(const std::wstring& exePath, const std::wstring& arguments = L"",
                       const std::wstring& workDir = L"");

  DWORD id() const { return pid_; }
  bool running() const;
  // Waits (bounded) for the process to end; true when it has ended.
  bool waitForExit(DWORD timeoutMs = kTimeoutMs);
  // Exit code once ended, nothing while running.
  std::optional<DWORD> exitCode() const;
  // Ends this child process (TerminateProcess) and waits for it.
  void kill();
  // Lets the process run on after this object is gone.
  void detach();
  // Waits (bounded) until the program's start-up is over and it waits for
  // input; true when it got there.
  bool waitForIdle(DWORD timeoutMs = kTimeoutMs) const;

 private:
  void release();  // ends the process if it runs, closes its handle
  HANDLE process_ = nullptr;
  DWORD pid_ = 0;
};

// ---- Finding windows ----------------------------------------------------

// The name a program gave a window ("Form1", "Text4"), "" when it has none.
std::wstring nameOf(HWND hwnd);
std::wstring className(HWND hwnd);
// Caption by GetWindowTextW (fine for top-level windows of any process),
// read after the window has handled the driver's earlier messages.
std::wstring caption(HWND hwnd);

// Top-level windows of a process, visible or not.
std::vector<HWND> topLevelWindows(DWORD pid);
// The top-level window of pid named `name`, visible or hidden; nullptr if none.
HWND findWindow(DWORD pid, const std::wstring& name);
// Waits for a visible top-level window of pid named `name`; nullptr on timeout.
HWND waitForWindow(DWORD pid, const std::wstring& name, DWORD timeoutMs = kTimeoutMs);
// Waits for a visible top-level window of pid with exactly this caption.
HWND waitForWindowByCaption(DWORD pid, const std::wstring& text, DWORD timeoutMs = kTimeoutMs);
// Waits for any visible top-level window of pid (the first one found).
HWND waitForAnyWindow(DWORD pid, DWORD timeoutMs = kTimeoutMs);

// A descendant of `top` named `name`, or nullptr.
HWND findControl(HWND top, const std::wstring& name);
// Same, but throws std::runtime_error naming the control when it is absent.
HWND control(HWND top, const std::wstring& name);

// ---- Reading what a user sees -------------------------------------------

// Waits (bounded) until the thread owning hwnd has handled every message the
// driver sent it before. Readings that do not go through the target's
// messages (focus, visibility, enabled state) call it first, so they see the
// effect of the driver's last action. False when the window is gone.
bool sync(HWND hwnd);

// Text by WM_GETTEXT (marshalled across processes). On a status bar this is
// the text of its first part.
std::wstring text(HWND hwnd);
bool isVisible(HWND hwnd);
bool isEnabled(HWND hwnd);

int comboCount(HWND combo);
std::wstring comboItem(HWND combo, int index);
std::vector<std::wstring> comboItems(HWND combo);
// Index of the selected item, -1 for none.
int comboSelection(HWND combo);
// Text of the selected item, "" for none.
std::wstring comboSelectedText(HWND combo);

// The window holding the keyboard focus in the thread that owns `top`.
HWND focusedWindow(HWND top);
// Name of the focused window, or of its nearest named ancestor (the focus
// may sit in an unnamed inner part of a control); "" when none.
std::wstring focusedName(HWND top);

// ---- Acting as a user -------------------------------------------------

// Each action is delivered so that the target handles it before any message
// the driver sends afterwards (SendNotifyMessage: ordered, but it does not
// wait, so a handler that opens a modal box does not block the driver).

// Clicks a button (BM_CLICK); the focus moves to it.
void click(HWND button);
// Picks a combo item: CB_SETCURSEL, then CBN_SELCHANGE to its parent.
void pickComboItem(HWND combo, int index);
// Picks the item with exactly this text; throws when there is none.
void pickComboItem(HWND combo, const std::wstring& itemText);
// Closes a window as its close box would (WM_CLOSE).
void closeWindow(HWND hwnd);

// Brings `control`'s window to the front and gives the focus to `control`.
void setFocus(HWND control);
// Focuses `control` and types `chars` with SendInput (Unicode key events;
// '\n' is the Enter key, '\t' the Tab key). Returns when the target has
// taken every key from its queue.
void typeText(HWND control, const std::wstring& chars);
// Focuses `control` and presses one virtual key (VK_RETURN, VK_ESCAPE,
// VK_BACK, VK_TAB, VK_F1, VK_UP, ...).
void pressKey(HWND control, WORD vk);
// Presses one virtual key in whatever has the focus in `top`'s thread
// (after a focus move by the program itself, or inside an open menu).
void pressKeyInFocus(HWND top, WORD vk);
// Opens the menu bar of `top` by keyboard: Alt + keys[0], then each further
// letter as a plain key press (a mnemonic inside the opened menu).
void menuKeys(HWND top, const std::wstring& keys);

// ---- Message boxes ------------------------------------------------------

enum class BoxIcon { None, Error, Warning, Information, Question, Unknown };
std::ostream& operator<<(std::ostream& out, BoxIcon icon);

struct BoxButton {
  int id;             // IDOK 1, IDCANCEL 2, IDYES 6, IDNO 7, ...
  std::wstring text;  // "OK", "&Yes", ...
};

struct MessageBoxView {
  HWND hwnd = nullptr;
  std::wstring caption;
  std::wstring text;
  BoxIcon icon = BoxIcon::Unknown;
  std::vector<BoxButton> buttons;
  std::vector<int> buttonIds() const;
};

// Waits for a visible message box (top-level #32770 holding a 0xFFFF text
// static) of process pid; nullptr on timeout.
HWND waitForMessageBox(DWORD pid, DWORD timeoutMs = kTimeoutMs);
// Reads a box: caption, text, buttons, and its icon (compared by pixels with
// the system's standard icons; polls until the drawing matches one).
MessageBoxView readMessageBox(HWND box);
// Presses the button with this id and waits until the box has gone.
// Returns false when there is no such button or the box stays.
bool pressBoxButton(HWND box, int id, DWORD timeoutMs = kTimeoutMs);
// True when pid shows no message box (checked once).
bool noMessageBox(DWORD pid);

// ---- Registry: HKCU\Software\<app>\<section>, REG_SZ values ------------------

void regWrite(const std::wstring& app, const std::wstring& section, const std::wstring& key,
              const std::wstring& value);
std::optional<std::wstring> regRead(const std::wstring& app, const std::wstring& section,
                                    const std::wstring& key);
void regDeleteValue(const std::wstring& app, const std::wstring& section, const std::wstring& key);
// Removes HKCU\Software\<app> with everything below it (a fresh store).
void regDeleteApp(const std::wstring& app);
// Value names of a section; Wine lists them sorted, so compare as a set.
std::vector<std::wstring> regValueNames(const std::wstring& app, const std::wstring& section);

// ---- Files and the net.exe stand-in -------------------------------------

// Folder of the running driver, and of any path, without the trailing '\'.
std::wstring driverDir();
std::wstring folderOf(const std::wstring& path);

// Copies the program into a folder of its own in the temporary folder
// (%TEMP%\e2e\<name>\, emptied first), with net.exe beside it, and returns
// the copy's path. Tests start that copy: whatever it writes beside itself,
// net-log.txt included, belongs to this test run alone (under Wine the
// temporary folder lies inside the run's throwaway prefix).
std::wstring stageProgram(const std::wstring& exePath);
// Copies net.exe from the driver's folder into programDir (so that the
// program's "net send ..." runs the recorder) and removes an old log.
void installNetRecorder(const std::wstring& programDir);
// Removes programDir\net-log.txt (a recorder just ending may hold it a moment).
void clearNetLog(const std::wstring& programDir);
// Records of programDir\net-log.txt, each the full command line of one start,
// in the order they were written.
std::vector<std::string> readNetLog(const std::wstring& programDir);
// Waits until the log holds at least `count` records; returns what it holds.
std::vector<std::string> waitForNetRecords(const std::wstring& programDir, size_t count,
                                           DWORD timeoutMs = kTimeoutMs);

// ---- Screenshots ----------------------------------------------------------

// Saves the window's screen area as a 24-bit BMP once two captures in a row
// agree (bounded); returns false when the window has no area or writing fails.
bool saveScreenshot(HWND hwnd, const std::wstring& bmpPath);

}  // namespace e2e
