// The dialog's font, made again in the driver from the same parameters, so
// that prompt lines can be measured as the dialog measures them.
#pragma once

#include <windows.h>

#include <string>

class DialogFont {
 public:
  explicit DialogFont(int fontSize);
  ~DialogFont();
  DialogFont(const DialogFont&) = delete;
  DialogFont& operator=(const DialogFont&) = delete;

  // The extent of one line of text drawn in the font.
  SIZE Measure(const std::wstring& line) const;

 private:
  HFONT font_;
  HDC context_;
  HGDIOBJ previous_;
};

// The display's vertical DPI, as a "DISPLAY" device context reports it.
int DisplayDpiY();
