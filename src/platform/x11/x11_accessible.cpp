// The window for screen readers on X11: ATK objects for the program, its frame and the view, which
// the at-spi2-atk bridge hands to assistive technology over AT-SPI, and GLib's main context, which
// the bridge's D-Bus connection needs, turned from GLUT's loop.
#include "platform/x11/x11_accessible.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <atk-bridge.h>

#include <chrono>
#include <string>

#include "platform/window_system.h"
#include "platform/x11/x11_accessible_object.h"

namespace {

using Clock = std::chrono::steady_clock;

// GLUT's loop waits on its own X connection only, so a timer looks at the bridge's D-Bus
// connection: right after anything came, since a reply or the next request may follow at once;
// while a screen reader listens, every 50 ms, and every 2 ms for a while after each request, as
// it asks many in a row; while none does, once a second, which costs nothing measurable.
constexpr unsigned kTalkingTurnMs = 2;
constexpr unsigned kListenedTurnMs = 50;
constexpr unsigned kUnheardTurnMs = 1000;
constexpr auto kTalkingHold = std::chrono::milliseconds(250);
constexpr int kMostDispatchesPerTurn = 100;

struct AccessibleWindow {
    AtkObject* application = nullptr;
    AtkObject* frame = nullptr;
    AtkObject* view = nullptr;
    AtkObject* focused = nullptr;
    Display* focusWatch = nullptr;  // a connection of its own, for the window's focus changes
    bool heard = false;             // a screen reader listens to the bridge
    Clock::time_point lastRequest;
};

AccessibleWindow accessible;
std::string frameName;
std::string viewDescription;
std::string toolkitVersion;
Window ownWindow = 0;
guint (*addListener)(GSignalEmissionHook listener, const gchar* eventType) = nullptr;
void (*removeListener)(guint id) = nullptr;
guint windowListener = 0;

AtkObject* Root() { return accessible.application; }
const gchar* ToolkitName() { return "freeglut"; }
const gchar* ToolkitVersion() { return toolkitVersion.c_str(); }

void ActivateFrame(bool active) {
    SetAccessibleState(accessible.frame, ATK_STATE_ACTIVE, active);
    g_signal_emit_by_name(accessible.frame, active ? "activate" : "deactivate");
}

// Makes the frame active, and says so, when the window has the focus now.
gboolean AnnounceFocusedWindow(gpointer /*unused*/) {
    Window focus = 0;
    int revertTo = 0;
    XGetInputFocus(accessible.focusWatch, &focus, &revertTo);
    if (focus == ownWindow) ActivateFrame(true);
    return G_SOURCE_REMOVE;
}

// The bridge listens to the objects' signals only while a screen reader listens to it, from some
// time after start-up or from when one starts; the window's focus, which it may have had all along,
// is told then.
guint AddListener(GSignalEmissionHook listener, const gchar* eventType) {
    const guint id = addListener(listener, eventType);
    if (!g_str_has_suffix(eventType, "AtkWindow:activate")) return id;
    windowListener = id;
    accessible.heard = true;
    if (accessible.focusWatch != nullptr) g_idle_add(AnnounceFocusedWindow, nullptr);
    return id;
}

void RemoveListener(guint id) {
    if (id == windowListener) accessible.heard = false;
    removeListener(id);
}

// ATK asks the toolkit for the object at the top of the program's tree and for its listeners.
void ServeRootFromThisProgram() {
    const int version = glutGet(GLUT_VERSION);  // 30400 for 3.4.0
    toolkitVersion = std::to_string(version / 10000) + "." + std::to_string(version / 100 % 100) +
                     "." + std::to_string(version % 100);
    auto* util = static_cast<AtkUtilClass*>(g_type_class_ref(ATK_TYPE_UTIL));
    util->get_root = Root;
    util->get_toolkit_name = ToolkitName;
    util->get_toolkit_version = ToolkitVersion;
    addListener = util->add_global_event_listener;
    util->add_global_event_listener = AddListener;
    removeListener = util->remove_global_event_listener;
    util->remove_global_event_listener = RemoveListener;
}

GLogWriterOutput DiscardLog(GLogLevelFlags /*level*/, const GLogField* /*fields*/, gsize /*count*/,
                            gpointer /*data*/) {
    return G_LOG_WRITER_HANDLED;
}

void BuildTree() {
    accessible.application = NewAccessible(ATK_ROLE_APPLICATION, "orrery", {});
    accessible.frame = NewAccessible(ATK_ROLE_FRAME, frameName.c_str(),
                                     {ATK_STATE_ENABLED, ATK_STATE_SENSITIVE, ATK_STATE_VISIBLE,
                                      ATK_STATE_SHOWING, ATK_STATE_RESIZABLE});
    accessible.view = NewAccessible(ATK_ROLE_IMAGE, viewDescription.c_str(),
                                    {ATK_STATE_ENABLED, ATK_STATE_SENSITIVE, ATK_STATE_VISIBLE,
                                     ATK_STATE_SHOWING, ATK_STATE_FOCUSABLE, ATK_STATE_FOCUSED});
    accessible.focused = accessible.view;
    AddAccessibleChild(accessible.application, accessible.frame);
    AddAccessibleChild(accessible.frame, accessible.view);
}

// The frame is active while the window has the keyboard focus. The menu's grab moves it only for
// the grab's time, and the menu is the window's own, so grabs and their ends change nothing.
void FollowWindowFocus() {
    while (XPending(accessible.focusWatch) > 0) {
        XEvent event{};
        XNextEvent(accessible.focusWatch, &event);
        const XFocusChangeEvent& focus = event.xfocus;
        if ((event.type != FocusIn && event.type != FocusOut) || focus.mode != NotifyNormal ||
            focus.detail == NotifyInferior || focus.detail == NotifyPointer)
            continue;
        ActivateFrame(event.type == FocusIn);
    }
}

void WatchWindowFocus(Window window) {
    accessible.focusWatch = XOpenDisplay(DisplayString(glXGetCurrentDisplay()));
    if (accessible.focusWatch == nullptr) return;
    ownWindow = window;
    XSelectInput(accessible.focusWatch, window, FocusChangeMask);
    // freeglut maps the window as it makes it, so a window manager may have focused it already.
    AnnounceFocusedWindow(nullptr);
}

void TurnMainContext(int /*unused*/) {
    if (accessible.focusWatch != nullptr) FollowWindowFocus();
    int dispatches = 0;
    while (dispatches < kMostDispatchesPerTurn && g_main_context_iteration(nullptr, FALSE) != 0)
        ++dispatches;
    const Clock::time_point now = Clock::now();
    if (dispatches > 0) accessible.lastRequest = now;
    const bool talking =
        dispatches > 0 || (accessible.heard && now - accessible.lastRequest < kTalkingHold);
    const unsigned quiet = accessible.heard ? kListenedTurnMs : kUnheardTurnMs;
    glutTimerFunc(talking ? kTalkingTurnMs : quiet, TurnMainContext, 0);
}

}  // namespace

