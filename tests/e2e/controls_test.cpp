// The four controls as created: classes and styles, the input field's edit
// styles and length limit, the button captions, and the colours on screen.
#include <gtest/gtest.h>

#include <string>

#include "controls.h"
#include "poll.h"
#include "running_dialog.h"
#include "screen_pixels.h"

namespace {

const std::wstring AnnaRun = TovaskCommand({L"x=$input", L"Name:", L"Anna"});

TEST(Controls, ClassesStylesAndTabStops) {
  RunningDialog dialog(AnnaRun);
  ASSERT_NE(dialog.Window(), nullptr) << "no dialog appeared";
  struct Case { const char* label; int id; std::wstring className; DWORD set; DWORD clear; DWORD exSet; };
  const DWORD visibleChild = WS_CHILD | WS_VISIBLE | WS_GROUP;
  const Case cases[] = {
      {"PromptText", PromptTextId, L"Static", visibleChild | SS_NOPREFIX, WS_TABSTOP | WS_BORDER | SS_TYPEMASK, 0},
      {"InputField", InputFieldId, L"Edit", visibleChild | WS_TABSTOP | ES_AUTOHSCROLL, ES_MULTILINE | WS_BORDER,
       WS_EX_CLIENTEDGE},
      {"OkButton", OkButtonId, L"Button", visibleChild | WS_TABSTOP, BS_TYPEMASK, 0},
      {"CancelButton", CancelButtonId, L"Button", visibleChild | WS_TABSTOP, BS_TYPEMASK, 0},
  };
  for (const Case& c : cases) {
    HWND control = dialog.Control(c.id);
    ASSERT_NE(control, nullptr) << c.label;
    EXPECT_EQ(lstrcmpiW(ClassName(control).c_str(), c.className.c_str()), 0) << c.label;
    DWORD style = Style(control);
    EXPECT_EQ(style & c.set, c.set) << c.label << std::hex << ": style " << style;
    EXPECT_EQ(style & c.clear, 0u) << c.label << std::hex << ": style " << style;
    EXPECT_EQ(ExStyle(control) & c.exSet, c.exSet) << c.label;
  }
}

TEST(Controls, EditStyleOptionsReachTheField) {
  const DWORD editBits = ES_UPPERCASE | ES_LOWERCASE | ES_PASSWORD | ES_NUMBER;
  struct Case { const char* label; std::wstring options; DWORD bits; };
  const Case cases[] = {
      {"none", L"", 0},
      {"/pass", L"/pass", ES_PASSWORD},
      {"/num", L"/num", ES_NUMBER},
      {"/upper", L"/UPPER", ES_UPPERCASE},
      {"/lower", L"/lower", ES_LOWERCASE},
      {"/pass /num", L"/pass /num", ES_PASSWORD | ES_NUMBER},
      {"/pass then /lower drops the password", L"/pass /lower", ES_LOWERCASE},
      {"/lower then /pass", L"/lower /pass", ES_LOWERCASE | ES_PASSWORD},
      {"/upper then /num", L"/upper /num", ES_UPPERCASE | ES_NUMBER},
  };
  for (const Case& c : cases) {
    RunningDialog dialog(AnnaRun + L" " + c.options);
    ASSERT_NE(dialog.Window(), nullptr) << c.label << ": no dialog appeared";
    EXPECT_EQ(Style(dialog.Control(InputFieldId)) & editBits, c.bits) << c.label;
  }
}

// The limit an edit control has when nobody sets one, asked of one made here.
DWORD DefaultEditLimit() {
  HWND edit = CreateWindowExW(0, L"Edit", L"", WS_POPUP | ES_AUTOHSCROLL, 0, 0, 10, 10, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  DWORD limit = EditLimit(edit);
  DestroyWindow(edit);
  return limit;
}

TEST(Controls, LengthOptionLimitsTheFieldButKeepsALongerInitialText) {
  struct Case { const char* label; std::wstring options; DWORD limit; };
  const Case cases[] = {
      {"no option", L"", DefaultEditLimit()},
      {"/length=5", L"/length=5", 5},
      {"/length=0 sets nothing", L"/length=0", DefaultEditLimit()},
      {"negative gives 1", L"/length=-3", 1},
      {"limit below the initial text", L"/length=2", 2},
  };
  for (const Case& c : cases) {
    RunningDialog dialog(AnnaRun + L" " + c.options);
    ASSERT_NE(dialog.Window(), nullptr) << c.label << ": no dialog appeared";
    EXPECT_EQ(EditLimit(dialog.Control(InputFieldId)), c.limit) << c.label;
    EXPECT_EQ(WindowText(dialog.Control(InputFieldId)), L"Anna") << c.label;
  }
}

// String resource of user32 without its ampersands, empty when missing.
std::wstring SystemCaption(UINT id) {
  HMODULE user32 = LoadLibraryExW(L"user32", nullptr, LOAD_LIBRARY_AS_DATAFILE);
  wchar_t buffer[256] = {};
  int length = user32 != nullptr ? LoadStringW(user32, id, buffer, 255) : 0;
  if (user32 != nullptr) FreeLibrary(user32);
  std::wstring caption;
  for (int i = 0; i < length; ++i) {
    if (buffer[i] != L'&') caption.push_back(buffer[i]);
  }
  return caption;
}

TEST(Controls, CaptionsAreEnglishOrTheSystemsOwn) {
  struct Case { const char* label; std::wstring options; std::wstring ok; std::wstring cancel; };
  const Case cases[] = {
      {"/english", L"/english", L"OK", L"Cancel"},
      {"system strings", L"", SystemCaption(800), SystemCaption(801)},
  };
  for (const Case& c : cases) {
    RunningDialog dialog(AnnaRun + L" " + c.options);
    ASSERT_NE(dialog.Window(), nullptr) << c.label << ": no dialog appeared";
    EXPECT_EQ(WindowText(dialog.Control(OkButtonId)), c.ok) << c.label;
    EXPECT_EQ(WindowText(dialog.Control(CancelButtonId)), c.cancel) << c.label;
  }
}

TEST(Controls, BackgroundAndPromptColoursReachTheScreen) {
  struct Case { const char* label; std::wstring options; COLORREF back; COLORREF text; };
  const Case cases[] = {
      {"defaults", L"", RGB(255, 255, 255), RGB(0, 0, 0)},
      {"/bg and /fc", L"/bg=#336699 /fc=#CC2200", RGB(0x33, 0x66, 0x99), RGB(0xCC, 0x22, 0x00)},
      {"decimal /bg is RRGGBB", L"/bg=255 /fc:$00FF00", RGB(0, 0, 255), RGB(0, 255, 0)},
  };
  // The pointer must not stand on the pixels read.
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
  for (const Case& c : cases) {
    // A large font gives strokes wide enough to hold pixels of the plain
    // text colour, whatever smoothing the system applies to glyph edges.
    RunningDialog dialog(TovaskCommand({L"x=$input", L"HM"}) + L" /fs=28 " + c.options);
    ASSERT_NE(dialog.Window(), nullptr) << c.label << ": no dialog appeared";
    RECT prompt = ControlRect(dialog.Control(PromptTextId));
    // Right of the glyphs, inside the prompt, and outside every control.
    POINT promptBack{prompt.right - 3, prompt.top + 2};
    POINT windowBack{3, 3};
    EXPECT_TRUE(PollUntil([&] { return ClientPixel(dialog.Window(), windowBack) == c.back; }, 3000))
        << c.label << ": window background " << std::hex << ClientPixel(dialog.Window(), windowBack);
    EXPECT_TRUE(PollUntil([&] { return ClientPixel(dialog.Window(), promptBack) == c.back; }, 3000))
        << c.label << ": prompt background " << std::hex << ClientPixel(dialog.Window(), promptBack);
    EXPECT_TRUE(AreaHasColour(dialog.Window(), prompt, c.text)) << c.label << ": no pixel in the prompt colour";
  }
}

}  // namespace
