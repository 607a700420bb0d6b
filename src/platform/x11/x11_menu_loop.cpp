// The pop-up menu's event loop, on its own X connection, for another client's window: opened by a
// button press in that window or a key, it holds the pointer and the keyboard until a choice or a
// close.
#include "platform/x11/x11_menu_loop.h"

#include <X11/keysym.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "platform/x11/x11_screen.h"

namespace {

constexpr int kUndrawn = -2;  // a highlight no window can show: the next Redraw draws regardless
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

const MenuWindow& SubmenuWindow(const PopupMenu& popup, int row) {
    return popup.submenus[static_cast<std::size_t>(row)];
}

Rect SubmenuRect(const PopupMenu& popup, int row) {
    const MenuWindow& window = SubmenuWindow(popup, row);
    const int entryTop = RowTop(popup.mainRect, popup.drawing.rows, row);
    return PlaceSubmenu(popup.mainRect, entryTop, popup.drawing.rows, window.width, window.height,
                        popup.monitor);
}

MenuSpot Spot(const PopupMenu& popup, int x, int y) {
    const int row = popup.session.submenuOf;
    const Rect submenu = row >= 0 ? SubmenuRect(popup, row) : Rect{};
    return SpotAt(popup.mainRect, static_cast<int>(popup.menu->size()),
                  row >= 0 ? &submenu : nullptr,
                  static_cast<int>(EntriesAt(popup.session, 1).size()), popup.drawing.rows, x, y);
}

MenuKey KeyOf(KeySym key) {
    switch (key) {
    case XK_Up:
    case XK_KP_Up: return MenuKey::kUp;
    case XK_Down:
    case XK_KP_Down: return MenuKey::kDown;
    case XK_Left:
    case XK_KP_Left: return MenuKey::kLeft;
    case XK_Right:
    case XK_KP_Right: return MenuKey::kRight;
    case XK_Return:
    case XK_KP_Enter: return MenuKey::kEnter;
    case XK_Escape: return MenuKey::kEscape;
    default: return MenuKey::kOther;
    }
}

// The left, middle and right buttons click; the wheel does not.
bool Clicks(unsigned button) { return button >= Button1 && button <= Button3; }

MenuStep HandleEvent(PopupMenu& popup, XEvent& event) {
    MenuSession& session = popup.session;
    switch (event.type) {
    case MotionNotify: {
        const XMotionEvent& m = event.xmotion;
        MoveMenuPointer(session, Spot(popup, m.x_root, m.y_root), m.x_root, m.y_root);
        return {};
    }
    case ButtonPress: {
        const XButtonEvent& b = event.xbutton;
        if (!Clicks(b.button)) return {};
        return PressMenuButton(session, Spot(popup, b.x_root, b.y_root), b.x_root, b.y_root);
    }
    case ButtonRelease: {
        const XButtonEvent& b = event.xbutton;
        if (!Clicks(b.button)) return {};
        return ReleaseMenuButton(session, Spot(popup, b.x_root, b.y_root), b.x_root, b.y_root);
    }
    case KeyPress: return PressMenuKey(session, KeyOf(XLookupKeysym(&event.xkey, 0)));
    default: return {};
    }
}

void MapAt(Display* display, const MenuWindow& window, const Rect& where) {
    XMoveWindow(display, window.window, where.x, where.y);
    XMapRaised(display, window.window);
}

// Draws a window again only when the session's highlight differs from what it shows.
void Redraw(PopupMenu& popup, int level, const MenuWindow& window) {
    const auto index = static_cast<std::size_t>(level);
    const int highlight = popup.session.highlight[index];
    if (popup.drawnHighlight[index] == highlight) return;
    DrawMenuWindow(popup.drawing, window, highlight);
    popup.drawnHighlight[index] = highlight;
}

// Brings the windows in line with the session: the right submenu mapped, highlights drawn.
// Every window is drawn before it is mapped.
void ShowSession(PopupMenu& popup) {
    const int wanted = popup.session.submenuOf;
    if (popup.shownSubmenu != wanted) {
        if (popup.shownSubmenu >= 0)
            XUnmapWindow(popup.drawing.display, SubmenuWindow(popup, popup.shownSubmenu).window);
        popup.shownSubmenu = wanted;
        popup.drawnHighlight[1] = kUndrawn;
        if (wanted >= 0) {
            Redraw(popup, 1, SubmenuWindow(popup, wanted));
            MapAt(popup.drawing.display, SubmenuWindow(popup, wanted), SubmenuRect(popup, wanted));
        }
    }
    if (popup.shownSubmenu >= 0) Redraw(popup, 1, SubmenuWindow(popup, popup.shownSubmenu));
    Redraw(popup, 0, popup.main);
    XFlush(popup.drawing.display);
}

void ClosePopupMenu(PopupMenu& popup) {
    if (popup.shownSubmenu >= 0)
        XUnmapWindow(popup.drawing.display, SubmenuWindow(popup, popup.shownSubmenu).window);
    XUnmapWindow(popup.drawing.display, popup.main.window);
    XUngrabKeyboard(popup.drawing.display, CurrentTime);
    XUngrabPointer(popup.drawing.display, CurrentTime);
    XSync(popup.drawing.display, True);  // what is still queued belongs to no menu
    popup.shownSubmenu = -1;
    popup.open = false;
}

MenuStep Settle(PopupMenu& popup, MenuStep step) {
    if (step.outcome == MenuOutcome::kStay) {
        ShowSession(popup);
    } else {
        ClosePopupMenu(popup);
    }
    return step;
}

}  // namespace

