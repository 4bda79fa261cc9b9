#include "dialog/layout.h"

#include <gtest/gtest.h>

#include <climits>

namespace tovask {
namespace {

void ExpectBounds(const Bounds& actual, const Bounds& expected, const char* label) {
  EXPECT_EQ(actual.X, expected.X) << label;
  EXPECT_EQ(actual.Y, expected.Y) << label;
  EXPECT_EQ(actual.Width, expected.Width) << label;
  EXPECT_EQ(actual.Height, expected.Height) << label;
}

DialogGeometry WithWorkArea(ScreenRect area) {
  DialogGeometry geometry;
  geometry.WorkArea = area;
  return geometry;
}

TEST(PromptLines, MeasuresEveryLineButTheOneAfterAFinalLineFeed) {
  struct Case { const char* label; TextView prompt; std::vector<Text> lines; };
  const Case cases[] = {
      {"empty prompt", u"", {u" "}},
      {"one line", u"Name:", {u"Name:"}},
      {"final line feed", u"Name:\n", {u"Name:"}},
      {"two final line feeds", u"Name:\n\n", {u"Name:", u" "}},
      {"empty line between", u"a\n\nb", {u"a", u" ", u"b"}},
      {"two lines", u"a\nb", {u"a", u"b"}},
      {"only a line feed", u"\n", {u" "}},
      {"leading empty line", u"\na", {u" ", u"a"}},
  };
  for (const Case& c : cases) EXPECT_EQ(PromptLines(c.prompt), c.lines) << c.label;
}

TEST(Layout, WorkedExamples) {
  struct Case {
    const char* label;
    std::vector<Extent> lines;
    int64_t fontSize;
    Bounds prompt, input, ok, cancel;
    int64_t innerWidth, innerHeight;
    Relayout relayout;
  };
  const Case cases[] = {
      {"font 9, one line", {{200, 14}}, 9, {10, 15, 285, 22}, {10, 47, 285, 22}, {0, 84, 90, 25},
       {95, 84, 90, 25}, 305, 124, {285, 60, 155}},
      {"font 12, two lines", {{320, 16}, {150, 16}}, 12, {10, 15, 325, 40}, {10, 65, 325, 29},
       {0, 109, 120, 33}, {125, 109, 120, 33}, 345, 157, {325, 50, 175}},
      {"font 0 hides field and buttons", {{10, 13}}, 0, {10, 15, 285, 21}, {10, 46, 285, 0},
       {0, 61, 0, 0}, {5, 61, 0, 0}, 305, 76, {285, 150, 155}},
  };
  for (const Case& c : cases) {
    DialogGeometry geometry = WithWorkArea({0, 0, 1280, 1000});
    ControlLayout layout = LayoutControls(geometry, c.lines, c.fontSize);
    ExpectBounds(layout.Prompt, c.prompt, c.label);
    ExpectBounds(layout.Input, c.input, c.label);
    ExpectBounds(layout.Ok, c.ok, c.label);
    ExpectBounds(layout.Cancel, c.cancel, c.label);
    EXPECT_EQ(geometry.InnerWidth, c.innerWidth) << c.label;
    EXPECT_EQ(geometry.InnerHeight, c.innerHeight) << c.label;
    Relayout relayout = RelayoutControls(geometry.InnerWidth, geometry.ButtonWidth);
    EXPECT_EQ(relayout.InputWidth, c.relayout.InputWidth) << c.label;
    EXPECT_EQ(relayout.OkX, c.relayout.OkX) << c.label;
    EXPECT_EQ(relayout.CancelX, c.relayout.CancelX) << c.label;
  }
}

TEST(Layout, SizesByFontSize) {
  struct Case { int64_t fontSize, editHeight, buttonHeight, buttonWidth; };
  const Case cases[] = {{8, 19, 22, 80}, {9, 22, 25, 90}, {10, 24, 27, 100}, {12, 29, 33, 120},
                        {14, 34, 38, 140}, {-5, -12, -13, -50}};
  for (const Case& c : cases) {
    DialogGeometry geometry = WithWorkArea({0, 0, 1280, 1000});
    LayoutControls(geometry, {{1, 1}}, c.fontSize);
    EXPECT_EQ(geometry.EditHeight, c.editHeight) << c.fontSize;
    EXPECT_EQ(geometry.ButtonHeight, c.buttonHeight) << c.fontSize;
    EXPECT_EQ(geometry.ButtonWidth, c.buttonWidth) << c.fontSize;
  }
}

TEST(Layout, WidthIsHeldToTheWorkAreasRightCoordinate) {
  DialogGeometry geometry = WithWorkArea({100, 0, 600, 1000});
  ControlLayout layout = LayoutControls(geometry, {{900, 14}, {30, 14}}, 9);
  EXPECT_EQ(layout.Prompt.Width, 905);  // clipped by the window, not narrowed
  EXPECT_EQ(geometry.TextHeight, 36);
  EXPECT_EQ(geometry.InnerWidth, 600);  // the right coordinate, not the width 500
  Relayout relayout = RelayoutControls(geometry.InnerWidth, geometry.ButtonWidth);
  EXPECT_EQ(relayout.InputWidth, 580);
  EXPECT_EQ(relayout.OkX, 207);
}

TEST(Relayout, ButtonsWiderThanTheWindowStartLeftOfIt) {
  struct Case { const char* label; int64_t innerWidth, buttonWidth, okX; };
  const Case cases[] = {
      {"font 16", 305, 160, -10},
      {"font 20", 305, 200, -50},
      {"numerator -1 truncates to 0", 304, 150, 0},
      {"numerator -21 truncates to -10", 304, 160, -10},
  };
  for (const Case& c : cases) {
    Relayout relayout = RelayoutControls(c.innerWidth, c.buttonWidth);
    EXPECT_EQ(relayout.OkX, c.okX) << c.label;
    EXPECT_EQ(relayout.CancelX, c.okX + c.buttonWidth + 5) << c.label;
  }
}

TEST(PlaceWindow, OffsetsAreClampedToTheWorkArea) {
  struct Case { const char* label; ScreenRect area; int64_t left, top, dx, dy, x, y; };
  const ScreenRect area{0, 0, 1280, 984};
  const Case cases[] = {
      {"no offset", area, 400, 300, 0, 0, 400, 300},
      {"offsets added", area, 400, 300, -40, 25, 360, 325},
      {"far right stops one pixel short", area, 400, 300, 5000, 0, 1280 - 311 - 1, 300},
      {"far down stops one pixel short", area, 400, 300, 0, 5000, 400, 984 - 150 - 1},
      {"far left stops at the edge", area, 400, 300, -5000, -5000, 0, 0},
      {"work area not at the origin", {50, 30, 1280, 984}, 400, 300, -5000, -5000, 50, 30},
      {"huge offsets saturate", area, 400, 300, INT64_MAX, INT64_MIN, 1280 - 311 - 1, 0},
      {"window larger than the area", {0, 0, 200, 100}, 0, 0, 0, 0, 200 - 311 - 1, 100 - 150 - 1},
  };
  for (const Case& c : cases) {
    DialogGeometry geometry = WithWorkArea(c.area);
    geometry.OuterWidth = 311;
    geometry.OuterHeight = 150;
    PlaceWindow(geometry, c.left, c.top, c.dx, c.dy);
    EXPECT_EQ(geometry.WindowX, c.x) << c.label;
    EXPECT_EQ(geometry.WindowY, c.y) << c.label;
  }
}

TEST(Layout, ExtremeFontSizesSaturateAndClampToInt32) {
  DialogGeometry geometry = WithWorkArea({0, 0, 1280, 1000});
  LayoutControls(geometry, {{1, 1}}, INT64_MAX);
  EXPECT_EQ(geometry.ButtonWidth, INT64_MAX / 9);
  EXPECT_EQ(geometry.InnerHeight, 15 + 9 + 10 + 2 * (INT64_MAX / 9) + 15 + 15);
  EXPECT_EQ(ClampToInt32(geometry.InnerHeight), INT32_MAX);
  EXPECT_EQ(ClampToInt32(INT64_MIN), INT32_MIN);
  EXPECT_EQ(ClampToInt32(-7), -7);
  Relayout relayout = RelayoutControls(305, geometry.ButtonWidth);
  EXPECT_LT(relayout.OkX, 0);
}

}  // namespace
}  // namespace tovask
