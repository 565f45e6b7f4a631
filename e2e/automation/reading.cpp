// Reading controls: see reading.hpp.
#include "reading.hpp"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>

#include "internal.hpp"

namespace e2e {

namespace {

// Where a text buffer starts behind the structure that points at it: room
// for LVITEMW or LVCOLUMNW of any version of the headers.
constexpr size_t kTextOffset = 256;

HWND listHeader(HWND list) {
  HWND header = reinterpret_cast<HWND>(sendBounded(list, LVM_GETHEADER));
  if (!header) fail("list view " + narrow(nameOf(list)) + " has no header (not in report view)");
  return header;
}

}  // namespace

bool sync(HWND hwnd) { return trySend(hwnd, WM_NULL).has_value(); }

std::wstring text(HWND hwnd) {
  const auto length = sendBounded(hwnd, WM_GETTEXTLENGTH, 0, 0);
  std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
  const auto got = sendBounded(hwnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(&buffer[0]));
  buffer.resize(static_cast<size_t>(std::max<LRESULT>(0, std::min<LRESULT>(got, length))));
  return buffer;
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

std::vector<std::wstring> listItems(HWND list) {
  std::vector<std::wstring> items;
  const int n = static_cast<int>(sendBounded(list, LB_GETCOUNT));
  for (int i = 0; i < n; ++i) {
    const auto length = sendBounded(list, LB_GETTEXTLEN, i);
    std::wstring buffer(static_cast<size_t>(std::max<LRESULT>(0, length)) + 1, L'\0');
    const auto got = sendBounded(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&buffer[0]));
    buffer.resize(static_cast<size_t>(std::max<LRESULT>(0, got)));
    items.push_back(buffer);
  }
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

// ---- List views ----

int listViewItemCount(HWND list) { return static_cast<int>(sendBounded(list, LVM_GETITEMCOUNT)); }

std::wstring listViewItemText(HWND list, int item, int column) {
  if (item < 0 || item >= listViewItemCount(list))
    fail("list view " + narrow(nameOf(list)) + " has no item " + std::to_string(item));
  // The message answers how many characters it copied; a full buffer may
  // mean a cut text, so read again with a larger one.
  for (size_t chars = 256;; chars *= 4) {
    TargetMemory memory(list, kTextOffset + chars * sizeof(wchar_t));
    LVITEMW lv{};
    lv.iSubItem = column;
    lv.pszText = memory.at<wchar_t>(kTextOffset);
    lv.cchTextMax = static_cast<int>(chars);
    memory.write(0, &lv, sizeof lv);
    const auto got = static_cast<size_t>(sendBounded(list, LVM_GETITEMTEXTW, item, memory.param()));
    if (got + 1 < chars || chars >= 65536) return memory.readText(kTextOffset, std::min(got + 1, chars));
  }
}

int listViewSelection(HWND list) {
  return static_cast<int>(sendBounded(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

int listViewColumnCount(HWND list) { return static_cast<int>(sendBounded(listHeader(list), HDM_GETITEMCOUNT)); }

std::wstring listViewColumnText(HWND list, int column) {
  constexpr size_t kChars = 512;
  TargetMemory memory(list, kTextOffset + kChars * sizeof(wchar_t));
  LVCOLUMNW col{};
  col.mask = LVCF_TEXT;
  col.pszText = memory.at<wchar_t>(kTextOffset);
  col.cchTextMax = static_cast<int>(kChars);
  memory.write(0, &col, sizeof col);
  if (!sendBounded(list, LVM_GETCOLUMNW, column, memory.param()))
    fail("list view " + narrow(nameOf(list)) + " has no column " + std::to_string(column));
  return memory.readText(kTextOffset, kChars);
}

void clickListViewColumn(HWND list, int column) {
  HWND header = listHeader(list);
  TargetMemory memory(header, sizeof(RECT));
  if (!sendBounded(header, HDM_GETITEMRECT, column, memory.param()))
    fail("list view " + narrow(nameOf(list)) + " has no column " + std::to_string(column));
  RECT r;
  memory.read(0, &r, sizeof r);
  const LPARAM centre = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  notify(header, WM_LBUTTONDOWN, MK_LBUTTON, centre);
  notify(header, WM_LBUTTONUP, 0, centre);
}

// ---- Status bars ----

int statusPartCount(HWND bar) { return static_cast<int>(sendBounded(bar, SB_GETPARTS)); }

std::wstring statusPartText(HWND bar, int part) {
  if (part < 0 || part >= statusPartCount(bar))
    fail("status bar " + narrow(nameOf(bar)) + " has no part " + std::to_string(part));
  const size_t chars = LOWORD(sendBounded(bar, SB_GETTEXTLENGTHW, part)) + 1;
  TargetMemory memory(bar, chars * sizeof(wchar_t));
  sendBounded(bar, SB_GETTEXTW, part, memory.param());
  return memory.readText(0, chars);
}

RECT statusPartRect(HWND bar, int part) {
  if (part < 0 || part >= statusPartCount(bar))
    fail("status bar " + narrow(nameOf(bar)) + " has no part " + std::to_string(part));
  TargetMemory memory(bar, sizeof(RECT));
  sendBounded(bar, SB_GETRECT, part, memory.param());
  RECT r;
  memory.read(0, &r, sizeof r);
  return r;
}

}  // namespace e2e