bool ConnectPopupMenu(PopupMenu& popup, Display* ownerDisplay, Window ownerWindow, const Menu& menu,
                      const char* lang) {
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
    popup.menu = &menu;
    popup.main = CreateMenuWindow(popup.drawing, menu);
    popup.submenus.resize(menu.size());
    for (std::size_t i = 0; i < menu.size(); ++i) {
        if (!menu[i].submenu.empty())
            popup.submenus[i] = CreateMenuWindow(popup.drawing, menu[i].submenu);
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
    if (popup.open) ClosePopupMenu(popup);
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
    for (const MenuEntry& entry : *popup.menu) {
        if (!FontCovers(popup.drawing, entry.label)) return false;
        for (const MenuEntry& inner : entry.submenu) {
            if (!FontCovers(popup.drawing, inner.label)) return false;
        }
    }
    return true;
}

bool OpenPopupMenu(PopupMenu& popup, int x, int y, bool byKey) {
    if (popup.drawing.display == nullptr || popup.open) return false;
    // The press gave the owner's connection the pointer until the release: let it go there first.
    XUngrabPointer(popup.ownerDisplay, CurrentTime);
    XFlush(popup.ownerDisplay);
    if (!GrabInput(popup.drawing)) return false;
    int rootX = 0;
    int rootY = 0;
    Window child = 0;
    XTranslateCoordinates(popup.drawing.display, popup.ownerWindow, popup.drawing.root, x, y,
                          &rootX, &rootY, &child);
    popup.ownerX = rootX - x;
    popup.ownerY = rootY - y;
    popup.monitor =
        MonitorAt(Monitors(popup.drawing.display), rootX, rootY, ScreenRect(popup.drawing.display));
    popup.mainRect = PlaceMenu(rootX, rootY, popup.main.width, popup.main.height, popup.monitor);
    if (byKey) {
        popup.session = StartKeyMenuSession(*popup.menu);
    } else {
        popup.session = StartMenuSession(*popup.menu, rootX, rootY);
        // The menu may have been shifted under the pointer.
        MoveMenuPointer(popup.session, Spot(popup, rootX, rootY), rootX, rootY);
    }
    popup.drawnHighlight = {kUndrawn, kUndrawn};
    Redraw(popup, 0, popup.main);
    MapAt(popup.drawing.display, popup.main, popup.mainRect);
    popup.open = true;
    ShowSession(popup);
    return true;
}

MenuStep FeedPopupButton(PopupMenu& popup, bool pressed, int x, int y) {
    if (!popup.open) return {};
    const int rootX = x + popup.ownerX;
    const int rootY = y + popup.ownerY;
    const MenuSpot spot = Spot(popup, rootX, rootY);
    return Settle(popup, pressed ? PressMenuButton(popup.session, spot, rootX, rootY)
                                 : ReleaseMenuButton(popup.session, spot, rootX, rootY));
}

MenuStep PumpPopupMenu(PopupMenu& popup) {
    if (!popup.open) return {};
    MenuStep step;
    while (step.outcome == MenuOutcome::kStay && XPending(popup.drawing.display) > 0) {
        XEvent event{};
        XNextEvent(popup.drawing.display, &event);
        step = HandleEvent(popup, event);
    }
    return Settle(popup, step);
}
