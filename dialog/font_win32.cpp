#include "dialog/font.h"

#include <commctrl.h>

#include "dialog/layout.h"

namespace tovask {

namespace {

HFONT defaultControlFont = nullptr;

}  // namespace

int ReadDisplayDpi() {
  HDC display = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
  if (display == nullptr) return 96;
  int dpi = GetDeviceCaps(display, LOGPIXELSY);
  DeleteDC(display);
  return dpi;
}

void InitControls() {
  INITCOMMONCONTROLSEX init{};
  init.dwSize = sizeof init;
  init.dwICC = ICC_TAB_CLASSES | ICC_HOTKEY_CLASS | ICC_DATE_CLASSES | ICC_USEREX_CLASSES |
               ICC_INTERNET_CLASSES;
  InitCommonControlsEx(&init);
  defaultControlFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// Only the pixel height follows the display's DPI; the negative height asks
// for the character height rather than the cell height.
HFONT CreateDialogFont(int64_t fontSize, int dpi) {
  int height = ClampToInt32(-int64_t{MulDiv(ClampToInt32(fontSize), dpi, 72)});
  return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, 0, L"MS Shell DLG 2");
}

void SetDefaultControlFont(HFONT font) { defaultControlFont = font; }

HFONT DefaultControlFont() { return defaultControlFont; }

}  // namespace tovask
