// The result written on OK: the output template with the typed text in it.
#pragma once

#include "text/text.h"

namespace tovask {

// Two apostrophes become a double quote, then "$input" in any mix of capitals
// becomes the typed text, then every "^" (also a typed one) becomes CR LF.
Text ResultText(TextView outputString, TextView typed);

}  // namespace tovask
