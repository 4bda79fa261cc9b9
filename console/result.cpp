#include "console/result.h"

namespace tovask {

Text ResultText(TextView outputString, TextView typed) {
  Text result = ReplaceText(outputString, u"''", u"\"");
  result = ReplaceText(result, u"$input", typed, ReplaceMode::IgnoreCase);
  return ReplaceText(result, u"^", u"\r\n");
}

}  // namespace tovask
