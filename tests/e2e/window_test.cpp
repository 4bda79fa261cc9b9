// The dialog window: its class, frame, title, owner and place on the screen.
#include <gtest/gtest.h>

#include "controls.h"
#include "placement.h"
#include "poll.h"
#include "running_dialog.h"

namespace {

const wchar_t ConsoleTitle[] = L"Tovask test console";

TEST(Window, ClassAndFrameAllowNeitherSizingNorMinimisingNorMaximising) {
  RunningDialog dialog(TovaskCommand({L"Title", L"x=$input", L"Prompt"}));
  ASSERT_NE(dialog.Window(), nullptr) << "no dialog appeared";
  EXPECT_EQ(ClassName(dialog.Window()), L"WindowClass_0");
  DWORD style = Style(dialog.Window());
  EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
  EXPECT_EQ(style & WS_SYSMENU, static_cast<DWORD>(WS_SYSMENU));
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CHILD), 0u) << std::hex << style;
  EXPECT_NE(ExStyle(dialog.Window()) & WS_EX_TOPMOST, 0u) << "the dialog is not topmost";
}

TEST(Window, TitleIsTheFirstParameterWithoutTheToken) {
  struct Case { const char* label; std::wstring commandLine; std::wstring title; };
  const Case cases[] = {
      {"title given", TovaskCommand({L"My title", L"x=$input", L"Prompt"}), L"My title"},
      {"no title", TovaskCommand({L"$INPUT"}), L"Tovask"},
      {"empty title", TovaskCommand({L"", L"echo $input", L"Prompt"}), L""},
      {"option-like title", TovaskCommand({L"/screen", L"echo $input", L"Name?"}), L"/screen"},
  };
  for (const Case& c : cases) {
    RunningDialog dialog(c.commandLine);
    ASSERT_NE(dialog.Window(), nullptr) << c.label << ": no dialog appeared";
    EXPECT_EQ(WindowText(dialog.Window()), c.title) << c.label;
  }
}

// The console the child runs in decides the owner and the centring.
enum class Console { Own, None };

TEST(Window, OwnerAndPlacementFollowTheConsoleAndTheOffsets) {
  struct Case { const char* label; Console console; std::wstring options; bool onScreen; LONG dx, dy; };
  const Case cases[] = {
      {"over its console", Console::Own, L"/english", false, 0, 0},
      {"/screen with a console", Console::Own, L"/screen", true, 0, 0},
      {"offsets over its console", Console::Own, L"/dx=-40 /dy=25", false, -40, 25},
      {"no console", Console::None, L"/english", true, 0, 0},
      {"offsets without a console", Console::None, L"/dx=33 /dy=-21", true, 33, -21},
      {"pushed past the right and bottom edges", Console::None, L"/dx=5000 /dy=5000", true, 5000, 5000},
      {"pushed past the left and top edges", Console::None, L"/dx=-5000 /dy=-5000", true, -5000, -5000},
  };
  for (const Case& c : cases) {
    ChildOptions options;
    options.CommandLine = TovaskCommand({L"Placed", L"x=$input", L"Prompt"}) + L" " + c.options;
    options.NewConsole = c.console == Console::Own;
    options.ConsoleTitle = ConsoleTitle;
    options.Detached = c.console == Console::None;
    RunningDialog dialog(options);
    ASSERT_NE(dialog.Window(), nullptr) << c.label << ": no dialog appeared";

    HWND console = c.console == Console::Own ? FindWindowW(nullptr, ConsoleTitle) : nullptr;
    if (c.console == Console::Own) {
      ASSERT_NE(console, nullptr) << c.label << ": the console window is missing";
    }
    EXPECT_EQ(Owner(dialog.Window()), console) << c.label;

    RECT frame;
    GetWindowRect(dialog.Window(), &frame);
    RECT client = ClientRect(dialog.Window());
    SIZE outer = OuterSize(client.right, client.bottom);
    EXPECT_EQ(frame.right - frame.left, outer.cx) << c.label;
    EXPECT_EQ(frame.bottom - frame.top, outer.cy) << c.label;

    POINT expected = FinalCorner(CentredCorner(c.onScreen ? nullptr : console), c.dx, c.dy, outer);
    EXPECT_EQ(frame.left, expected.x) << c.label;
    EXPECT_EQ(frame.top, expected.y) << c.label;
  }
}

}  // namespace
