// UTF-8 to UTF-16 at the Win32 call: the program keeps its text in UTF-8.
#pragma once

#include <string>

std::wstring Utf16(const std::string& utf8);
