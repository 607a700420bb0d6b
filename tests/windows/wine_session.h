// Windows programs under wine in the tests' prefix: one-off commands, the pointer, the menus that
// wine maps for a program.
#pragma once

#include <X11/Xlib.h>

#include <string>
#include <vector>

#include "orrery_driver.h"

// Runs wine with `args` on `display` and waits for it, its stdout discarded; returns its exit
// status, or -1 when it did not end by itself.
int RunWine(const std::vector<std::string>& args, const std::string& display);

// Runs wine with `args` on `display` to its end; returns its stdout.
std::string WineOutput(const std::vector<std::string>& args, const std::string& display);

// Ends every process of the prefix's wine session (wine keeps processes such as its explorer
// running for a while after a program ends), so the next test starts a session of its own.
void EndWineSession();

// The Linux path of `windowsPath` under the prefix's drive C:, e.g. "Orrery/orrery.exe".
std::string DriveC(const std::string& windowsPath);

// The pointer and buttons of an X server, as a person at its screen would move and press them.
class Pointer {
public:
    explicit Pointer(const std::string& display);
    ~Pointer();
    Pointer(const Pointer&) = delete;
    Pointer& operator=(const Pointer&) = delete;
    void MoveTo(int rootX, int rootY);
    void Press(int button);
    void Release(int button);

private:
    Display* display_ = nullptr;
};

struct ShownMenu {
    Window window;
    Box box;  // root coordinates
};

// Wine's menus: mapped override-redirect windows larger than the 1 x 1 window that wine also keeps
// mapped, bottom first (so a submenu follows its parent).
std::vector<ShownMenu> ShownMenus(OrreryDriver& app);

// The centre of row `index` of a menu of `rows` equal rows; the frame takes what is left over.
// Row heights follow the menu font, so they are read from the menu's size.
std::pair<int, int> RowCentre(const Box& menu, int rows, int index);
