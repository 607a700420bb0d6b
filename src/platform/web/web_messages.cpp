// The program's messages in the page: in the language the page chose from the browser's, from the
// page's own table of words (orrery.html.in), which has them in Korean.
#include <emscripten.h>

#include <cstdlib>
#include <map>
#include <string>

#include "platform/window_system.h"

namespace {

// The page's words for `english`, made on the program's heap for the caller to free.
EM_JS(char*, WebPageWords, (const char* english), {
    var text = UTF8ToString(english);
    var words = Module['words'][text] || text;
    var size = lengthBytesUTF8(words) + 1;
    var copy = _malloc(size);
    stringToUTF8(words, copy, size);
    return copy;
});

}  // namespace

// The page has chosen its language before the program starts.
void UseUserLanguage() {}

const char* Translated(const char* english) {
    // Each message's words, kept for as long as a caller may hold them.
    static std::map<std::string, std::string> said;
    const auto [entry, added] = said.try_emplace(english);
    if (added) {
        char* words = WebPageWords(english);
        entry->second = words;
        std::free(words);
    }
    return entry->second.c_str();
}
