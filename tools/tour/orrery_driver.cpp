// Drives the real orrery executable on an X server: start, input, window pixels and console.
#include "orrery_driver.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <thread>

#include "child_process.h"

namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(10);
constexpr auto kStartTimeout = std::chrono::seconds(60);  // software GL on a loaded machine
constexpr int kLeftButton = 1;
constexpr int kRightButton = 3;
constexpr int kWheelUp = 4, kWheelDown = 5;

// A window can vanish between listing and reading it (a menu closing); that is not fatal here.
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

struct ImageDeleter {
    void operator()(XImage* image) const { XDestroyImage(image); }
};

int ShiftOf(unsigned long mask) {
    int shift = 0;
    while (mask != 0 && (mask & 1UL) == 0) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

Rgb8 DecodePixel(const XImage& image, unsigned long pixel) {
    auto channel = [pixel](unsigned long mask) {
        return static_cast<int>((pixel & mask) >> ShiftOf(mask));
    };
    return {channel(image.red_mask), channel(image.green_mask), channel(image.blue_mask)};
}

std::vector<Window> Children(Display* display, Window parent) {
    Window root = 0, itsParent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    std::vector<Window> result;
    if (XQueryTree(display, parent, &root, &itsParent, &children, &count) == 0) return result;
    result.assign(children, children + count);
    XFree(children);
    return result;
}

std::vector<Window> TopLevelWindows(Display* display) {
    return Children(display, DefaultRootWindow(display));
}

// The named window in `w`: `w` itself without a window manager, else the client inside the
// frame a window manager put around it.
Window NamedWindowIn(Display* display, Window w) {
    XTextProperty name{};
    if (XGetWMName(display, w, &name) != 0) {
        XFree(name.value);
        return w;
    }
    for (Window child : Children(display, w)) {
        if (const Window named = NamedWindowIn(display, child)) return named;
    }
    return 0;
}

}  // namespace

bool NearColour(Rgb8 a, Rgb8 b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}

bool Picture::Contains(int x, int y) const {
    return x >= visible_.x && y >= visible_.y && x < visible_.x + visible_.width &&
           y < visible_.y + visible_.height;
}

Rgb8 Picture::At(int x, int y) const {
    const auto index = static_cast<std::size_t>(y - visible_.y) * visible_.width + (x - visible_.x);
    return pixels_[index];
}

bool Picture::operator==(const Picture& other) const {
    const Box& a = visible_;
    const Box& b = other.visible_;
    if (a.x != b.x || a.y != b.y || a.width != b.width || a.height != b.height) return false;
    return std::equal(pixels_.begin(), pixels_.end(), other.pixels_.begin(),
                      [](Rgb8 p, Rgb8 q) { return p.r == q.r && p.g == q.g && p.b == q.b; });
}

bool PollUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(kPollInterval);
    }
}

OrreryDriver::OrreryDriver(const std::string& executable, const std::string& display,
                           const std::vector<std::string>& args) {
    XSetErrorHandler(IgnoreXError);
    display_ = XOpenDisplay(display.c_str());
    if (display_ == nullptr) throw std::runtime_error("cannot open display " + display);
    StartProgram(executable, display, args);
    if (!PollUntil([this] { return (window_ = FindMainWindow()) != 0; }, kStartTimeout)) {
        throw std::runtime_error("the orrery window was not mapped on " + display);
    }
    // A window manager would give the new window focus; there is none on a private server.
    XSetInputFocus(display_, window_, RevertToPointerRoot, CurrentTime);
    Sync();
}

OrreryDriver::~OrreryDriver() {
    if (pid_ > 0) EndChild(pid_, SIGTERM);
    if (consoleFd_ >= 0) close(consoleFd_);
    if (display_ != nullptr) XCloseDisplay(display_);
}

void OrreryDriver::StartProgram(const std::string& executable, const std::string& display,
                                const std::vector<std::string>& args) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    std::vector<std::string> argv{executable};
    argv.insert(argv.end(), args.begin(), args.end());
    pid_ = StartChild(argv, {"DISPLAY=" + display}, fds[1], kKeepOutput);
    close(fds[1]);
    consoleFd_ = fds[0];
    fcntl(consoleFd_, F_SETFL, O_NONBLOCK);
}

