// The layout and centring arithmetic with any 64-bit sizes, positions and
// offsets: nothing may overflow, equal inputs give equal results, and the
// clamps and gaps of the layout hold wherever no value reaches the limits.
#include <algorithm>
#include <climits>
#include <cstring>
#include <type_traits>

#include "dialog/centring.h"
#include "dialog/layout.h"
#include "fuzz_support.h"

namespace tovask {
namespace {

// Values up to this size never reach the 64-bit limits in the arithmetic
// below, so the exact relations can be checked on them.
constexpr int64_t Moderate = int64_t{1} << 56;

bool IsModerate(int64_t value) { return value > -Moderate && value < Moderate; }

// Screen-like values, the limits of 32 and 64 bits around them, or anything.
int64_t ConsumeCoordinate(FuzzedDataProvider& data) {
  static constexpr int64_t Limits[] = {
      INT64_MIN, INT64_MIN + 1, INT32_MIN - int64_t{1}, INT32_MIN,     -1,       0,
      1,         INT32_MAX,     INT32_MAX + int64_t{1}, INT64_MAX - 1, INT64_MAX};
  switch (data.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
      return data.ConsumeIntegralInRange<int64_t>(-3000, 3000);
    case 1:
      return data.PickValueInArray(Limits);
    case 2:
      return data.ConsumeIntegralInRange<int64_t>(-Moderate + 1, Moderate - 1);
    default:
      return data.ConsumeIntegral<int64_t>();
  }
}

template <typename Record>
bool SameBytes(const Record& a, const Record& b) {
  static_assert(std::has_unique_object_representations_v<Record>);
  return std::memcmp(&a, &b, sizeof(Record)) == 0;
}

bool Same(const ControlLayout& a, const ControlLayout& b) {
  return SameBytes(a.Prompt, b.Prompt) && SameBytes(a.Input, b.Input) && SameBytes(a.Ok, b.Ok) &&
         SameBytes(a.Cancel, b.Cancel);
}

void CheckPromptLines(const Text& prompt) {
  std::vector<Text> lines = PromptLines(prompt);
  int64_t fields = std::count(prompt.begin(), prompt.end(), u'\n') + 1;
  bool finalLineFeed = !prompt.empty() && prompt.back() == u'\n';
  Require(static_cast<int64_t>(lines.size()) == std::max<int64_t>(fields - finalLineFeed, 1),
          "every line is measured but the empty one after a final line feed");
  for (size_t i = 0; i < lines.size() && i < 64; ++i) {
    Text field = FieldText(prompt, static_cast<int64_t>(i) + 1, u'\n');
    Require(lines[i] == (field.empty() ? Text(u" ") : field), "a line is its field, or one space");
  }
}

void CheckControls(FuzzedDataProvider& data) {
  DialogGeometry geometry;
  geometry.WorkArea = {ConsumeCoordinate(data), ConsumeCoordinate(data), ConsumeCoordinate(data),
                       ConsumeCoordinate(data)};
  std::vector<Extent> extents(data.ConsumeIntegralInRange<size_t>(0, 6));
  for (Extent& extent : extents) extent = {ConsumeCoordinate(data), ConsumeCoordinate(data)};
  int64_t fontSize = ConsumeCoordinate(data);

  DialogGeometry again = geometry;
  ControlLayout layout = LayoutControls(geometry, extents, fontSize);
  Require(Same(layout, LayoutControls(again, extents, fontSize)) && SameBytes(geometry, again),
          "the layout is deterministic");

  Require(geometry.TextWidth >= 285, "the text is at least 280 + 5 wide");
  for (const Extent& extent : extents) {
    Require(geometry.TextWidth > extent.Width || geometry.TextWidth == INT64_MAX,
            "the text is wider than every line");
  }
  Require(geometry.InnerWidth <= geometry.WorkArea.Right, "the width is held to the work area");
  if (fontSize >= -INT64_MAX / 90 && fontSize <= INT64_MAX / 90) {
    Require(geometry.ButtonWidth == 10 * fontSize, "the buttons are 10 x the font size wide");
  } else {
    Require(geometry.ButtonWidth == (fontSize > 0 ? INT64_MAX : INT64_MIN) / 9,
            "a huge font size saturates the button width");
  }
  const Bounds &prompt = layout.Prompt, &input = layout.Input, &ok = layout.Ok;
  Require(prompt.X == 10 && prompt.Y == 15 && input.X == 10 && ok.X == 0,
          "the fixed margins of the controls");
  Require(input.Width == geometry.TextWidth && prompt.Width == geometry.TextWidth,
          "the prompt and the field are as wide as the text");
  Require(layout.Cancel.Y == ok.Y && layout.Cancel.Width == ok.Width &&
              layout.Cancel.Height == ok.Height,
          "the buttons are a pair");
  bool moderate = IsModerate(fontSize) && IsModerate(geometry.TextHeight);
  if (moderate) {
    Require(input.Y == prompt.Y + prompt.Height + 10 && ok.Y == input.Y + input.Height + 15 &&
                geometry.InnerHeight == ok.Y + ok.Height + 15 && layout.Cancel.X == ok.Width + 5,
            "the gaps between the controls");
  }
}

void CheckPlacement(FuzzedDataProvider& data) {
  DialogGeometry geometry;
  geometry.WorkArea = {ConsumeCoordinate(data), ConsumeCoordinate(data), ConsumeCoordinate(data),
                       ConsumeCoordinate(data)};
  geometry.OuterWidth = ConsumeCoordinate(data);
  geometry.OuterHeight = ConsumeCoordinate(data);
  int64_t left = ConsumeCoordinate(data), top = ConsumeCoordinate(data);
  int64_t dx = ConsumeCoordinate(data), dy = ConsumeCoordinate(data);

  DialogGeometry again = geometry;
  PlaceWindow(geometry, left, top, dx, dy);
  PlaceWindow(again, left, top, dx, dy);
  Require(SameBytes(geometry, again), "the placement is deterministic");

  // Per axis: a window inside the area stays; one past the far edge stops
  // one pixel short of it; else it stops at the near edge.
  auto check = [](int64_t frame, int64_t offset, int64_t size, int64_t nearEdge, int64_t farEdge,
                  int64_t placed) {
    if (!IsModerate(frame) || !IsModerate(offset) || !IsModerate(size) || !IsModerate(nearEdge) ||
        !IsModerate(farEdge)) {
      return;
    }
    int64_t wanted = std::max(frame + offset, nearEdge);
    int64_t expected = wanted + size > farEdge ? farEdge - size - 1 : wanted;
    Require(placed == expected, "the window is held to the work area, near side first");
  };
  const ScreenRect& area = geometry.WorkArea;
  check(left, dx, geometry.OuterWidth, area.Left, area.Right, geometry.WindowX);
  check(top, dy, geometry.OuterHeight, area.Top, area.Bottom, geometry.WindowY);
}

void CheckRelayout(FuzzedDataProvider& data) {
  int64_t innerWidth = ConsumeCoordinate(data), buttonWidth = ConsumeCoordinate(data);
  Relayout relayout = RelayoutControls(innerWidth, buttonWidth);
  Relayout again = RelayoutControls(innerWidth, buttonWidth);
  Require(SameBytes(relayout, again), "the re-layout is deterministic");
  if (!IsModerate(innerWidth) || !IsModerate(buttonWidth)) return;
  Require(relayout.InputWidth == innerWidth - 20, "the field leaves 10 pixels each side");
  Require(relayout.CancelX == relayout.OkX + buttonWidth + 5, "5 pixels between the buttons");
  // Centred, with the spare pixel of an odd width lost toward zero.
  int64_t spare = innerWidth - 2 * buttonWidth - 5;
  Require(spare - 2 * relayout.OkX == spare % 2, "the pair is centred, truncating toward zero");
}

void CheckClampToInt32(int64_t value) {
  int64_t clamped = ClampToInt32(value);
  Require(clamped == std::clamp<int64_t>(value, INT32_MIN, INT32_MAX), "values clamp to 32 bits");
}

void CheckCentring(FuzzedDataProvider& data) {
  int64_t screenWidth = ConsumeCoordinate(data), screenHeight = ConsumeCoordinate(data);
  int64_t width = ConsumeCoordinate(data), height = ConsumeCoordinate(data);
  Position onScreen = CentreOnScreen(screenWidth, screenHeight, width, height);
  Require(SameBytes(onScreen, CentreOnScreen(screenWidth, screenHeight, width, height)),
          "screen centring is deterministic");
  if (width >= screenWidth) Require(onScreen.X == 0, "a window wider than the screen is at 0");
  if (height >= screenHeight) Require(onScreen.Y == 0, "a window taller than the screen is at 0");
  if (IsModerate(screenWidth) && IsModerate(width) && width < screenWidth) {
    Require(screenWidth - width - 2 * onScreen.X == (screenWidth - width) % 2,
            "the window is centred on the screen");
  }

  ScreenRect owner{ConsumeCoordinate(data), ConsumeCoordinate(data), ConsumeCoordinate(data),
                   ConsumeCoordinate(data)};
  Position onOwner = CentreOnOwner(owner, width, height);
  Require(SameBytes(onOwner, CentreOnOwner(owner, width, height)),
          "owner centring is deterministic");
  Require(onOwner.X >= 0 && onOwner.Y >= 0, "a negative position becomes 0");
  if (IsModerate(owner.Left) && IsModerate(owner.Right) && IsModerate(width)) {
    int64_t spare = owner.Right - owner.Left - width;
    Require(onOwner.X == std::max<int64_t>(owner.Left + spare / 2, 0),
            "the window is centred over its owner, truncating toward zero");
  }
}

}  // namespace
}  // namespace tovask

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tovask;
  FuzzedDataProvider provider(data, size);
  CheckPromptLines(ConsumeText(provider, 300));
  CheckControls(provider);
  CheckPlacement(provider);
  CheckRelayout(provider);
  CheckClampToInt32(ConsumeCoordinate(provider));
  CheckCentring(provider);
  return 0;
}
