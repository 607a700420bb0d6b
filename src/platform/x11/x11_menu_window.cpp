// The pop-up menu's look and its X windows: an anti-aliased Xft font, the colours, and one
// override-redirect window per menu that shows a picture drawn before the window is mapped.
#include "platform/x11/x11_menu_window.h"

#include <X11/Xatom.h>

#include <algorithm>

namespace {

struct Colour {
    unsigned short red, green, blue;
};

// Indexed by MenuColour: light menu, grey frame, dark text, white text on blue when highlighted.
constexpr std::array<Colour, kMenuColourCount> kColours{{
    {0xf6f6, 0xf5f5, 0xf4f4},
    {0xa8a8, 0xa8a8, 0xa6a6},
    {0x2e2e, 0x3434, 0x3636},
    {0x3535, 0x8484, 0xe4e4},
    {0xffff, 0xffff, 0xffff},
}};

const FcChar8* Utf8(const std::string& text) {
    return reinterpret_cast<const FcChar8*>(text.data());
}

XftFont* OpenFont(Display* display, const char* lang, double pixels) {
    FcPattern* wanted = FcPatternCreate();
    FcPatternAddString(wanted, FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
    FcPatternAddString(wanted, FC_LANG, reinterpret_cast<const FcChar8*>(lang));
    FcPatternAddDouble(wanted, FC_PIXEL_SIZE, pixels);
    FcPatternAddBool(wanted, FC_ANTIALIAS, FcTrue);
    FcResult result = FcResultNoMatch;
    FcPattern* match = XftFontMatch(display, DefaultScreen(display), wanted, &result);
    FcPatternDestroy(wanted);
    if (match == nullptr) return nullptr;
    XftFont* font = XftFontOpenPattern(display, match);  // owns `match` from here on
    if (font == nullptr) FcPatternDestroy(match);
    return font;
}

int TextWidth(Display* display, const MenuLook& look, const std::string& text) {
    XGlyphInfo extents{};
    XftTextExtentsUtf8(display, look.font, Utf8(text), static_cast<int>(text.size()), &extents);
    return extents.xOff;
}

int MarkWidth(const MenuLook& look) { return look.markSize / 2 + 1; }

int MenuWidth(Display* display, const MenuLook& look, const Menu& entries) {
    int text = 0;
    bool anySubmenu = false;
    for (const MenuEntry& entry : entries) {
        text = std::max(text, TextWidth(display, look, entry.label));
        anySubmenu = anySubmenu || !entry.submenu.empty();
    }
    const int mark = anySubmenu ? look.textInset + MarkWidth(look) : 0;
    return std::max(look.minWidth, 2 * look.textInset + text + mark);
}

// So that window managers and compositors treat the window as a menu (no decoration, shadow).
void MarkAsPopupMenu(Display* display, Window window) {
    const Atom type = XInternAtom(display, "_NET_WM_WINDOW_TYPE", False);
    const Atom popupMenu = XInternAtom(display, "_NET_WM_WINDOW_TYPE_POPUP_MENU", False);
    XChangeProperty(display, window, type, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&popupMenu), 1);
}

// A triangle pointing right, one pixel row at a time, its tip at mid-height.
void DrawSubmenuMark(const MenuLook& look, const MenuWindow& menu, int top, const XftColor& ink) {
    const int left = menu.width - look.textInset - MarkWidth(look);
    const int markTop = top + (look.rows.rowHeight - look.markSize) / 2;
    for (int i = 0; i < look.markSize; ++i) {
        const int width = std::min(i, look.markSize - 1 - i) + 1;
        XftDrawRect(menu.draw, &ink, left, markTop + i, static_cast<unsigned>(width), 1);
    }
}

void DrawRow(const MenuLook& look, const MenuWindow& menu, int row, bool highlighted) {
    const MenuEntry& entry = (*menu.entries)[static_cast<std::size_t>(row)];
    const int top = RowTop({0, 0, menu.width, menu.height}, look.rows, row);
    if (highlighted) {
        XftDrawRect(menu.draw, &look.colours[kMenuHighlight], 1, top,
                    static_cast<unsigned>(menu.width - 2),
                    static_cast<unsigned>(look.rows.rowHeight));
    }
    const XftColor& ink = look.colours[highlighted ? kMenuHighlightText : kMenuText];
    const int textHeight = look.font->ascent + look.font->descent;
    const int baseline = top + (look.rows.rowHeight - textHeight) / 2 + look.font->ascent;
    XftDrawStringUtf8(menu.draw, &ink, look.font, look.textInset, baseline, Utf8(entry.label),
                      static_cast<int>(entry.label.size()));
    if (!entry.submenu.empty()) DrawSubmenuMark(look, menu, top, ink);
}

}  // namespace

