// The dialog driven from the keyboard and the mouse, as a user meets it:
// which actions end it with which exit code and output, which do nothing,
// and how the focus moves.
#include <gtest/gtest.h>

#include <functional>

#include "controls.h"
#include "poll.h"
#include "running_dialog.h"
#include "user_input.h"

namespace {

const std::wstring AnnaRun = TovaskCommand({L"Your name", L"set name=$input^", L"Name:", L"Anna", L"/english"});

bool FocusIs(RunningDialog& dialog, int id) {
  return PollUntil([&] { return FocusOf(dialog.Window()) == dialog.Control(id); }, 3000);
}

TEST(Keys, TypicalRunTypesOverTheSelectionAndAcceptsWithEnter) {
  RunningDialog dialog(AnnaRun);
  ASSERT_NE(dialog.Window(), nullptr) << "no dialog appeared";
  EXPECT_EQ(WindowText(dialog.Window()), L"Your name");
  EXPECT_EQ(WindowText(dialog.Control(PromptTextId)), L"Name:");
  EXPECT_EQ(WindowText(dialog.Control(InputFieldId)), L"Anna");
  EXPECT_EQ(EditSelection(dialog.Control(InputFieldId)), (Selection{0, 4})) << "initial text not all selected";

  ASSERT_TRUE(TypeText(dialog.Window(), L"Bob"));
  EXPECT_TRUE(PollUntil([&] { return WindowText(dialog.Control(InputFieldId)) == L"Bob"; }, 3000))
      << "typing did not replace the selection: " << testing::PrintToString(WindowText(dialog.Control(InputFieldId)));
  ASSERT_TRUE(PressKey(dialog.Window(), VK_RETURN));
  ASSERT_TRUE(dialog.Ends());
  EXPECT_EQ(dialog.Child().ExitCode(), 0u);
  EXPECT_EQ(dialog.Child().Output(), "set name=Bob\r\n");
  EXPECT_EQ(dialog.Child().Error(), "");
}

// One way of ending the dialog: what the user does once it is ready.
using Action = std::function<bool(RunningDialog&)>;

Action Keys(std::vector<WORD> keys) {
  return [keys](RunningDialog& dialog) {
    for (WORD key : keys) {
      if (!PressKey(dialog.Window(), key)) return false;
    }
    return true;
  };
}

Action Click(int id) {
  return [id](RunningDialog& dialog) { return ClickControl(dialog.Window(), dialog.Control(id)); };
}

bool ClickCloseBox(RunningDialog& dialog) {
  POINT point;
  return CloseBoxPoint(dialog.Window(), point) && ClickAt(dialog.Window(), point);
}

TEST(Keys, EachWayOfEndingGivesItsOutcome) {
  struct Case { const char* label; Action act; DWORD exitCode; std::string output; };
  const std::string accepted = "set name=Anna\r\n";
  const Case cases[] = {
      {"Enter", Keys({VK_RETURN}), 0, accepted},
      {"Enter of the keypad",
       [](RunningDialog& dialog) { return PressKey(dialog.Window(), VK_RETURN, {}, true); }, 0, accepted},
      {"Escape", Keys({VK_ESCAPE}), 1, ""},
      {"click on OK", Click(OkButtonId), 0, accepted},
      {"click on Cancel", Click(CancelButtonId), 1, ""},
      {"click on the close box", ClickCloseBox, 1, ""},
      {"Alt+F4", [](RunningDialog& dialog) { return PressKey(dialog.Window(), VK_F4, {VK_MENU}); }, 1, ""},
      {"Enter with Cancel focused", Keys({VK_TAB, VK_TAB, VK_RETURN}), 0, accepted},
      {"Escape with OK focused", Keys({VK_TAB, VK_ESCAPE}), 1, ""},
      {"Space on OK", Keys({VK_TAB, VK_SPACE}), 0, accepted},
      {"Space on Cancel", Keys({VK_TAB, VK_TAB, VK_SPACE}), 1, ""},
  };
  for (const Case& c : cases) {
    RunningDialog dialog(AnnaRun);
    ASSERT_NE(dialog.Window(), nullptr) << c.label << ": no dialog appeared";
    ASSERT_TRUE(c.act(dialog)) << c.label << ": the action could not be done";
    ASSERT_TRUE(dialog.Ends()) << c.label << ": the dialog did not end";
    EXPECT_EQ(dialog.Child().ExitCode(), c.exitCode) << c.label;
    EXPECT_EQ(dialog.Child().Output(), c.output) << c.label;
  }
}

TEST(Keys, EnterWithModifiersDoesNotEndTheDialog) {
  struct Case { const char* label; WORD modifier; };
  const Case cases[] = {{"Shift+Enter", VK_SHIFT}, {"Ctrl+Enter", VK_CONTROL}};
  for (const Case& c : cases) {
    RunningDialog dialog(AnnaRun);
    ASSERT_NE(dialog.Window(), nullptr) << c.label << ": no dialog appeared";
    ASSERT_TRUE(PressKey(dialog.Window(), VK_RETURN, {c.modifier}));
    // Input is handled in order: once the typed mark is in the field, the
    // key before it has been handled too.
    ASSERT_TRUE(TypeText(dialog.Window(), L"z"));
    EXPECT_TRUE(PollUntil([&] { return WindowText(dialog.Control(InputFieldId)) == L"z"; }, 3000)) << c.label;
    EXPECT_EQ(WaitForSingleObject(dialog.Child().Process(), 0), static_cast<DWORD>(WAIT_TIMEOUT))
        << c.label << " ended the dialog";
    ASSERT_TRUE(PressKey(dialog.Window(), VK_ESCAPE));
    ASSERT_TRUE(dialog.Ends()) << c.label;
    EXPECT_EQ(dialog.Child().ExitCode(), 1u) << c.label;
  }
}

TEST(Keys, TabAndShiftTabCycleTheThreeTabStops) {
  RunningDialog dialog(AnnaRun);
  ASSERT_NE(dialog.Window(), nullptr) << "no dialog appeared";
  struct Step { const char* label; bool shift; int focus; };
  const Step steps[] = {
      {"Tab from the field", false, OkButtonId},     {"Tab from OK", false, CancelButtonId},
      {"Tab from Cancel", false, InputFieldId},      {"Shift+Tab from the field", true, CancelButtonId},
      {"Shift+Tab from Cancel", true, OkButtonId},   {"Shift+Tab from OK", true, InputFieldId},
  };
  for (const Step& step : steps) {
    ASSERT_TRUE(step.shift ? PressKey(dialog.Window(), VK_TAB, {VK_SHIFT}) : PressKey(dialog.Window(), VK_TAB));
    EXPECT_TRUE(FocusIs(dialog, step.focus)) << step.label;
  }
  ASSERT_TRUE(PressKey(dialog.Window(), VK_ESCAPE));
  ASSERT_TRUE(dialog.Ends());
}

}  // namespace
