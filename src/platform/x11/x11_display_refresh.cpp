// What an X display offers for pacing: swaps that wait for its refresh, and its refresh rate.
#include "platform/x11/x11_display_refresh.h"

#include <GL/glx.h>
#include <GL/glxext.h>
#include <X11/extensions/Xrandr.h>

#include <cstring>

#include "platform/window_system.h"

namespace {

bool HasGlxExtension(Display* display, const char* name) {
    const char* extensions = glXQueryExtensionsString(display, DefaultScreen(display));
    if (extensions == nullptr) return false;
    const std::size_t length = std::strlen(name);
    for (const char* p = std::strstr(extensions, name); p != nullptr;
         p = std::strstr(p + length, name)) {
        const bool starts = p == extensions || p[-1] == ' ';
        const bool ends = p[length] == ' ' || p[length] == '\0';
        if (starts && ends) return true;
    }
    return false;
}

template <typename Function>
Function GlxFunction(const char* name) {
    return reinterpret_cast<Function>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
}

double CrtcRateHz(const XRRScreenResources& resources, const XRRCrtcInfo& crtc) {
    for (int i = 0; i < resources.nmode; ++i) {
        if (resources.modes[i].id == crtc.mode) return ModeRefreshHz(resources.modes[i]);
    }
    return 0.0;
}

bool CrtcShows(const XRRCrtcInfo& crtc, int x, int y) {
    return crtc.mode != None && x >= crtc.x && y >= crtc.y &&
           x < crtc.x + static_cast<int>(crtc.width) && y < crtc.y + static_cast<int>(crtc.height);
}

// The rate of the monitor under the window's centre, else of the first monitor lit.
double RateAt(Display* display, XRRScreenResources* resources, int x, int y) {
    double firstLit = 0.0;
    for (int i = 0; i < resources->ncrtc; ++i) {
        XRRCrtcInfo* crtc = XRRGetCrtcInfo(display, resources, resources->crtcs[i]);
        if (crtc == nullptr) continue;
        const double rate = crtc->mode != None ? CrtcRateHz(*resources, *crtc) : 0.0;
        const bool under = CrtcShows(*crtc, x, y);
        XRRFreeCrtcInfo(crtc);
        if (under) return rate;
        if (firstLit == 0.0) firstLit = rate;
    }
    return firstLit;
}

}  // namespace

double ModeRefreshHz(const XRRModeInfo& mode) {
    double lines = mode.vTotal;
    if ((mode.modeFlags & RR_DoubleScan) != 0) lines *= 2.0;
    if ((mode.modeFlags & RR_Interlace) != 0) lines /= 2.0;
    if (mode.hTotal == 0 || lines <= 0.0) return 0.0;
    return static_cast<double>(mode.dotClock) / (mode.hTotal * lines);
}

bool RequestSyncedSwaps() {
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable drawable = glXGetCurrentDrawable();
    if (display == nullptr || drawable == 0) return false;
    if (HasGlxExtension(display, "GLX_EXT_swap_control")) {
        auto swapInterval = GlxFunction<PFNGLXSWAPINTERVALEXTPROC>("glXSwapIntervalEXT");
        if (swapInterval != nullptr) {
            swapInterval(display, drawable, 1);
            return true;
        }
    }
    if (HasGlxExtension(display, "GLX_MESA_swap_control")) {
        auto swapInterval = GlxFunction<PFNGLXSWAPINTERVALMESAPROC>("glXSwapIntervalMESA");
        return swapInterval != nullptr && swapInterval(1) == 0;
    }
    return false;
}

double DisplayRefreshHz() {
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable window = glXGetCurrentDrawable();
    int eventBase = 0;
    int errorBase = 0;
    if (display == nullptr || window == 0 || !XRRQueryExtension(display, &eventBase, &errorBase))
        return 0.0;
    const Window root = DefaultRootWindow(display);
    XWindowAttributes attributes{};
    int x = 0;
    int y = 0;
    Window child = 0;
    if (XGetWindowAttributes(display, window, &attributes) != 0) {
        XTranslateCoordinates(display, window, root, attributes.width / 2, attributes.height / 2,
                              &x, &y, &child);
    }
    XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, root);
    if (resources == nullptr) return 0.0;
    const double rate = RateAt(display, resources, x, y);
    XRRFreeScreenResources(resources);
    return rate;
}