bool OrreryDriver::Running() {
    if (pid_ <= 0) return false;
    if (waitpid(pid_, nullptr, WNOHANG) == 0) return true;
    pid_ = -1;
    return false;
}

const std::string& OrreryDriver::Console() {
    char buffer[4096];
    for (;;) {
        const ssize_t n = read(consoleFd_, buffer, sizeof buffer);
        if (n <= 0) break;
        console_.append(buffer, static_cast<std::size_t>(n));
    }
    return console_;
}

std::string OrreryDriver::ConsoleAfter(std::size_t from, std::size_t count) {
    PollUntil([&] { return Console().size() >= from + count; });
    return console_.substr(std::min(from, console_.size()));
}

Window OrreryDriver::FindMainWindow() {
    for (Window w : TopLevelWindows(display_)) {
        XWindowAttributes a{};
        if (XGetWindowAttributes(display_, w, &a) == 0) continue;
        if (a.map_state != IsViewable || a.override_redirect || a.c_class != InputOutput) continue;
        if (const Window named = NamedWindowIn(display_, w)) return named;
    }
    return 0;
}

std::vector<Window> OrreryDriver::ShownMenus() {
    std::vector<Window> menus;
    for (Window w : TopLevelWindows(display_)) {
        XWindowAttributes a{};
        if (XGetWindowAttributes(display_, w, &a) == 0) continue;
        if (a.map_state == IsViewable && a.override_redirect) menus.push_back(w);
    }
    return menus;
}

Box OrreryDriver::Geometry(Window w) {
    XWindowAttributes a{};
    if (XGetWindowAttributes(display_, w, &a) == 0) return {};
    int rootX = 0, rootY = 0;
    Window child = 0;
    XTranslateCoordinates(display_, w, DefaultRootWindow(display_), 0, 0, &rootX, &rootY, &child);
    return {rootX, rootY, a.width, a.height};
}

std::pair<std::string, std::string> OrreryDriver::Property(const char* name) {
    const Atom atom = XInternAtom(display_, name, True);
    Atom type = None;
    int format = 0;
    unsigned long items = 0, remaining = 0;
    unsigned char* data = nullptr;
    if (atom == None ||
        XGetWindowProperty(display_, window_, atom, 0, 1 << 16, False, AnyPropertyType, &type,
                           &format, &items, &remaining, &data) != Success) {
        return {};
    }
    std::pair<std::string, std::string> result;
    if (type != None) {
        char* typeName = XGetAtomName(display_, type);
        result.first = typeName;
        XFree(typeName);
        result.second.assign(reinterpret_cast<char*>(data), items * format / 8);
    }
    if (data != nullptr) XFree(data);
    return result;
}

Box OrreryDriver::Screen() {
    const int screen = DefaultScreen(display_);
    return {0, 0, DisplayWidth(display_, screen), DisplayHeight(display_, screen)};
}

std::string OrreryDriver::AtomProperty(Window w, const char* name) {
    const Atom atom = XInternAtom(display_, name, True);
    Atom type = None;
    int format = 0;
    unsigned long items = 0, remaining = 0;
    unsigned char* data = nullptr;
    std::string result;
    if (atom != None &&
        XGetWindowProperty(display_, w, atom, 0, 1, False, XA_ATOM, &type, &format, &items,
                           &remaining, &data) == Success &&
        type == XA_ATOM && items == 1) {
        char* atomName = XGetAtomName(display_, *reinterpret_cast<Atom*>(data));
        result = atomName;
        XFree(atomName);
    }
    if (data != nullptr) XFree(data);
    return result;
}

Picture OrreryDriver::Grab(Window w) {
    // XGetImage needs the rectangle on screen; windows without a position sit at (-1, -1).
    const Box g = Geometry(w);
    const int left = std::max(0, -g.x);
    const int top = std::max(0, -g.y);
    const int right = std::min(g.width, DisplayWidth(display_, DefaultScreen(display_)) - g.x);
    const int bottom = std::min(g.height, DisplayHeight(display_, DefaultScreen(display_)) - g.y);
    if (right <= left || bottom <= top) return Picture({0, 0, 0, 0}, {});
    const Box visible{left, top, right - left, bottom - top};
    const std::unique_ptr<XImage, ImageDeleter> image(
        XGetImage(display_, w, left, top, static_cast<unsigned>(visible.width),
                  static_cast<unsigned>(visible.height), AllPlanes, ZPixmap));
    if (!image) return Picture({0, 0, 0, 0}, {});
    std::vector<Rgb8> pixels;
    pixels.reserve(static_cast<std::size_t>(visible.width) * visible.height);
    for (int y = 0; y < visible.height; ++y) {
        for (int x = 0; x < visible.width; ++x) {
            pixels.push_back(DecodePixel(*image, XGetPixel(image.get(), x, y)));
        }
    }
    return Picture(visible, std::move(pixels));
}

