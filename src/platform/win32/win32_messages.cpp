// The program's messages on Windows: English, since no gettext catalogue can be had there.
#include "platform/window_system.h"

void UseUserLanguage() {}

const char* Translated(const char* english) { return english; }
