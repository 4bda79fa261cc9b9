#include "dialog_font.h"

int DisplayDpiY() {
  HDC display = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
  int dpi = GetDeviceCaps(display, LOGPIXELSY);
  DeleteDC(display);
  return dpi;
}

DialogFont::DialogFont(int fontSize) {
  font_ = CreateFontW(-MulDiv(fontSize, DisplayDpiY(), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                      DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, 0,
                      L"MS Shell DLG 2");
  context_ = CreateCompatibleDC(nullptr);
  previous_ = SelectObject(context_, font_);
}

DialogFont::~DialogFont() {
  SelectObject(context_, previous_);
  DeleteDC(context_);
  DeleteObject(font_);
}

SIZE DialogFont::Measure(const std::wstring& line) const {
  SIZE size{};
  GetTextExtentPoint32W(context_, line.c_str(), static_cast<int>(line.size()), &size);
  return size;
}