void StartAccessibilityBridge() {
    g_log_set_writer_func(DiscardLog, nullptr, nullptr);
    ServeRootFromThisProgram();
    BuildTree();
    if (atk_bridge_adaptor_init(nullptr, nullptr) != 0) {
        g_clear_object(&accessible.view);
        g_clear_object(&accessible.frame);
        g_clear_object(&accessible.application);
        return;
    }
    WatchWindowFocus(glXGetCurrentDrawable());  // freeglut's GLX drawable is its X window
    accessible.lastRequest = Clock::now();
    TurnMainContext(0);
}

bool AccessibilityBridgeStarted() { return accessible.frame != nullptr; }

AtkObject* AccessibleFrame() { return accessible.frame; }

void FocusAccessible(AtkObject* object) {
    AtkObject* target = object != nullptr ? object : accessible.view;
    if (target == accessible.focused) return;
    SetAccessibleState(accessible.focused, ATK_STATE_FOCUSED, false);
    accessible.focused = target;
    SetAccessibleState(target, ATK_STATE_FOCUSED, true);
}

void NameAccessibleFrame(const char* title) {
    frameName = title;
    if (accessible.frame != nullptr) atk_object_set_name(accessible.frame, title);
}

// The view is named by what it shows, as the page names its canvas.
void DescribeView(const char* description) {
    viewDescription = description;
    if (accessible.view != nullptr) atk_object_set_name(accessible.view, description);
}
