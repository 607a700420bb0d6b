// The program's messages in the user's language on Linux, through glibc's gettext: the catalogue
// lies where the install put it relative to the program, or in a build folder beside it.
#include <libintl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <clocale>
#include <string>

#include "platform/window_system.h"

namespace {

constexpr const char* kDomain = "orrery";

// The folder of the running program, wherever the installed tree was moved to.
std::string ProgramFolder() {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return ".";
    const std::string program(path, static_cast<std::size_t>(length));
    return program.substr(0, program.rfind('/'));
}

bool IsFolder(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

void UseUserLanguage() {
    // The messages' category alone: numbers keep their C form in "ChangeSize call, nRange=%f".
    std::setlocale(LC_MESSAGES, "");
    const std::string folder = ProgramFolder();
    std::string catalogues = folder + "/" + ORRERY_LOCALE_FROM_PROGRAM;
    if (!IsFolder(catalogues)) catalogues = folder + "/locale";
    bindtextdomain(kDomain, catalogues.c_str());
    // UTF-8 whatever LC_CTYPE says, as the program's other output is.
    bind_textdomain_codeset(kDomain, "UTF-8");
    textdomain(kDomain);
}

const char* Translated(const char* english) { return gettext(english); }