bool OrreryDriver::WaitForGeometry(const std::function<bool(const Box&)>& reached) {
    Sync();
    return PollUntil([&] { return reached(Geometry(window_)); });
}

bool OrreryDriver::Resize(int width, int height) {
    XResizeWindow(display_, window_, static_cast<unsigned>(width), static_cast<unsigned>(height));
    return WaitForGeometry([&](const Box& g) { return g.width == width && g.height == height; });
}

bool OrreryDriver::Move(int x, int y) {
    XMoveWindow(display_, window_, x, y);
    return WaitForGeometry([&](const Box& g) { return g.x == x && g.y == y; });
}

bool OrreryDriver::Hide() {
    XUnmapWindow(display_, window_);
    return WaitForMapState(IsUnmapped);
}

bool OrreryDriver::Show() {
    XMapWindow(display_, window_);
    return WaitForMapState(IsViewable);
}

bool OrreryDriver::WaitForMapState(int state) {
    Sync();
    return PollUntil([this, state] {
        XWindowAttributes a{};
        return XGetWindowAttributes(display_, window_, &a) != 0 && a.map_state == state;
    });
}

bool OrreryDriver::WaitForFreshFrames(int count) {
    Sync();
    Picture last = Grab();
    for (int i = 0; i < count; ++i) {
        const bool fresh = PollUntil([&] {
            Picture now = Grab();
            if (now == last) return false;
            last = std::move(now);
            return true;
        });
        if (!fresh) return false;
    }
    return true;
}

bool OrreryDriver::Cover(bool covered) {
    if (covered) {
        const Box g = Geometry(window_);
        cover_ = XCreateSimpleWindow(display_, DefaultRootWindow(display_), g.x, g.y,
                                     static_cast<unsigned>(g.width),
                                     static_cast<unsigned>(g.height), 0, 0, 0);
        XSetWindowAttributes attributes{};
        attributes.override_redirect = True;  // placed exactly where asked, with or without a WM
        XChangeWindowAttributes(display_, cover_, CWOverrideRedirect, &attributes);
        XMapRaised(display_, cover_);
    } else {
        XDestroyWindow(display_, cover_);
        cover_ = 0;
    }
    Sync();
    return PollUntil([&] {
        XWindowAttributes a{};
        return (XGetWindowAttributes(display_, cover_, &a) != 0 && a.map_state == IsViewable) ==
               covered;
    });
}

bool OrreryDriver::InputFree() {
    const Window root = DefaultRootWindow(display_);
    const bool keyboard = XGrabKeyboard(display_, root, False, GrabModeAsync, GrabModeAsync,
                                        CurrentTime) == GrabSuccess;
    const bool pointer = XGrabPointer(display_, root, False, 0, GrabModeAsync, GrabModeAsync, None,
                                      None, CurrentTime) == GrabSuccess;
    XUngrabKeyboard(display_, CurrentTime);
    XUngrabPointer(display_, CurrentTime);
    Sync();
    return keyboard && pointer;
}

std::string OrreryDriver::TextProperty(const char* name) {
    XTextProperty property{};
    const Atom atom = XInternAtom(display_, name, True);
    if (atom == None || XGetTextProperty(display_, window_, &property, atom) == 0) return {};
    char** list = nullptr;
    int count = 0;
    std::string text;
    if (Xutf8TextPropertyToTextList(display_, &property, &list, &count) >= Success && count > 0)
        text = list[0];
    if (list != nullptr) XFreeStringList(list);
    XFree(property.value);
    return text;
}

void OrreryDriver::Sync() { XSync(display_, False); }

void OrreryDriver::TypeKey(KeySym key, bool shift) {
    const KeyCode shiftCode = XKeysymToKeycode(display_, XK_Shift_L);
    const KeyCode code = XKeysymToKeycode(display_, key);
    if (shift) XTestFakeKeyEvent(display_, shiftCode, True, CurrentTime);
    XTestFakeKeyEvent(display_, code, True, CurrentTime);
    XTestFakeKeyEvent(display_, code, False, CurrentTime);
    if (shift) XTestFakeKeyEvent(display_, shiftCode, False, CurrentTime);
    Sync();
}

