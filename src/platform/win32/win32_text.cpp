// UTF-8 to UTF-16 at the Win32 call: the program keeps its text in UTF-8.
#include "platform/win32/win32_text.h"

#include <windows.h>

std::wstring Utf16(const std::string& utf8) {
    const int bytes = static_cast<int>(utf8.size());
    const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), bytes, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), bytes, wide.data(), units);
    return wide;
}
