// What the pop-up menu draws with, and its X windows: the X connection's fixed facts, an
// anti-aliased Xft font and the colours, made once; one override-redirect window per menu that
// shows a picture drawn before the window is mapped.
#include "platform/x11/x11_menu_drawing.h"

#include <X11/Xatom.h>

#include <algorithm>

#include "platform/x11/x11_screen.h"

namespace {

constexpr double kFontPoints = 11.0;
constexpr double kPointsPerInch = 72.0;

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

XftFont* OpenFont(Display* display, int screen, const char* lang, double pixels) {
    FcPattern* wanted = FcPatternCreate();
    FcPatternAddString(wanted, FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
    FcPatternAddString(wanted, FC_LANG, reinterpret_cast<const FcChar8*>(lang));
    FcPatternAddDouble(wanted, FC_PIXEL_SIZE, pixels);
    FcPatternAddBool(wanted, FC_ANTIALIAS, FcTrue);
    FcResult result = FcResultNoMatch;
    FcPattern* match = XftFontMatch(display, screen, wanted, &result);
    FcPatternDestroy(wanted);
    if (match == nullptr) return nullptr;
    XftFont* font = XftFontOpenPattern(display, match);  // owns `match` from here on
    if (font == nullptr) FcPatternDestroy(match);
    return font;
}

int TextWidth(const MenuDrawing& drawing, const std::string& text) {
    XGlyphInfo extents{};
    XftTextExtentsUtf8(drawing.display, drawing.font, Utf8(text), static_cast<int>(text.size()),
                       &extents);
    return extents.xOff;
}

int MarkWidth(const MenuDrawing& drawing) { return drawing.markSize / 2 + 1; }

int MenuWidth(const MenuDrawing& drawing, const Menu& entries) {
    int text = 0;
    bool anySubmenu = false;
    for (const MenuEntry& entry : entries) {
        text = std::max(text, TextWidth(drawing, entry.label));
        anySubmenu = anySubmenu || !entry.submenu.empty();
    }
    const int mark = anySubmenu ? drawing.textInset + MarkWidth(drawing) : 0;
    return std::max(drawing.minWidth, 2 * drawing.textInset + text + mark);
}

// So that window managers and compositors treat the window as a menu (no decoration, shadow).
void MarkAsPopupMenu(Display* display, Window window) {
    const Atom type = XInternAtom(display, "_NET_WM_WINDOW_TYPE", False);
    const Atom popupMenu = XInternAtom(display, "_NET_WM_WINDOW_TYPE_POPUP_MENU", False);
    XChangeProperty(display, window, type, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&popupMenu), 1);
}

// A triangle pointing right, one pixel row at a time, its tip at mid-height.
void DrawSubmenuMark(const MenuDrawing& drawing, const MenuWindow& menu, int top,
                     const XftColor& ink) {
    const int left = menu.width - drawing.textInset - MarkWidth(drawing);
    const int markTop = top + (drawing.rows.rowHeight - drawing.markSize) / 2;
    for (int i = 0; i < drawing.markSize; ++i) {
        const int width = std::min(i, drawing.markSize - 1 - i) + 1;
        XftDrawRect(menu.draw, &ink, left, markTop + i, static_cast<unsigned>(width), 1);
    }
}

void DrawRow(const MenuDrawing& drawing, const MenuWindow& menu, int row, bool highlighted) {
    const MenuEntry& entry = (*menu.entries)[static_cast<std::size_t>(row)];
    const int top = RowTop({0, 0, menu.width, menu.height}, drawing.rows, row);
    if (highlighted) {
        XftDrawRect(menu.draw, &drawing.colours[kMenuHighlight], 1, top,
                    static_cast<unsigned>(menu.width - 2),
                    static_cast<unsigned>(drawing.rows.rowHeight));
    }
    const XftColor& ink = drawing.colours[highlighted ? kMenuHighlightText : kMenuText];
    const int textHeight = drawing.font->ascent + drawing.font->descent;
    const int baseline = top + (drawing.rows.rowHeight - textHeight) / 2 + drawing.font->ascent;
    XftDrawStringUtf8(menu.draw, &ink, drawing.font, drawing.textInset, baseline, Utf8(entry.label),
                      static_cast<int>(entry.label.size()));
    if (!entry.submenu.empty()) DrawSubmenuMark(drawing, menu, top, ink);
}

}  // namespace