void OrreryDriver::MovePointerToRoot(int x, int y) {
    XTestFakeMotionEvent(display_, DefaultScreen(display_), x, y, CurrentTime);
    Sync();
}

void OrreryDriver::PressButton(int button, bool down) {
    XTestFakeButtonEvent(display_, static_cast<unsigned>(button), down ? True : False, CurrentTime);
    Sync();
}

void OrreryDriver::ClickAtRoot(int button, int x, int y) {
    MovePointerToRoot(x, y);
    PressButton(button, true);
    PressButton(button, false);
}

void OrreryDriver::TurnWheel() {
    for (int button : {kWheelUp, kWheelDown}) {
        PressButton(button, true);
        PressButton(button, false);
    }
}

void OrreryDriver::Click(int button, int x, int y) {
    const Box g = Geometry(window_);
    ClickAtRoot(button, g.x + x, g.y + y);
}

void OrreryDriver::Drag(int x, int y, int dx, int dy, int steps) {
    const Box g = Geometry(window_);
    MovePointerToRoot(g.x + x, g.y + y);
    PressButton(kLeftButton, true);
    for (int i = 1; i <= steps; ++i) MovePointerToRoot(g.x + x + i * dx, g.y + y + i * dy);
    PressButton(kLeftButton, false);
}

OpenMenu OrreryDriver::OpenBodyMenu(MenuOpening how) {
    const Box g = Geometry(window_);
    return OpenBodyMenuAt(g.x + g.width / 2, g.y + g.height / 2, how);
}

OpenMenu OrreryDriver::OpenBodyMenuAt(int x, int y, MenuOpening how) {
    MovePointerToRoot(x, y);
    PressButton(kRightButton, true);
    if (how != MenuOpening::kHold) PressButton(kRightButton, false);
    OpenMenu menu;
    menu.how = how;
    auto shown = [this](std::size_t n) { return [this, n] { return ShownMenus().size() >= n; }; };
    if (!PollUntil(shown(1))) throw std::runtime_error("no pop-up menu after a right press");
    menu.main = ShownMenus().front();  // mapped first, so lowest
    menu.mainAtFirstSight = Grab(menu.main);
    menu.mainBox = Geometry(menu.main);
    // The entry opens its submenu beside it when the pointer is over it.
    MovePointerToRoot(menu.mainBox.x + menu.mainBox.width / 2,
                      menu.mainBox.y + menu.mainBox.height / 2);
    if (!PollUntil(shown(2))) throw std::runtime_error("no submenu when hovering the entry");
    menu.submenu = ShownMenus().back();
    menu.submenuAtFirstSight = Grab(menu.submenu);
    menu.submenuBox = Geometry(menu.submenu);
    return menu;
}

std::pair<int, int> OrreryDriver::BodyEntryCentre(const OpenMenu& menu, int index) {
    // Entries of one height fill the submenu but for a thin frame, top to bottom.
    const Box& sub = menu.submenuBox;
    return {sub.x + sub.width / 2, sub.y + sub.height * (2 * index + 1) / (2 * kBodyEntries)};
}

void OrreryDriver::HoverBody(const OpenMenu& menu, int index) {
    const auto [x, y] = BodyEntryCentre(menu, index);
    MovePointerToRoot(x, y);
}

bool OrreryDriver::PickBody(const OpenMenu& menu, int index) {
    const auto [x, y] = BodyEntryCentre(menu, index);
    if (menu.how == MenuOpening::kHold) {
        MovePointerToRoot(x, y);
        PressButton(kRightButton, false);
    } else if (menu.how == MenuOpening::kKeys) {
        TypeKey(XK_Right);  // into the list, on its first row; then down, or up round the end
        for (int i = 0; i < index && index <= kBodyEntries / 2; ++i) TypeKey(XK_Down);
        for (int i = index; i < kBodyEntries && index > kBodyEntries / 2; ++i) TypeKey(XK_Up);
        TypeKey(XK_Return);
    } else {
        ClickAtRoot(kLeftButton, x, y);
    }
    return PollUntil([this] { return ShownMenus().empty(); });
}
