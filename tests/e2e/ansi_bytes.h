// The bytes the program must write for a result: the text in the system's
// ANSI code page, with the system's best-fit mapping.
#pragma once

#include <string>

std::string AnsiBytes(const std::wstring& text);
