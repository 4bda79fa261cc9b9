#include "dialog/controls.h"

#include "dialog/dialog_loop.h"
#include "dialog/font.h"
#include "text/wide_win32.h"

namespace tovask {

namespace {

struct PromptColours {
  HWND Prompt = nullptr;
  COLORREF Background = 0;
  COLORREF Text = 0;
  HBRUSH Brush = nullptr;
};

PromptColours promptColours;

HWND CreateControl(HWND dialog, int64_t number, DWORD extendedStyle, const wchar_t* className, TextView text,
                   DWORD style, const Bounds& bounds) {
  Text caption(text);
  HWND control = CreateWindowExW(extendedStyle, className, Wide(caption), style, ClampToInt32(bounds.X),
                                 ClampToInt32(bounds.Y), ClampToInt32(bounds.Width),
                                 ClampToInt32(bounds.Height), dialog, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (control == nullptr) return nullptr;
  SetWindowLongPtrW(control, GWLP_ID, static_cast<LONG_PTR>(number));
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultControlFont()), TRUE);
  return control;
}

void RedrawPrompt(HWND prompt) {
  RedrawWindow(prompt, nullptr, nullptr, RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE | RDW_FRAME);
}

}  // namespace

HWND CreatePromptText(HWND dialog, const Bounds& bounds, TextView prompt) {
  HWND control = CreateControl(dialog, PromptText, 0, L"Static", prompt,
                               WS_CHILD | WS_VISIBLE | WS_GROUP | SS_NOPREFIX | SS_LEFT, bounds);
  promptColours.Prompt = control;
  return control;
}

// The background first: its brush fills the control behind the text.
void SetPromptColours(HWND prompt, COLORREF background, COLORREF text) {
  if (promptColours.Brush != nullptr) DeleteObject(promptColours.Brush);
  promptColours.Background = background;
  promptColours.Brush = CreateSolidBrush(background);
  RedrawPrompt(prompt);
  promptColours.Text = text;
  RedrawPrompt(prompt);
}

HWND CreateInputField(HWND dialog, const Bounds& bounds, TextView initial, uint32_t editStyle) {
  return CreateControl(dialog, InputField, WS_EX_CLIENTEDGE, L"Edit", initial,
                       editStyle | WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | ES_AUTOHSCROLL, bounds);
}

// Limits only what is typed or pasted: an initial text stays whole. A limit
// beyond what a single-line field can hold at all is that largest limit.
void SetInputLimit(HWND field, int64_t maxLength) {
  constexpr int64_t LargestLimit = 0x7FFFFFFE;
  int64_t limit = maxLength < 1 ? 1 : (maxLength > LargestLimit ? LargestLimit : maxLength);
  SendMessageW(field, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
}

HWND CreateDialogButton(HWND dialog, int64_t number, const Bounds& bounds, TextView caption) {
  return CreateControl(dialog, number, 0, L"Button", caption,
                       WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_PUSHBUTTON, bounds);
}

// Typing then replaces the initial text.
void FocusInputField(HWND dialog) {
  HWND field = GetDlgItem(dialog, InputField);
  SetFocus(field);
  SendMessageW(field, EM_SETSEL, 0, -1);
}

Text ReadInputText(HWND dialog) {
  HWND field = GetDlgItem(dialog, InputField);
  int length = GetWindowTextLengthW(field);
  if (length <= 0) return Text();
  Text text(static_cast<size_t>(length) + 1, u'\0');
  int copied = GetWindowTextW(field, Wide(text), length + 1);
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

HBRUSH PromptColourBrush(HWND control, HDC dc) {
  if (control == nullptr || control != promptColours.Prompt) return nullptr;
  SetTextColor(dc, promptColours.Text);
  SetBkColor(dc, promptColours.Background);
  return promptColours.Brush;
}

void ReleasePromptColours() {
  if (promptColours.Brush != nullptr) DeleteObject(promptColours.Brush);
  promptColours = PromptColours();
}

}  // namespace tovask
