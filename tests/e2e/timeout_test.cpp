// The time-out: it accepts the text shown unless the text was edited; moving
// the caret or the focus does not count as an edit.
#include <gtest/gtest.h>

#include <vector>

#include "controls.h"
#include "poll.h"
#include "running_dialog.h"
#include "user_input.h"

namespace {

TEST(Timeout, AcceptsTheShownTextWhenNothingWasEdited) {
  struct Key { WORD key; bool shift; };
  struct Case { const char* label; std::vector<Key> keys; };
  const Case cases[] = {
      {"no action", {}},
      {"caret moves and a selection", {{VK_END, false}, {VK_HOME, false}, {VK_END, true}}},
      {"Tab and Shift+Tab", {{VK_TAB, false}, {VK_TAB, false}, {VK_TAB, true}}},
  };
  for (const Case& c : cases) {
    RunningDialog dialog(TovaskCommand({L"set name=$input^", L"Name:", L"Anna", L"/timeout=1"}));
    ASSERT_NE(dialog.Window(), nullptr) << c.label << ": no dialog appeared";
    for (const Key& key : c.keys) {
      ASSERT_TRUE(key.shift ? PressKey(dialog.Window(), key.key, {VK_SHIFT}) : PressKey(dialog.Window(), key.key))
          << c.label;
    }
    ASSERT_TRUE(dialog.Ends()) << c.label << ": the time-out did not end the dialog";
    EXPECT_EQ(dialog.Child().ExitCode(), 0u) << c.label;
    EXPECT_EQ(dialog.Child().Output(), "set name=Anna\r\n") << c.label;
  }
}

TEST(Timeout, OneEditStopsItForGood) {
  const DWORD timeoutMs = 2000;
  RunningDialog dialog(TovaskCommand({L"set name=$input^", L"Name:", L"Anna", L"/timeout=2"}));
  ASSERT_NE(dialog.Window(), nullptr) << "no dialog appeared";
  HWND field = dialog.Control(InputFieldId);
  // A character typed after the text and deleted again: the text is as
  // before, but it was edited.
  ASSERT_TRUE(PressKey(dialog.Window(), VK_END));
  ASSERT_TRUE(TypeText(dialog.Window(), L"z"));
  ASSERT_TRUE(PollUntil([&] { return WindowText(field) == L"Annaz"; }, 3000)) << "the typed character did not arrive";
  ASSERT_TRUE(PressKey(dialog.Window(), VK_BACK));
  ASSERT_TRUE(PollUntil([&] { return WindowText(field) == L"Anna"; }, 3000)) << "the character was not deleted";

  EXPECT_EQ(WaitForSingleObject(dialog.Child().Process(), 2 * timeoutMs), static_cast<DWORD>(WAIT_TIMEOUT))
      << "the time-out ended the dialog after an edit";
  ASSERT_TRUE(PressKey(dialog.Window(), VK_RETURN));
  ASSERT_TRUE(dialog.Ends());
  EXPECT_EQ(dialog.Child().ExitCode(), 0u);
  EXPECT_EQ(dialog.Child().Output(), "set name=Anna\r\n");
}

}  // namespace