bool LoadMenuLook(Display* display, const char* lang, MenuLook& look) {
    look.font = OpenFont(display, lang, MenuFontPixels(XGetDefault(display, "Xft", "dpi")));
    if (look.font == nullptr) return false;
    const int screen = DefaultScreen(display);
    for (std::size_t i = 0; i < kColours.size(); ++i) {
        const XRenderColor value{kColours[i].red, kColours[i].green, kColours[i].blue, 0xffff};
        XftColorAllocValue(display, DefaultVisual(display, screen),
                           DefaultColormap(display, screen), &value, &look.colours[i]);
    }
    const int textHeight = look.font->ascent + look.font->descent;
    look.rows = {std::max(2, textHeight / 4), textHeight + textHeight / 2};
    look.textInset = textHeight * 3 / 4;
    look.markSize = (textHeight / 2) | 1;  // odd, so the tip is one pixel
    look.minWidth = 6 * textHeight;
    return true;
}

void FreeMenuLook(Display* display, MenuLook& look) {
    const int screen = DefaultScreen(display);
    for (XftColor& colour : look.colours) {
        XftColorFree(display, DefaultVisual(display, screen), DefaultColormap(display, screen),
                     &colour);
    }
    XftFontClose(display, look.font);
    look.font = nullptr;
}

bool FontCovers(Display* display, const MenuLook& look, const std::string& utf8) {
    const FcChar8* next = Utf8(utf8);
    int left = static_cast<int>(utf8.size());
    while (left > 0) {
        FcChar32 character = 0;
        const int length = FcUtf8ToUcs4(next, &character, left);
        if (length <= 0 || XftCharExists(display, look.font, character) == 0) return false;
        next += length;
        left -= length;
    }
    return true;
}

MenuWindow CreateMenuWindow(Display* display, const MenuLook& look, const Menu& entries) {
    MenuWindow menu;
    menu.entries = &entries;
    menu.width = MenuWidth(display, look, entries);
    menu.height = MenuHeight(look.rows, static_cast<int>(entries.size()));
    const int screen = DefaultScreen(display);
    const Window root = RootWindow(display, screen);
    menu.picture = XCreatePixmap(display, root, static_cast<unsigned>(menu.width),
                                 static_cast<unsigned>(menu.height),
                                 static_cast<unsigned>(DefaultDepth(display, screen)));
    XSetWindowAttributes attributes{};
    attributes.background_pixmap = menu.picture;
    attributes.override_redirect = True;
    attributes.save_under = True;
    menu.window =
        XCreateWindow(display, root, 0, 0, static_cast<unsigned>(menu.width),
                      static_cast<unsigned>(menu.height), 0, CopyFromParent, InputOutput,
                      CopyFromParent, CWBackPixmap | CWOverrideRedirect | CWSaveUnder, &attributes);
    MarkAsPopupMenu(display, menu.window);
    menu.draw = XftDrawCreate(display, menu.picture, DefaultVisual(display, screen),
                              DefaultColormap(display, screen));
    return menu;
}

void DestroyMenuWindow(Display* display, MenuWindow& menu) {
    XftDrawDestroy(menu.draw);
    XDestroyWindow(display, menu.window);
    XFreePixmap(display, menu.picture);
    menu = MenuWindow{};
}

void DrawMenuWindow(Display* display, const MenuLook& look, const MenuWindow& menu, int highlight) {
    XftDrawRect(menu.draw, &look.colours[kMenuFrame], 0, 0, static_cast<unsigned>(menu.width),
                static_cast<unsigned>(menu.height));
    XftDrawRect(menu.draw, &look.colours[kMenuBackground], 1, 1,
                static_cast<unsigned>(menu.width - 2), static_cast<unsigned>(menu.height - 2));
    for (int row = 0; row < static_cast<int>(menu.entries->size()); ++row)
        DrawRow(look, menu, row, row == highlight);
    // The server may have copied the picture when it became the background: hand it over again.
    XSetWindowBackgroundPixmap(display, menu.window, menu.picture);
    XClearWindow(display, menu.window);
}
