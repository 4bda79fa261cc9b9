// The dialog's layout arithmetic: control rectangles from the measured prompt
// lines and the font size, the window's final position and the re-layout.
// Everything is signed 64-bit; products and sums saturate instead of
// overflowing, and divisions truncate toward zero.
#pragma once

#include <cstdint>
#include <vector>

#include "text/text.h"

namespace tovask {

struct Extent {
  int64_t Width = 0;
  int64_t Height = 0;
};

struct Bounds {
  int64_t X = 0;
  int64_t Y = 0;
  int64_t Width = 0;
  int64_t Height = 0;
};

struct ScreenRect {
  int64_t Left = 0;
  int64_t Top = 0;
  int64_t Right = 0;
  int64_t Bottom = 0;
};

struct DialogGeometry {
  ScreenRect WorkArea;
  int64_t TextWidth = 0;
  int64_t TextHeight = 0;
  int64_t EditHeight = 0;
  int64_t ButtonWidth = 0;
  int64_t ButtonHeight = 0;
  int64_t InnerWidth = 0;
  int64_t InnerHeight = 0;
  int64_t OuterWidth = 0;
  int64_t OuterHeight = 0;
  int64_t WindowX = 0;
  int64_t WindowY = 0;
};

// The controls where they are created; the buttons' x positions hold only
// until the first re-layout.
struct ControlLayout {
  Bounds Prompt;
  Bounds Input;
  Bounds Ok;
  Bounds Cancel;
};

// The texts to measure, one per prompt line: an empty line is measured as one
// space, and the empty line after a final line feed is not measured.
std::vector<Text> PromptLines(TextView prompt);

// Fills the text, control and inner sizes of `geometry` (its WorkArea must be
// set) from the extents of the prompt lines and the font size.
ControlLayout LayoutControls(DialogGeometry& geometry, const std::vector<Extent>& lineExtents,
                             int64_t fontSize);

// Fills WindowX and WindowY from the frame's current corner (OuterWidth and
// OuterHeight must be set), the offsets and the work area.
void PlaceWindow(DialogGeometry& geometry, int64_t frameLeft, int64_t frameTop, int64_t offsetX,
                 int64_t offsetY);

struct Relayout {
  int64_t InputWidth = 0;
  int64_t OkX = 0;
  int64_t CancelX = 0;
};

// The field spans the client width with 10 pixels each side; the buttons are
// centred as a pair with 5 pixels between them.
Relayout RelayoutControls(int64_t innerWidth, int64_t buttonWidth);

// Values handed to the window system are 32-bit; larger ones are clamped.
int32_t ClampToInt32(int64_t value);

}  // namespace tovask
