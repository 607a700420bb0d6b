// The canvas's pop-up menu in the browser: HTML lists shown and highlighted for the same menu
// controller as the desktop's own pop-up.
#include <GL/freeglut_std.h>
#include <emscripten.h>

#include <cstdlib>
#include <vector>

#include "menu/menu_controller.h"
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
}

namespace {

constexpr RowLayout kRows{4, 24};  // CSS pixels: frame above and below, row height

// The page's lists, numbered as web_menu.js made them; while the menu is open, the page's
// listeners give it the pointer and the keys.
struct PageLists final : MenuLists {
    std::vector<int> ids;  // the page's list per list as the controller numbers them, or -1

    bool TakeInput() override {
        WebMenuSetOpen(1);
        return true;
    }
    void ReleaseInput() override { WebMenuSetOpen(0); }
    void ShowList(int list, const Rect& where) override {
        WebMenuShowList(Id(list), where.x, where.y, where.width, where.height);
    }
    void HideList(int list) override { WebMenuHideList(Id(list)); }
    void HighlightRow(int list, int row) override { WebMenuHighlight(Id(list), row); }
    int Id(int list) const { return ids[static_cast<std::size_t>(list)]; }
};

PageLists pageLists;
MenuController controller;

// A list of `entries`, whose row i opens the page's list opens[i] (none where it is -1 or missing).
int BuildList(const Menu& entries, const std::vector<int>& opens) {
    const int list = WebMenuCreateList(kRows.frame, kRows.rowHeight);
    for (std::size_t row = 0; row < entries.size(); ++row)
        WebMenuAddItem(list, entries[row].label.c_str(), row < opens.size() ? opens[row] : -1);
    return list;
}

// Opens the main menu with its corner at client point (x, y): for a press there, or `byKey`.
void Open(int x, int y, bool byKey) {
    if (controller.menu == nullptr || controller.open) return;
    int size[2] = {};
    WebMenuViewport(size);
    OpenMenu(controller, {0, 0, size[0], size[1]}, x, y, byKey);
}

void FreeWindowMenu() { WebMenuDestroy(); }

}  // namespace

// Pointer events while the menu is open, in client coordinates: 0 a move, 1 a press, 2 a release;
// buttons as the DOM counts them.
extern "C" EMSCRIPTEN_KEEPALIVE void WebMenuPointer(int kind, int button, int x, int y) {
    if (kind == 0) {
        MoveMenuPointerTo(controller, x, y);
    } else {
        MenuButton(controller, kind == 1, button, x, y);
    }
}

// A key while the menu is open, by its DOM key value.
extern "C" EMSCRIPTEN_KEEPALIVE void WebMenuKey(const char* key) {
    MenuKeyDown(controller, MenuKeyNamed(key));
}

// A finger held still at (x, y) in client coordinates opens the menu there, as a pressed button
// that is still held (web_touch.js).
extern "C" EMSCRIPTEN_KEEPALIVE void WebMenuHeld(int x, int y) { Open(x, y, false); }

// The page is in the label's language, so the browser already picks a font that has its script.
void CreateWindowMenu(const Menu& menu, const char* /*labelLanguage*/, MenuChoice choose) {
    std::vector<int> submenus;
    for (const MenuEntry& entry : menu)
        submenus.push_back(entry.submenu.empty() ? -1 : BuildList(entry.submenu, {}));
    pageLists.ids = {BuildList(menu, submenus)};
    pageLists.ids.insert(pageLists.ids.end(), submenus.begin(), submenus.end());
    controller.menu = &menu;
    controller.rows = kRows;
    controller.lists = &pageLists;
    controller.choose = choose;
    for (const int id : pageLists.ids) controller.widths.push_back(id < 0 ? 0 : WebMenuWidth(id));
    std::atexit(FreeWindowMenu);
}

// Releases come to the menu from the page itself, which sees them wherever they happen.
void WindowMenuButton(bool pressed, int x, int y) {
    if (!pressed) return;
    int point[2] = {};
    WebMenuCanvasToClient(x, y, point);
    Open(point[0], point[1], false);
}

void OpenWindowMenuByKey() {
    int point[2] = {};
    WebMenuCanvasToClient(glutGet(GLUT_WINDOW_WIDTH) / 2, glutGet(GLUT_WINDOW_HEIGHT) / 2, point);
    Open(point[0], point[1], true);
}

// The Menu key, or a context menu the browser opens for the keyboard; Emscripten's GLUT passes
// neither on.
extern "C" EMSCRIPTEN_KEEPALIVE void WebMenuOpenByKey() { OpenWindowMenuByKey(); }
