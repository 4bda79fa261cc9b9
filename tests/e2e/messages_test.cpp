// The message roads, observed from outside: exact bytes on standard error
// (UTF-16LE on a pipe), nothing on standard output, exit code 255.
#include <gtest/gtest.h>

#include "child_process.h"

namespace {

const std::wstring Usage =
    L"Console (CMD script) input\r\n"
    L"Syntax:\r\n"
    L"    Tovask [TitleString] OutputString PromptString [InitialString] [Options] \r\n"
    L"For details see Tovask.txt\r\n";

std::wstring Banner() { return L"Tovask ver. 1.42/x64 - an input box for command scripts\r\n"; }

TEST(Messages, EachRoadPrintsItsMessage) {
  struct Case { const char* label; std::wstring commandLine; std::wstring message; };
  const Case cases[] = {
      {"no parameters", L"Tovask", Banner() + Usage},
      {"only spaces after name", L"Tovask   ", Banner() + Usage},
      {"one parameter without token", L"Tovask x", Banner() + Usage},
      {"title and empty output", L"Tovask Title \"\"", Banner() + Usage},
      {"missing token", L"Tovask \"My title\" \"no token\"", L"$input token is required in OutputString"},
      {"second unplaced parameter", L"Tovask \"echo $input\" Name? abc def", L"Invalid Option: def"},
      {"two unknown options", L"Tovask \"echo $input\" Name? /bogus /other", L"Invalid Option: /other"},
      {"parameter as written", L"Tovask $input p a /Xyz:1", L"Invalid Option: /Xyz:1"},
      {"quoted name followed by text", L"\"C:\\Tovask.exe\"$input p a b", L"Invalid Option: b"},
      {"tab inside a parameter", L"Tovask $input p a x\ty", L"Invalid Option: x\ty"},
      {"backslash before a quote", L"Tovask $input p a \"C:\\dir\\\" x", L"Invalid Option: C:\\dir\\"},
      {"quotes removed and joined", L"Tovask $input p a ab\"c d\"e", L"Invalid Option: abc de"},
      {"text right after closing quote", L"Tovask $input p \"a\"b", L"Invalid Option: b"},
      {"non-ASCII parameter", L"Tovask $input p a \u00E9\u4E2D\U0001F600", L"Invalid Option: \u00E9\u4E2D\U0001F600"},
  };
  for (const Case& c : cases) {
    ChildRun run = RunTovask(c.commandLine);
    ASSERT_TRUE(run.Finished) << c.label;
    EXPECT_EQ(run.ExitCode, 255u) << c.label;
    EXPECT_EQ(run.Error, Utf16Bytes(c.message + L"\n")) << c.label;
    EXPECT_EQ(run.Output, "") << c.label;
  }
}

}  // namespace
