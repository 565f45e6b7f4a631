// Message boxes: see message_boxes.hpp.
#include "message_boxes.hpp"

#include "input.hpp"
#include "internal.hpp"
#include "reading.hpp"

namespace e2e {

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

}  // namespace e2e
