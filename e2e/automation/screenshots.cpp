// Screen captures, the standard-icon match of message boxes and the BMP
// writer: see screenshots.hpp.
#include "screenshots.hpp"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "internal.hpp"
#include "reading.hpp"

namespace e2e {

namespace {

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

}  // namespace

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

namespace {

int CALLBACK noteFontFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

}  // namespace

bool captionFontInstalled() {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(wanted.lfFaceName, L"Marlett", LF_FACESIZE);
  HDC screen = GetDC(nullptr);
  bool found = false;
  EnumFontFamiliesExW(screen, &wanted, noteFontFound, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

std::optional<bool> captionDrawnActive(HWND hwnd) {
  RECT window;
  if (!GetWindowRect(hwnd, &window)) return std::nullopt;
  const int y = window.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
  // Between the icon and the caption buttons.
  const RECT row{window.left + GetSystemMetrics(SM_CXSIZE) + 8, y, window.right - 4 * GetSystemMetrics(SM_CXSIZE), y + 1};
  const Pixels shown = captureScreen(row);
  const auto bgra = [](int index) {
    const COLORREF c = GetSysColor(index);
    return static_cast<uint32_t>(GetRValue(c)) << 16 | GetGValue(c) << 8 | GetBValue(c);
  };
  const uint32_t active[] = {bgra(COLOR_ACTIVECAPTION), bgra(COLOR_GRADIENTACTIVECAPTION)};
  const uint32_t inactive[] = {bgra(COLOR_INACTIVECAPTION), bgra(COLOR_GRADIENTINACTIVECAPTION)};
  size_t activePixels = 0, inactivePixels = 0;
  for (const uint32_t px : shown.bgra) {
    activePixels += px == active[0] || px == active[1];
    inactivePixels += px == inactive[0] || px == inactive[1];
  }
  if ((activePixels > 0) == (inactivePixels > 0)) return std::nullopt;
  return activePixels > 0;
}

bool saveScreenshot(HWND hwnd, const std::wstring& bmpPath) {
  if (!captionFontInstalled()) {
    std::fprintf(stderr, "no Marlett font in this Wine prefix: caption buttons would show as letters\n");
    return false;
  }
  RECT window, r;
  if (!GetWindowRect(hwnd, &window)) return false;
  // Only the part on the screen: a maximised window reaches past its edges
  // by its border, and Wine copies nothing at all from a rectangle that does.
  const RECT screen{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                    GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                    GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  if (!IntersectRect(&r, &window, &screen)) return false;
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
