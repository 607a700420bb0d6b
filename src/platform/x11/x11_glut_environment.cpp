// The environment glutInit reads on X11: all of it, DISPLAY first, means what it says.
#include "platform/window_system.h"

void PrepareGlutEnvironment() {}
