// snapshot.exe OUT.png [timeout-ms]
// Waits for a Tovask dialog of any process to be shown and ready, copies its
// rectangle from the screen and writes it as a PNG file. Prints the path and
// exits 0, or exits 1 when no dialog appears in time (10 s by default).
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <vector>

#include "dialog_finder.h"
#include "png_writer.h"

namespace {

// The screen's pixels inside the rectangle, as RGB rows from the top.
std::vector<std::uint8_t> CaptureScreen(const RECT& area) {
  int width = area.right - area.left, height = area.bottom - area.top;
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = -height;  // top-down rows
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  GdiFlush();

  std::vector<std::uint8_t> rgb;
  rgb.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
  const std::uint8_t* bgra = static_cast<const std::uint8_t*>(bits);
  for (std::size_t i = 0; bgra != nullptr && i < static_cast<std::size_t>(width) * static_cast<std::size_t>(height); ++i) {
    rgb.push_back(bgra[i * 4 + 2]);
    rgb.push_back(bgra[i * 4 + 1]);
    rgb.push_back(bgra[i * 4]);
  }
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return rgb;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fputs("usage: snapshot.exe OUT.png [timeout-ms]\n", stderr);
    return 1;
  }
  DWORD timeout = argc > 2 ? static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)) : 10000;
  HWND dialog = WaitForDialog(0, timeout);
  if (dialog == nullptr) {
    std::fputs("snapshot: no dialog appeared\n", stderr);
    return 1;
  }
  // The window is ready for typing; give its controls a moment to paint.
  Sleep(300);

  RECT area;
  GetWindowRect(dialog, &area);
  std::vector<std::uint8_t> rgb = CaptureScreen(area);
  if (rgb.empty() || !WritePng(argv[1], area.right - area.left, area.bottom - area.top, rgb)) {
    std::fputs("snapshot: cannot write the image\n", stderr);
    return 1;
  }
  std::wprintf(L"%ls\n", argv[1]);
  return 0;
}
