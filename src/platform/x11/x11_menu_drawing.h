// What the pop-up menu draws with, and its X windows: the X connection's fixed facts, an
// anti-aliased Xft font and the colours, made once; one override-redirect window per menu that
// shows a picture drawn before the window is mapped.
#pragma once

#include <X11/Xft/Xft.h>
#include <X11/Xlib.h>

#include <array>
#include <string>

#include "menu/menu_model.h"

enum MenuColour { kMenuBackground, kMenuFrame, kMenuText, kMenuHighlight, kMenuHighlightText };
inline constexpr int kMenuColourCount = 5;

// The connection's screen, visual and colormap, one font for every label, its colours, and the
// sizes that follow from the font.
struct MenuDrawing {
    Display* display = nullptr;
    int screen = 0;
    Window root = 0;
    Visual* visual = nullptr;
    Colormap colormap = 0;
    unsigned depth = 0;
    XftFont* font = nullptr;
    std::array<XftColor, kMenuColourCount> colours{};
    RowLayout rows;
    int textInset = 0;  // from each side to the text
    int markSize = 0;   // height of the submenu mark, a triangle pointing right
    int minWidth = 0;
};

// Pixel size of the menu font, 11 points, for the `Xft.dpi` resource's text.
double MenuFontPixels(const char* xftDpi);

// Everything drawn on `display` with a sans-serif face that covers language `lang` (fontconfig's
// codes: "ko"), its size from the Xft.dpi resource. False when fontconfig offers no font at all.
bool OpenMenuDrawing(Display* display, const char* lang, MenuDrawing& drawing);
void CloseMenuDrawing(MenuDrawing& drawing);
// Whether the font has a glyph for every character of `utf8`.
bool FontCovers(const MenuDrawing& drawing, const std::string& utf8);

// One menu on screen: its window shows `picture` as its background, so the window is whole the
// moment it is mapped and repaints without help when uncovered.
struct MenuWindow {
    const Menu* entries = nullptr;
    Window window = 0;
    Pixmap picture = 0;
    XftDraw* draw = nullptr;
    int width = 0, height = 0;
};

// An unmapped window sized for `entries`, typed as a pop-up menu for window managers.
MenuWindow CreateMenuWindow(const MenuDrawing& drawing, const Menu& entries);
void DestroyMenuWindow(const MenuDrawing& drawing, MenuWindow& menu);
// Draws the entries with row `highlight` (or none, -1) highlighted, and shows the result.
void DrawMenuWindow(const MenuDrawing& drawing, const MenuWindow& menu, int highlight);
