// Sanitizer builds: holds Mesa's GL driver loaded until the leak check at exit. Mesa unloads it
// while the process exits, and the check would then count all the driver still holds as leaked.
#include <dlfcn.h>

namespace {
[[maybe_unused]] void* const keptDriver = dlopen(ORRERY_GL_DRIVER, RTLD_LAZY | RTLD_NODELETE);
}
