// The canvas's pop-up menu in the browser: HTML lists placed and driven by the same menu rules as
// the desktop's own pop-up.
#include <GL/freeglut_std.h>
#include <emscripten.h>

#include <cstdlib>
#include <vector>

#include "platform/window_system.h"

extern "C" {
// web_menu.js
int WebMenuCreateList(int frame, int rowHeight);
void WebMenuAddItem(int list, const char* label, int opensList);
int WebMenuWidth(int list);
void WebMenuShowList(int list, int x, int y, int width, int height);
void WebMenuHideList(int list);
void WebMenuHighlight(int list, int row);
void WebMenuSetOpen(int open);
void WebMenuViewport(int* size);
void WebMenuCanvasToClient(int x, int y, int* point);
void WebMenuDestroy();
// web_canvas.js
void WebCanvasShowsCloseUp(const char* label);
}

namespace {

constexpr RowLayout kRows{4, 24};  // CSS pixels: frame above and below, row height

struct WebMenu {
    const Menu* menu = nullptr;
    MenuChoice choose = nullptr;
    int mainList = -1;
    std::vector<int> submenuList;  // per main-menu row, the list of its submenu, or -1
    std::vector<int> width;        // per list
    bool open = false;
    MenuSession session;
    Rect viewport;
    Rect mainRect;
    int shownSubmenu = -1;  // main-menu row whose list shows
};

WebMenu web;

int Rows(const Menu& entries) { return static_cast<int>(entries.size()); }

// A list of `entries`, whose row i opens list opens[i] (none where it is -1 or missing).
int BuildList(const Menu& entries, const std::vector<int>& opens) {
    const int list = WebMenuCreateList(kRows.frame, kRows.rowHeight);
    for (std::size_t row = 0; row < entries.size(); ++row)
        WebMenuAddItem(list, entries[row].label.c_str(), row < opens.size() ? opens[row] : -1);
    web.width.push_back(WebMenuWidth(list));
    return list;
}

Rect SubmenuRect(int row) {
    const int list = web.submenuList[static_cast<std::size_t>(row)];
    const int entryTop = RowTop(web.mainRect, kRows, row);
    const int height = MenuHeight(kRows, Rows((*web.menu)[static_cast<std::size_t>(row)].submenu));
    return PlaceSubmenu(web.mainRect, entryTop, kRows, web.width[static_cast<std::size_t>(list)],
                        height, web.viewport);
}

MenuSpot Spot(int x, int y) {
    const int row = web.session.submenuOf;
    const Rect submenu = row >= 0 ? SubmenuRect(row) : Rect{};
    return SpotAt(web.mainRect, Rows(*web.menu), row >= 0 ? &submenu : nullptr,
                  Rows(EntriesAt(web.session, 1)), kRows, x, y);
}

void Show(int list, const Rect& where) {
    WebMenuShowList(list, where.x, where.y, where.width, where.height);
}

// Brings the lists in line with the session: the right submenu shown, the highlights set.
void ShowSession() {
    const int wanted = web.session.submenuOf;
    if (web.shownSubmenu != wanted) {
        if (web.shownSubmenu >= 0)
            WebMenuHideList(web.submenuList[static_cast<std::size_t>(web.shownSubmenu)]);
        web.shownSubmenu = wanted;
        if (wanted >= 0)
            Show(web.submenuList[static_cast<std::size_t>(wanted)], SubmenuRect(wanted));
    }
    if (wanted >= 0)
        WebMenuHighlight(web.submenuList[static_cast<std::size_t>(wanted)],
                         web.session.highlight[1]);
    WebMenuHighlight(web.mainList, web.session.highlight[0]);
}

void Close() {
    if (web.shownSubmenu >= 0)
        WebMenuHideList(web.submenuList[static_cast<std::size_t>(web.shownSubmenu)]);
    WebMenuHideList(web.mainList);
    web.shownSubmenu = -1;
    web.open = false;
    WebMenuSetOpen(0);
}

// Hands the choice on, and names the canvas after what it shows from now on.
void Choose(int value) {
    web.choose(value);
    for (const MenuEntry& entry : *web.menu) {
        for (const MenuEntry& body : entry.submenu)
            if (body.value == value) WebCanvasShowsCloseUp(body.label.c_str());
    }
}

void Settle(const MenuStep& step) {
    if (step.outcome == MenuOutcome::kStay) {
        ShowSession();
        return;
    }
    Close();
    if (step.outcome == MenuOutcome::kChoose) Choose(step.value);
}

// Opens the main menu with its corner at client point (x, y): for a press there, or `byKey`.
void Open(int x, int y, bool byKey) {
    int size[2] = {};
    WebMenuViewport(size);
    web.viewport = {0, 0, size[0], size[1]};
    const int height = MenuHeight(kRows, Rows(*web.menu));
    web.mainRect =
        PlaceMenu(x, y, web.width[static_cast<std::size_t>(web.mainList)], height, web.viewport);
    if (byKey) {
        web.session = StartKeyMenuSession(*web.menu);
    } else {
        web.session = StartMenuSession(*web.menu, x, y);
        MoveMenuPointer(web.session, Spot(x, y), x, y);  // the menu may have been shifted under it
    }
    Show(web.mainList, web.mainRect);
    web.open = true;
    WebMenuSetOpen(1);
    ShowSession();
}

void FreeWindowMenu() { WebMenuDestroy(); }

}  // namespace

