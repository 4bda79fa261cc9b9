// Writing the result to standard output in the system's ANSI code page.
#pragma once

#include "text/text.h"

namespace tovask {

void WriteResult(TextView outputString, TextView typed);

}  // namespace tovask