double MenuFontPixels(const char* xftDpi) {
    return kFontPoints * ScreenDpi(xftDpi) / kPointsPerInch;
}

bool OpenMenuDrawing(Display* display, const char* lang, MenuDrawing& drawing) {
    drawing.display = display;
    drawing.screen = DefaultScreen(display);
    drawing.root = RootWindow(display, drawing.screen);
    drawing.visual = DefaultVisual(display, drawing.screen);
    drawing.colormap = DefaultColormap(display, drawing.screen);
    drawing.depth = static_cast<unsigned>(DefaultDepth(display, drawing.screen));
    drawing.font =
        OpenFont(display, drawing.screen, lang, MenuFontPixels(XGetDefault(display, "Xft", "dpi")));
    if (drawing.font == nullptr) return false;
    for (std::size_t i = 0; i < kColours.size(); ++i) {
        const XRenderColor value{kColours[i].red, kColours[i].green, kColours[i].blue, 0xffff};
        XftColorAllocValue(display, drawing.visual, drawing.colormap, &value, &drawing.colours[i]);
    }
    const int textHeight = drawing.font->ascent + drawing.font->descent;
    drawing.rows = {std::max(2, textHeight / 4), textHeight + textHeight / 2};
    drawing.textInset = textHeight * 3 / 4;
    drawing.markSize = (textHeight / 2) | 1;  // odd, so the tip is one pixel
    drawing.minWidth = 6 * textHeight;
    return true;
}

void CloseMenuDrawing(MenuDrawing& drawing) {
    for (XftColor& colour : drawing.colours)
        XftColorFree(drawing.display, drawing.visual, drawing.colormap, &colour);
    XftFontClose(drawing.display, drawing.font);
    drawing = MenuDrawing{};
}

bool FontCovers(const MenuDrawing& drawing, const std::string& utf8) {
    const FcChar8* next = Utf8(utf8);
    int left = static_cast<int>(utf8.size());
    while (left > 0) {
        FcChar32 character = 0;
        const int length = FcUtf8ToUcs4(next, &character, left);
        if (length <= 0 || XftCharExists(drawing.display, drawing.font, character) == 0)
            return false;
        next += length;
        left -= length;
    }
    return true;
}

MenuWindow CreateMenuWindow(const MenuDrawing& drawing, const Menu& entries) {
    MenuWindow menu;
    menu.entries = &entries;
    menu.width = MenuWidth(drawing, entries);
    menu.height = MenuHeight(drawing.rows, static_cast<int>(entries.size()));
    const auto width = static_cast<unsigned>(menu.width);
    const auto height = static_cast<unsigned>(menu.height);
    menu.picture = XCreatePixmap(drawing.display, drawing.root, width, height, drawing.depth);
    XSetWindowAttributes attributes{};
    attributes.background_pixmap = menu.picture;
    attributes.override_redirect = True;
    attributes.save_under = True;
    menu.window = XCreateWindow(drawing.display, drawing.root, 0, 0, width, height, 0,
                                CopyFromParent, InputOutput, CopyFromParent,
                                CWBackPixmap | CWOverrideRedirect | CWSaveUnder, &attributes);
    MarkAsPopupMenu(drawing.display, menu.window);
    menu.draw = XftDrawCreate(drawing.display, menu.picture, drawing.visual, drawing.colormap);
    return menu;
}

void DestroyMenuWindow(const MenuDrawing& drawing, MenuWindow& menu) {
    XftDrawDestroy(menu.draw);
    XDestroyWindow(drawing.display, menu.window);
    XFreePixmap(drawing.display, menu.picture);
    menu = MenuWindow{};
}

void DrawMenuWindow(const MenuDrawing& drawing, const MenuWindow& menu, int highlight) {
    XftDrawRect(menu.draw, &drawing.colours[kMenuFrame], 0, 0, static_cast<unsigned>(menu.width),
                static_cast<unsigned>(menu.height));
    XftDrawRect(menu.draw, &drawing.colours[kMenuBackground], 1, 1,
                static_cast<unsigned>(menu.width - 2), static_cast<unsigned>(menu.height - 2));
    for (int row = 0; row < static_cast<int>(menu.entries->size()); ++row)
        DrawRow(drawing, menu, row, row == highlight);
    // The server may have copied the picture when it became the background: hand it over again.
    XSetWindowBackgroundPixmap(drawing.display, menu.window, menu.picture);
    XClearWindow(drawing.display, menu.window);
}
