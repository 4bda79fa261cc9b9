#include "dialog/captions.h"

#include <gtest/gtest.h>

namespace tovask {
namespace {

Text SystemWords(int64_t id) { return id == OkCaptionId ? u"Okay" : u"Abbrechen"; }
Text Unreadable(int64_t) { return Text(); }
Text Unexpected(int64_t) {
  ADD_FAILURE() << "no system string may be read with /english";
  return Text();
}

TEST(Captions, SystemWordsOrEnglish) {
  Captions system = ChooseCaptions(false, SystemWords);
  EXPECT_EQ(system.Ok, u"Okay");
  EXPECT_EQ(system.Cancel, u"Abbrechen");
  Captions english = ChooseCaptions(true, Unexpected);
  EXPECT_EQ(english.Ok, u"OK");
  EXPECT_EQ(english.Cancel, u"Cancel");
  // A string that cannot be read gives an empty caption, not the English one.
  Captions empty = ChooseCaptions(false, Unreadable);
  EXPECT_EQ(empty.Ok, u"");
  EXPECT_EQ(empty.Cancel, u"");
}

TEST(Captions, ModuleById) {
  struct Case { int64_t id; TextView module; };
  const Case cases[] = {{800, u"user32"}, {801, u"user32"}, {368, u"user32"}, {369, u"comdlg32"},
                        {385, u"comdlg32"}, {386, u"user32"}, {4129, u"user32"}, {4130, u"shell32"}};
  for (const Case& c : cases) EXPECT_EQ(CaptionModule(c.id), c.module) << c.id;
}

}  // namespace
}  // namespace tovask
