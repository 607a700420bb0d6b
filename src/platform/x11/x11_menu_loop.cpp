// The pop-up menu's event loop, on its own X connection, for another client's window: opened by a
// button press in that window or a key, it holds the pointer and the keyboard until a choice or a
// close.
#include "platform/x11/x11_menu_loop.h"

#include <chrono>
#include <thread>

#include "platform/x11/x11_screen.h"

namespace {

// The window system may keep the press's own grab a moment after the owner lets it go.
constexpr int kGrabAttempts = 50;
constexpr auto kGrabRetryPause = std::chrono::milliseconds(1);

// Pointer and keyboard, both or neither, reported on the root window in screen coordinates.
bool GrabInput(const MenuDrawing& drawing) {
    Display* display = drawing.display;
    const Window root = drawing.root;
    constexpr unsigned kPointerEvents = ButtonPressMask | ButtonReleaseMask | PointerMotionMask;
    bool pointer = false;
    bool keyboard = false;
    for (int attempt = 0; attempt < kGrabAttempts && !(pointer && keyboard); ++attempt) {
        if (attempt > 0) std::this_thread::sleep_for(kGrabRetryPause);
        pointer = pointer || XGrabPointer(display, root, False, kPointerEvents, GrabModeAsync,
                                          GrabModeAsync, None, None, CurrentTime) == GrabSuccess;
        keyboard = keyboard || XGrabKeyboard(display, root, False, GrabModeAsync, GrabModeAsync,
                                             CurrentTime) == GrabSuccess;
    }
    if (pointer && keyboard) return true;
    if (pointer) XUngrabPointer(display, CurrentTime);
    if (keyboard) XUngrabKeyboard(display, CurrentTime);
    XFlush(display);
    return false;
}

// A list as the controller numbers it: 0 the main menu, 1 + row the submenu of row `row`.
const MenuWindow& ListWindow(const PopupMenu& popup, int list) {
    return list == 0 ? popup.main : popup.submenus[static_cast<std::size_t>(list - 1)];
}

void HandleEvent(MenuController& menu, XEvent& event) {
    switch (event.type) {
    case MotionNotify: MoveMenuPointerTo(menu, event.xmotion.x_root, event.xmotion.y_root); break;
    case ButtonPress:
    case ButtonRelease: {
        const XButtonEvent& b = event.xbutton;
        const int button = static_cast<int>(b.button) - Button1;  // the controller counts from 0
        MenuButton(menu, event.type == ButtonPress, button, b.x_root, b.y_root);
        break;
    }
    case KeyPress:
        MenuKeyDown(menu, MenuKeyNamed(XKeysymToString(XLookupKeysym(&event.xkey, 0))));
        break;
    default: break;
    }
}

}  // namespace

// The button press grabbed the pointer for the owner's connection until the release: ungrab it
// there first.
bool PopupMenu::TakeInput() {
    XUngrabPointer(ownerDisplay, CurrentTime);
    XFlush(ownerDisplay);
    return GrabInput(drawing);
}

void PopupMenu::ReleaseInput() {
    XUngrabKeyboard(drawing.display, CurrentTime);
    XUngrabPointer(drawing.display, CurrentTime);
    XSync(drawing.display, True);  // what is still queued belongs to no menu
}

void PopupMenu::ShowList(int list, const Rect& where) {
    const Window window = ListWindow(*this, list).window;
    XMoveWindow(drawing.display, window, where.x, where.y);
    XMapRaised(drawing.display, window);
}

void PopupMenu::HideList(int list) {
    XUnmapWindow(drawing.display, ListWindow(*this, list).window);
}

// Every window is drawn before it is mapped.
void PopupMenu::HighlightRow(int list, int row) {
    DrawMenuWindow(drawing, ListWindow(*this, list), row);
}

bool ConnectPopupMenu(PopupMenu& popup, Display* ownerDisplay, Window ownerWindow, const Menu& menu,
                      const char* lang, MenuChoice choose) {
    if (ownerDisplay == nullptr) return false;
    Display* display = XOpenDisplay(DisplayString(ownerDisplay));
    if (display == nullptr) return false;
    if (!OpenMenuDrawing(display, lang, popup.drawing)) {
        XCloseDisplay(display);
        popup.drawing = MenuDrawing{};
        return false;
    }
    popup.ownerDisplay = ownerDisplay;
    popup.ownerWindow = ownerWindow;
    popup.main = CreateMenuWindow(popup.drawing, menu);
    popup.submenus.resize(menu.size());
    MenuController& controller = popup.controller;
    controller.menu = &menu;
    controller.rows = popup.drawing.rows;
    controller.widths = {popup.main.width};
    controller.lists = &popup;
    controller.choose = choose;
    for (std::size_t i = 0; i < menu.size(); ++i) {
        if (!menu[i].submenu.empty())
            popup.submenus[i] = CreateMenuWindow(popup.drawing, menu[i].submenu);
        controller.widths.push_back(popup.submenus[i].width);
    }
    // Drawn once now, so that the glyphs are rendered and cached before the first opening.
    DrawMenuWindow(popup.drawing, popup.main, -1);
    for (const MenuWindow& submenu : popup.submenus) {
        if (submenu.window != 0) DrawMenuWindow(popup.drawing, submenu, -1);
    }
    XFlush(popup.drawing.display);
    return true;
}

void DisconnectPopupMenu(PopupMenu& popup) {
    if (popup.drawing.display == nullptr) return;
    CloseMenu(popup.controller);
    for (MenuWindow& submenu : popup.submenus) {
        if (submenu.window != 0) DestroyMenuWindow(popup.drawing, submenu);
    }
    DestroyMenuWindow(popup.drawing, popup.main);
    Display* display = popup.drawing.display;
    CloseMenuDrawing(popup.drawing);
    XCloseDisplay(display);
    // Xft started fontconfig for the menu's text, the program's only text; with the fonts closed
    // above, fontconfig can let go of its configuration and caches too.
    FcFini();
}

bool PopupFontCoversLabels(const PopupMenu& popup) {
    for (const MenuEntry& entry : *popup.controller.menu) {
        if (!FontCovers(popup.drawing, entry.label)) return false;
        for (const MenuEntry& inner : entry.submenu) {
            if (!FontCovers(popup.drawing, inner.label)) return false;
        }
    }
    return true;
}

bool OpenPopupMenu(PopupMenu& popup, int x, int y, bool byKey) {
    if (popup.drawing.display == nullptr || popup.controller.open) return false;
    int rootX = 0;
    int rootY = 0;
    Window child = 0;
    XTranslateCoordinates(popup.drawing.display, popup.ownerWindow, popup.drawing.root, x, y,
                          &rootX, &rootY, &child);
    popup.ownerX = rootX - x;
    popup.ownerY = rootY - y;
    const Rect monitor =
        MonitorAt(Monitors(popup.drawing.display), rootX, rootY, ScreenRect(popup.drawing.display));
    if (!OpenMenu(popup.controller, monitor, rootX, rootY, byKey)) return false;
    XFlush(popup.drawing.display);
    return true;
}

void FeedPopupButton(PopupMenu& popup, bool pressed, int x, int y) {
    constexpr int kRightButton = 2;
    MenuButton(popup.controller, pressed, kRightButton, x + popup.ownerX, y + popup.ownerY);
    XFlush(popup.drawing.display);
}

void PumpPopupMenu(PopupMenu& popup) {
    while (popup.controller.open && XPending(popup.drawing.display) > 0) {
        XEvent event{};
        XNextEvent(popup.drawing.display, &event);
        HandleEvent(popup.controller, event);
    }
    XFlush(popup.drawing.display);
}
