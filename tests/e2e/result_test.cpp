// The result as a script receives it: the template's replacements done by
// the real program, in the system's ANSI code page with its best-fit mapping.
#include <gtest/gtest.h>

#include "ansi_bytes.h"
#include "posted_input.h"
#include "running_dialog.h"

namespace {

TEST(Result, TemplateAndTypedTextReachStandardOutput) {
  struct Case { const char* label; std::wstring output, typed; std::wstring expected; };
  const Case cases[] = {
      {"quotes, token in capitals, line end", L"echo ''$INPUT''^", L"a b", L"echo \"a b\"\r\n"},
      {"every spelling of the token", L"$input-$Input-$INPUT", L"x", L"x-x-x"},
      {"typed caret becomes a line break", L"[$input]", L"1^2", L"[1\r\n2]"},
      {"typed apostrophes and token stay", L"$input", L"it''s $input", L"it''s $input"},
      {"in the code page", L"$input", L"caf\u00E9 \u20AC", L"caf\u00E9 \u20AC"},
      {"outside the code page: best fit or default", L"$input", L"\u0141\u00F3d\u017A \u4E2D",
       L"\u0141\u00F3d\u017A \u4E2D"},
  };
  for (const Case& c : cases) {
    RunningDialog dialog(TovaskCommand({c.output, L"Prompt", L"/english"}));
    ASSERT_NE(dialog.Window(), nullptr) << c.label;
    PostText(dialog.Window(), c.typed);
    PostKey(dialog.Window(), VK_RETURN);
    ASSERT_TRUE(dialog.Ends()) << c.label;
    EXPECT_EQ(dialog.Child().ExitCode(), 0u) << c.label;
    EXPECT_EQ(dialog.Child().Output(), AnsiBytes(c.expected)) << c.label;
  }
}

TEST(Result, NonAnsiCharactersNeverArriveAsUtf16OrUtf8) {
  RunningDialog dialog(TovaskCommand({L"$input", L"Prompt", L"\u0141\u4E2D", L"/english"}));
  ASSERT_NE(dialog.Window(), nullptr);
  PostKey(dialog.Window(), VK_RETURN);
  ASSERT_TRUE(dialog.Ends());
  // Two characters, one byte each: a best-fit letter and the default character.
  EXPECT_EQ(dialog.Child().Output().size(), 2u);
  EXPECT_EQ(dialog.Child().Output(), AnsiBytes(L"\u0141\u4E2D"));
}

TEST(Result, AcceptingAnEmptyFieldWithOnlyTheTokenWritesNothing) {
  RunningDialog dialog(TovaskCommand({L"$input", L"Prompt", L"/english"}));
  ASSERT_NE(dialog.Window(), nullptr);
  PostKey(dialog.Window(), VK_RETURN);
  ASSERT_TRUE(dialog.Ends());
  EXPECT_EQ(dialog.Child().ExitCode(), 0u);
  EXPECT_EQ(dialog.Child().Output(), "");
}

}  // namespace
