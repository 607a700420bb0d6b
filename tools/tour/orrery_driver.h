// Drives the real orrery executable on an X server: start, input, window pixels and console.
#pragma once

#include <X11/Xlib.h>
#include <sys/types.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

struct Rgb8 {
    int r, g, b;
};

// True when every channel of `a` is within `tolerance` of `b`.
bool NearColour(Rgb8 a, Rgb8 b, int tolerance = 2);

struct Box {
    int x, y, width, height;
};

// What one XGetImage of a window showed: the part of the window that lies on the screen.
class Picture {
public:
    Picture() = default;
    Picture(Box visible, std::vector<Rgb8> pixels)
        : visible_(visible), pixels_(std::move(pixels)) {}
    const Box& visible() const { return visible_; }  // in the window's own coordinates
    bool Contains(int x, int y) const;
    Rgb8 At(int x, int y) const;  // window coordinates, inside visible()
    // Calls visit(x, y, colour) for every pixel of visible(), row by row.
    template <typename Visit>
    void ForEachPixel(Visit visit) const {
        for (int y = visible_.y; y < visible_.y + visible_.height; ++y) {
            for (int x = visible_.x; x < visible_.x + visible_.width; ++x) visit(x, y, At(x, y));
        }
    }
    bool operator==(const Picture& other) const;

private:
    Box visible_{};
    std::vector<Rgb8> pixels_;
};

// Polls `condition` until it holds or `timeout` has passed; returns whether it held.
bool PollUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = std::chrono::seconds(20));

// How the menu opens and picks: a right click then a click on the body, a right press held until
// released on the body, or a right click then the arrow keys and Return.
enum class MenuOpening { kClick, kHold, kKeys };

// A menu shown on screen: the pop-up window and the body submenu beside it.
struct OpenMenu {
    Window main = 0, submenu = 0;
    Box mainBox{}, submenuBox{};                    // root coordinates
    Picture mainAtFirstSight, submenuAtFirstSight;  // grabbed as soon as each was mapped
    MenuOpening how = MenuOpening::kClick;
};

class OrreryDriver {
public:
    static constexpr int kBodyEntries = 10;  // Sun … Pluto in the submenu

    // Starts `executable` (with `args`) on `display`, its stdout through a pipe, and waits until
    // its window is mapped and has focus. Throws std::runtime_error when it does not appear.
    OrreryDriver(const std::string& executable, const std::string& display,
                 const std::vector<std::string>& args = {});
    ~OrreryDriver();
    OrreryDriver(const OrreryDriver&) = delete;
    OrreryDriver& operator=(const OrreryDriver&) = delete;

    bool Running();
    pid_t pid() const { return pid_; }
    // Whether another client could take the keyboard and the pointer: no one holds them.
    bool InputFree();
    // Everything the program has written to stdout so far.
    const std::string& Console();
    // Waits until `count` bytes follow position `from` of the console; returns all that follows.
    std::string ConsoleAfter(std::size_t from, std::size_t count);

    Window window() const { return window_; }
    Box Geometry(Window w);  // x, y on the root window
    Box Screen();
    // The property's type name and its bytes, both empty when it is not set.
    std::pair<std::string, std::string> Property(const char* name);
    // A text property of the window in UTF-8, whatever its encoding; empty when it is not set.
    std::string TextProperty(const char* name);
    // The name of the atom a window's ATOM property holds, empty when it is not set.
    std::string AtomProperty(Window w, const char* name);
    Picture Grab(Window w);
    Picture Grab() { return Grab(window_); }
    // Resizes or moves the window as a window manager would, and waits until the server reports
    // the new geometry.
    bool Resize(int width, int height);
    bool Move(int x, int y);
    // Unmaps the window, as iconifying it would, or maps it again; waits until the server agrees.
    bool Hide();
    bool Show();
    // Lays another window over the program's whole window, or takes it away again; waits until
    // the server agrees.
    bool Cover(bool covered);
    // Waits until `count` new frames have reached the window since the call.
    bool WaitForFreshFrames(int count);

    void TypeKey(KeySym key, bool shift = false);
    void MovePointerToRoot(int x, int y);
    // Left-button drag from (x, y), one motion event per step of (dx, dy), window coordinates.
    void Drag(int x, int y, int dx, int dy, int steps);
    void Click(int button, int x, int y);  // window coordinates
    void TurnWheel();                      // one notch up and one down, where the pointer is
    // Opens the menu with the right button at the window centre (or at (x, y) on the root
    // window) and moves onto the menu's only entry until the submenu shows.
    OpenMenu OpenBodyMenu(MenuOpening how = MenuOpening::kClick);
    OpenMenu OpenBodyMenuAt(int x, int y, MenuOpening how);
    // Moves the pointer onto submenu entry `index` (0 = Sun), which highlights it.
    void HoverBody(const OpenMenu& menu, int index);
    // Picks submenu entry `index` as the menu's opening says, and waits until the menus are gone.
    bool PickBody(const OpenMenu& menu, int index);
    bool ChooseBody(int index, MenuOpening how = MenuOpening::kClick) {
        return PickBody(OpenBodyMenu(how), index);
    }
    // Viewable override-redirect windows, bottom first: the menus the program has on screen.
    std::vector<Window> ShownMenus();

private:
    void StartProgram(const std::string& executable, const std::string& display,
                      const std::vector<std::string>& args);
    Window FindMainWindow();
    bool WaitForMapState(int state);
    static std::pair<int, int> BodyEntryCentre(const OpenMenu& menu, int index);
    void ClickAtRoot(int button, int x, int y);
    void PressButton(int button, bool down);
    bool WaitForGeometry(const std::function<bool(const Box&)>& reached);
    void Sync();

    pid_t pid_ = -1;
    int consoleFd_ = -1;
    std::string console_;
    Display* display_ = nullptr;
    Window window_ = 0;
    Window cover_ = 0;
};
