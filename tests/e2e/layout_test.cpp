// The control rectangles and the client size, computed from the prompt as
// the dialog's font measures it: the prompt's lines, the field below, the
// buttons centred under it, all sized from the font size in points.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "controls.h"
#include "dialog_font.h"
#include "placement.h"
#include "poll.h"
#include "running_dialog.h"

namespace {

// The lines the dialog measures: split at line feeds, without the empty line
// after a final line feed, an empty line measured as one space.
std::vector<std::wstring> MeasuredLines(const std::wstring& prompt) {
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = prompt.find(L'\n', start);
    std::wstring line = prompt.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
    lines.push_back(line.empty() ? L" " : line);
    if (end == std::wstring::npos || end + 1 == prompt.size()) break;
    start = end + 1;
  }
  return lines;
}

struct Expected {
  Bounds Prompt, Field, Ok, Cancel;
  LONG ClientWidth, ClientHeight;
};

Expected ExpectedLayout(const std::wstring& prompt, int fontSize) {
  DialogFont font(fontSize);
  LONG textWidth = 280, textHeight = 0;
  for (const std::wstring& line : MeasuredLines(prompt)) {
    SIZE extent = font.Measure(line);
    textHeight += extent.cy;
    textWidth = std::max(textWidth, extent.cx);
  }
  textWidth += 5;
  textHeight += 8;

  LONG editHeight = fontSize * 22 / 9, buttonHeight = fontSize * 25 / 9, buttonWidth = fontSize * 90 / 9;
  LONG fieldY = 15 + textHeight + 10, buttonY = fieldY + editHeight + 15;
  LONG width = std::min(textWidth + 20, WorkArea().right);
  LONG buttonX = (width - 2 * buttonWidth - 5) / 2;
  return {{10, 15, textWidth, textHeight},
          {10, fieldY, width - 20, editHeight},
          {buttonX, buttonY, buttonWidth, buttonHeight},
          {buttonX + buttonWidth + 5, buttonY, buttonWidth, buttonHeight},
          width,
          buttonY + buttonHeight + 15};
}

TEST(Layout, ControlsFollowThePromptAndTheFontSize) {
  const std::wstring wide(60, L'W');
  struct Case { const char* label; std::wstring prompt; std::wstring options; int fontSize; std::wstring shown; };
  const Case cases[] = {
      {"one short line", L"Name:", L"", 9, L"Name:"},
      {"empty prompt", L"", L"", 9, L""},
      {"final line feed not measured", L"Name:^", L"", 9, L"Name:\n"},
      {"two final line feeds", L"Name:^^", L"", 9, L"Name:\n\n"},
      {"empty line between", L"First^^Third", L"", 9, L"First\n\nThird"},
      {"quote and lines", L"a''b^c", L"", 9, L"a\"b\nc"},
      {"wide line decides the width", L"Short^" + wide, L"", 9, L"Short\n" + wide},
      {"font size 12, three lines", L"One^" + wide + L"^Three", L"/fs=12", 12, L"One\n" + wide + L"\nThree"},
      {"font size 8", L"Name:", L"/fs=8", 8, L"Name:"},
      {"wider than the work area", std::wstring(400, L'W'), L"", 9, std::wstring(400, L'W')},
  };
  for (const Case& c : cases) {
    RunningDialog dialog(TovaskCommand({L"x=$input", c.prompt}) + L" " + c.options);
    ASSERT_NE(dialog.Window(), nullptr) << c.label << ": no dialog appeared";
    EXPECT_EQ(WindowText(dialog.Control(PromptTextId)), c.shown) << c.label;

    Expected expected = ExpectedLayout(c.shown, c.fontSize);
    RECT client = ClientRect(dialog.Window());
    EXPECT_EQ(client.right, expected.ClientWidth) << c.label << ": client width";
    EXPECT_EQ(client.bottom, expected.ClientHeight) << c.label << ": client height";
    EXPECT_EQ(BoundsOf(ControlRect(dialog.Control(PromptTextId))), expected.Prompt) << c.label << ": PromptText";
    EXPECT_EQ(BoundsOf(ControlRect(dialog.Control(InputFieldId))), expected.Field) << c.label << ": InputField";
    EXPECT_EQ(BoundsOf(ControlRect(dialog.Control(OkButtonId))), expected.Ok) << c.label << ": OkButton";
    EXPECT_EQ(BoundsOf(ControlRect(dialog.Control(CancelButtonId))), expected.Cancel) << c.label << ": CancelButton";
  }
}

}  // namespace
