#include "dialog/layout.h"

#include <climits>

#include "dialog/saturating.h"

namespace tovask {

namespace {

constexpr int64_t MinimumTextWidth = 280;
constexpr int64_t TextWidthMargin = 5;
constexpr int64_t TextHeightMargin = 8;
constexpr int64_t LeftMargin = 10;
constexpr int64_t TopMargin = 15;
constexpr int64_t PromptToFieldGap = 10;
constexpr int64_t FieldToButtonGap = 15;
constexpr int64_t BottomMargin = 15;
constexpr int64_t HorizontalAllowance = 20;
constexpr int64_t ButtonGap = 5;

// The field and button sizes scale with the font size in points, not with
// the font's pixel height.
int64_t Scaled(int64_t fontSize, int64_t factor) { return SaturatingMul(fontSize, factor) / 9; }

// Keeps a window coordinate inside the work area: the near side first, then
// the far side, which stops one pixel short of the edge.
int64_t ClampToWorkArea(int64_t position, int64_t size, int64_t nearEdge, int64_t farEdge) {
  if (position < nearEdge) position = nearEdge;
  if (SaturatingAdd(position, size) > farEdge) {
    position = SaturatingSub(SaturatingSub(farEdge, size), 1);
  }
  return position;
}

}  // namespace

std::vector<Text> PromptLines(TextView prompt) {
  std::vector<Text> lines;
  int64_t remaining = TextLength(prompt);
  int64_t index = 1;
  do {
    Text line = FieldText(prompt, index, u'\n');
    ++index;
    remaining -= TextLength(line) + 1;
    lines.push_back(line.empty() ? Text(u" ") : line);
  } while (remaining > 0);
  return lines;
}

ControlLayout LayoutControls(DialogGeometry& geometry, const std::vector<Extent>& lineExtents,
                             int64_t fontSize) {
  geometry.TextWidth = MinimumTextWidth;
  geometry.TextHeight = 0;
  for (const Extent& extent : lineExtents) {
    geometry.TextHeight = SaturatingAdd(geometry.TextHeight, extent.Height);
    if (extent.Width > geometry.TextWidth) geometry.TextWidth = extent.Width;
  }
  geometry.TextWidth = SaturatingAdd(geometry.TextWidth, TextWidthMargin);
  geometry.TextHeight = SaturatingAdd(geometry.TextHeight, TextHeightMargin);

  ControlLayout layout;
  layout.Prompt = {LeftMargin, TopMargin, geometry.TextWidth, geometry.TextHeight};

  int64_t y = SaturatingAdd(TopMargin + PromptToFieldGap, geometry.TextHeight);
  geometry.EditHeight = Scaled(fontSize, 22);
  layout.Input = {LeftMargin, y, geometry.TextWidth, geometry.EditHeight};

  y = SaturatingAdd(SaturatingAdd(y, geometry.EditHeight), FieldToButtonGap);
  geometry.ButtonHeight = Scaled(fontSize, 25);
  geometry.ButtonWidth = Scaled(fontSize, 90);
  layout.Ok = {0, y, geometry.ButtonWidth, geometry.ButtonHeight};
  layout.Cancel = {SaturatingAdd(geometry.ButtonWidth, ButtonGap), y, geometry.ButtonWidth,
                   geometry.ButtonHeight};

  geometry.InnerHeight = SaturatingAdd(SaturatingAdd(y, geometry.ButtonHeight), BottomMargin);
  geometry.InnerWidth = SaturatingAdd(geometry.TextWidth, HorizontalAllowance);
  // Only the width is held to the work area, and against its right
  // coordinate, not its width.
  if (geometry.InnerWidth > geometry.WorkArea.Right) geometry.InnerWidth = geometry.WorkArea.Right;
  return layout;
}

void PlaceWindow(DialogGeometry& geometry, int64_t frameLeft, int64_t frameTop, int64_t offsetX,
                 int64_t offsetY) {
  const ScreenRect& area = geometry.WorkArea;
  geometry.WindowX = ClampToWorkArea(SaturatingAdd(frameLeft, offsetX), geometry.OuterWidth,
                                     area.Left, area.Right);
  geometry.WindowY = ClampToWorkArea(SaturatingAdd(frameTop, offsetY), geometry.OuterHeight,
                                     area.Top, area.Bottom);
}

Relayout RelayoutControls(int64_t innerWidth, int64_t buttonWidth) {
  Relayout result;
  result.InputWidth = SaturatingSub(innerWidth, HorizontalAllowance);
  int64_t pairWidth = SaturatingAdd(SaturatingMul(buttonWidth, 2), ButtonGap);
  result.OkX = SaturatingSub(innerWidth, pairWidth) / 2;
  result.CancelX = SaturatingAdd(SaturatingAdd(result.OkX, buttonWidth), ButtonGap);
  return result;
}

int32_t ClampToInt32(int64_t value) {
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(value);
}

}  // namespace tovask