// Pointer events while the menu is open, in client coordinates: 0 a move, 1 a press, 2 a release.
extern "C" EMSCRIPTEN_KEEPALIVE void WebMenuPointer(int kind, int button, int x, int y) {
    if (!web.open) return;
    const MenuSpot spot = Spot(x, y);
    if (kind == 0) {
        MoveMenuPointer(web.session, spot, x, y);
        ShowSession();
        return;
    }
    if (button > 2) return;  // the left, middle and right buttons click; others do not
    Settle(kind == 1 ? PressMenuButton(web.session, spot, x, y)
                     : ReleaseMenuButton(web.session, spot, x, y));
}

// A key while the menu is open, numbered as MenuKey.
extern "C" EMSCRIPTEN_KEEPALIVE void WebMenuKey(int key) {
    if (web.open) Settle(PressMenuKey(web.session, static_cast<MenuKey>(key)));
}

// A finger held still at (x, y) in client coordinates opens the menu there, as a pressed button
// that is still held (web_touch.js).
extern "C" EMSCRIPTEN_KEEPALIVE void WebMenuHeld(int x, int y) {
    if (!web.open && web.menu != nullptr) Open(x, y, false);
}

// The page is in the label's language, so the browser already picks a font that has its script.
void CreateWindowMenu(const Menu& menu, const char* /*labelLanguage*/, MenuChoice choose) {
    web.menu = &menu;
    web.choose = choose;
    for (const MenuEntry& entry : menu)
        web.submenuList.push_back(entry.submenu.empty() ? -1 : BuildList(entry.submenu, {}));
    web.mainList = BuildList(menu, web.submenuList);
    std::atexit(FreeWindowMenu);
}

// Releases come to the menu from the page itself, which sees them wherever they happen.
void WindowMenuButton(bool pressed, int x, int y) {
    if (!pressed || web.open || web.menu == nullptr) return;
    int point[2] = {};
    WebMenuCanvasToClient(x, y, point);
    Open(point[0], point[1], false);
}

void OpenWindowMenuByKey() {
    if (web.open || web.menu == nullptr) return;
    int point[2] = {};
    WebMenuCanvasToClient(glutGet(GLUT_WINDOW_WIDTH) / 2, glutGet(GLUT_WINDOW_HEIGHT) / 2, point);
    Open(point[0], point[1], true);
}

// The Menu key, or a context menu the browser opens for the keyboard; Emscripten's GLUT passes
// neither on.
extern "C" EMSCRIPTEN_KEEPALIVE void WebMenuOpenByKey() { OpenWindowMenuByKey(); }
