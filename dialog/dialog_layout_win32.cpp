#include "dialog/dialog_layout.h"

#include <optional>

#include "dialog/controls.h"
#include "dialog/dialog_loop.h"
#include "text/wide_win32.h"

namespace tovask {

namespace {

using Coordinate = std::optional<int64_t>;

// Sizes of rectangles are taken in 64 bits: a huge client size can put the
// edges of a rectangle at the very ends of the 32-bit range.
Extent SizeOf(const RECT& r) { return {int64_t{r.right} - r.left, int64_t{r.bottom} - r.top}; }

// Moves a control; every value left out keeps its current one.
void SetControlBounds(HWND control, Coordinate x, Coordinate y, Coordinate width, Coordinate height) {
  if (!x || !y || !width || !height) {
    RECT now;
    GetWindowRect(control, &now);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&now), 2);
    if (!x) x = now.left;
    if (!y) y = now.top;
    if (!width) width = SizeOf(now).Width;
    if (!height) height = SizeOf(now).Height;
  }
  MoveWindow(control, ClampToInt32(*x), ClampToInt32(*y), ClampToInt32(*width), ClampToInt32(*height), TRUE);
  InvalidateRect(control, nullptr, FALSE);
  wchar_t className[16];
  if (GetClassNameW(control, className, 16) > 0 && lstrcmpiW(className, L"Button") == 0) {
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE);
  }
}

std::vector<Extent> MeasurePrompt(HWND dialog, HFONT font, TextView prompt) {
  std::vector<Extent> extents;
  HDC dc = GetDC(dialog);
  HGDIOBJ previous = SelectObject(dc, font);
  for (const Text& line : PromptLines(prompt)) {
    SIZE size{};
    GetTextExtentPoint32W(dc, Wide(line), static_cast<int>(line.size()), &size);
    extents.push_back({size.cx, size.cy});
  }
  if (previous != nullptr) SelectObject(dc, previous);
  ReleaseDC(dialog, dc);
  return extents;
}

Extent FrameFor(HWND window, int64_t innerWidth, int64_t innerHeight, BOOL hasMenu) {
  RECT frame{0, 0, ClampToInt32(innerWidth), ClampToInt32(innerHeight)};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), hasMenu,
                     static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)));
  return SizeOf(frame);
}

void ResizeKeepingPosition(HWND window, int64_t innerWidth, int64_t innerHeight) {
  if (IsZoomed(window)) ShowWindow(window, SW_RESTORE);
  RECT now;
  GetWindowRect(window, &now);
  Extent frame = FrameFor(window, innerWidth, innerHeight, FALSE);
  SetWindowPos(window, nullptr, now.left, now.top, ClampToInt32(frame.Width), ClampToInt32(frame.Height),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void MoveKeepingSize(HWND window, int64_t x, int64_t y) {
  RECT client;
  GetClientRect(window, &client);
  Extent inner = SizeOf(client);
  Extent frame = FrameFor(window, inner.Width, inner.Height, GetMenu(window) != nullptr);
  SetWindowPos(window, nullptr, ClampToInt32(x), ClampToInt32(y), ClampToInt32(frame.Width),
               ClampToInt32(frame.Height), SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

ScreenRect ReadWorkArea() {
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return {area.left, area.top, area.right, area.bottom};
}

void LayoutDialog(HWND dialog, HFONT font, const Invocation& invocation, const Captions& captions,
                  DialogGeometry& geometry) {
  std::vector<Extent> extents = MeasurePrompt(dialog, font, invocation.PromptString);
  ControlLayout layout = LayoutControls(geometry, extents, invocation.FontSize);

  HWND prompt = CreatePromptText(dialog, layout.Prompt, invocation.PromptString);
  SetPromptColours(prompt, invocation.BackColour, invocation.TextColour);
  HWND field = CreateInputField(dialog, layout.Input, invocation.InitialString, invocation.EditStyle);
  if (invocation.MaxLength != 0) SetInputLimit(field, invocation.MaxLength);
  CreateDialogButton(dialog, OkButton, layout.Ok, captions.Ok);
  CreateDialogButton(dialog, CancelButton, layout.Cancel, captions.Cancel);

  ResizeKeepingPosition(dialog, geometry.InnerWidth, geometry.InnerHeight);
  RECT frame;
  GetWindowRect(dialog, &frame);
  Extent outer = SizeOf(frame);
  geometry.OuterWidth = outer.Width;
  geometry.OuterHeight = outer.Height;
  PlaceWindow(geometry, frame.left, frame.top, invocation.OffsetX, invocation.OffsetY);
  MoveKeepingSize(dialog, geometry.WindowX, geometry.WindowY);
}

void RelayoutDialog(HWND dialog, const DialogGeometry& geometry) {
  RECT client;
  GetClientRect(dialog, &client);
  Relayout relayout = RelayoutControls(SizeOf(client).Width, geometry.ButtonWidth);
  SetControlBounds(GetDlgItem(dialog, InputField), std::nullopt, std::nullopt, relayout.InputWidth,
                   std::nullopt);
  SetControlBounds(GetDlgItem(dialog, OkButton), relayout.OkX, std::nullopt, std::nullopt, std::nullopt);
  SetControlBounds(GetDlgItem(dialog, CancelButton), relayout.CancelX, std::nullopt, std::nullopt,
                   std::nullopt);
}

}  // namespace tovask
