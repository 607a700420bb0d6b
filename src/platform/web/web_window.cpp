// The browser "window": the page's canvas, its title, its size and whether the page is seen.
#include <GL/freeglut_std.h>
#include <emscripten.h>
#include <emscripten/html5.h>

#include <cmath>

#include "platform/window_system.h"

extern "C" {
void WebTouchListen();                            // web_touch.js
void WebRebuildGlEmulation();                     // web_canvas.js
void WebCanvasDescribe(const char* description);  // web_canvas.js
}

namespace {

constexpr const char* kCanvas = "#canvas";

VisibilityChange visibilityChanged = nullptr;

// Nothing is drawn while the page is hidden or the canvas has lost its WebGL context.
struct Unseen {
    bool pageHidden = false;
    bool contextLost = false;
};
Unseen unseen;

void ReportUnseen(Unseen now) {
    const bool was = unseen.pageHidden || unseen.contextLost;
    unseen = now;
    if (was != (now.pageHidden || now.contextLost)) visibilityChanged(!was);
}

// Whether the browser can give a WebGL context at all; the probe's context is given back at once.
EM_JS(int, WebGlOffered, (), {
    var gl = document.createElement('canvas').getContext('webgl');
    if (!gl) return 0;
    var lose = gl.getExtension('WEBGL_lose_context');
    if (lose) lose.loseContext();
    return 1;
});

// The page's style sheet sizes the canvas in CSS pixels; its drawing buffer gets one pixel per
// device pixel, so lines stay sharp on high-density screens. False before the page has a canvas.
bool CanvasBufferSize(int& width, int& height) {
    double cssWidth = 0.0;
    double cssHeight = 0.0;
    if (emscripten_get_element_css_size(kCanvas, &cssWidth, &cssHeight) !=
        EMSCRIPTEN_RESULT_SUCCESS)
        return false;
    const double pixelRatio = emscripten_get_device_pixel_ratio();
    width = static_cast<int>(std::lround(cssWidth * pixelRatio));
    height = static_cast<int>(std::lround(cssHeight * pixelRatio));
    return true;
}

void MatchBufferToCanvas() {
    int width = 0;
    int height = 0;
    if (!CanvasBufferSize(width, height)) return;
    if (width != glutGet(GLUT_WINDOW_WIDTH) || height != glutGet(GLUT_WINDOW_HEIGHT))
        glutReshapeWindow(width, height);  // calls the reshape callback
}

EM_BOOL PageResized(int /*type*/, const EmscriptenUiEvent* /*event*/, void* /*data*/) {
    MatchBufferToCanvas();
    return EM_FALSE;
}

EM_BOOL VisibilityChanged(int /*type*/, const EmscriptenVisibilityChangeEvent* event,
                          void* /*data*/) {
    ReportUnseen({event->hidden != 0, unseen.contextLost});
    return EM_FALSE;
}

// A lost context (a GPU reset, a phone reclaiming memory) comes back only for a page that says,
// by cancelling the event, that it will draw again.
EM_BOOL ContextLost(int /*type*/, const void* /*reserved*/, void* /*data*/) {
    ReportUnseen({unseen.pageHidden, true});
    return EM_TRUE;
}

EM_BOOL ContextRestored(int /*type*/, const void* /*reserved*/, void* /*data*/) {
    WebRebuildGlEmulation();
    ReportUnseen({unseen.pageHidden, false});  // shown again, the window asks for a frame
    return EM_FALSE;
}

}  // namespace

// The frame loop calls this when devicePixelRatio is not the last frame's (web_frame_loop.js).
extern "C" EMSCRIPTEN_KEEPALIVE void WebPixelRatioChanged() { MatchBufferToCanvas(); }

// Emscripten's glutInit reads no options, and a page has no command line to give it any.
GlutOptionsHelp WindowSystemOptionsHelp() { return {"", ""}; }

const char* NoWindowSystemReason(const WindowOptions& /*options*/) {
    if (WebGlOffered() != 0) return nullptr;
    return Translated(
        "orrery: this browser gives the page no WebGL, which the viewer draws with (turn on "
        "hardware acceleration or WebGL in its settings)");
}

// The style sheet asks for `sidePx` CSS pixels where the page has room, else the largest square
// that fits.
int FirstWindowSidePx(const WindowOptions& /*options*/, int sidePx) {
    int width = 0;
    int height = 0;
    return CanvasBufferSize(width, height) ? width : sidePx;
}

// Emscripten's glutInit reads no environment variables. The touch listeners are added before
// GLUT's, so that they can hold back a finger's moves while the press may still become a long one.
void PrepareGlutEnvironment() { WebTouchListen(); }

// A page has no process-wide error handler to install, and Emscripten's GLUT window, the canvas,
// needs nothing more.
void InstallWindowSystemErrorHandlers() {}
void SetUpWindow() {}

void SetWindowTitle(const char* title) { emscripten_set_window_title(title); }

// The canvas's name, from the overview's at start-up on.
void DescribeView(const char* description) { WebCanvasDescribe(description); }

// Animation frames always come once per display refresh.
bool RequestSyncedSwaps() { return true; }

// The page is not told the display's rate; the frame clock then counts 60 Hz.
double DisplayRefreshHz() { return 0.0; }

void WatchWindow(VisibilityChange shownOrHidden) {
    visibilityChanged = shownOrHidden;
    emscripten_set_visibilitychange_callback(nullptr, EM_FALSE, VisibilityChanged);
    emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, PageResized);
    emscripten_set_webglcontextlost_callback(kCanvas, nullptr, EM_FALSE, ContextLost);
    emscripten_set_webglcontextrestored_callback(kCanvas, nullptr, EM_FALSE, ContextRestored);
}
