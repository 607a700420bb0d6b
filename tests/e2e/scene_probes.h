// What a person sees in the viewer's window: the Sun, the floor grid, the planets, a close-up.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "body_views.h"
#include "orrery_driver.h"

using Failures = std::vector<std::string>;
using Probe = std::function<Failures(const Picture&)>;

inline constexpr Rgb8 kSunColour{230, 50, 0};        // the overview Sun; the grid shares its colour
inline constexpr Rgb8 kMenuHighlight{53, 132, 228};  // a menu row under the pointer

// Grabs the window until `probe` finds nothing wrong or the time is up. Returns the last
// findings, one per line, or "" when all is well.
std::string PollProbe(OrreryDriver& app, const Probe& probe);

// The overview Sun covers the centre of the 1000 x 1000 window, or of a square one of `windowPx`.
Failures SunAtCentre(const Picture& picture);
Failures SunAtCentreOf(const Picture& picture, int windowPx);

// The floor grid lies where a view turned by `pitchDeg` about x after `yawDeg` about y puts it in
// the 1000 x 1000 window, and nothing of its colour lies anywhere else except on the Sun.
Failures GridSeenFrom(const Picture& picture, double pitchDeg, double yawDeg);

// Pixels that show a planet's colour in one picture and not in the other.
int MovedPlanetPixels(const Picture& before, const Picture& after);

// The orbital angle in degrees of planet `planetIndex` (0 Mercury … 8 Pluto) in the view from
// above (key a), from the centre of its disc; NaN when the disc is not in the picture.
double OrbitAngleFromAbove(const Picture& picture, int planetIndex);

// The close-up of `body` in a window of `width` x `height`: its wire sphere of radius 30 units in
// its colour and the green axis at its tilt, mirrored left to right when seen from behind.
Failures CloseUpOf(const Picture& picture, const BodyView& body, bool seenFromBehind, int width,
                   int height);

// Number of text rows in a menu picture: bands of rows that hold more than one colour.
int MenuTextRows(const Picture& menu);

// The main menu's one row shows "행성하나씩 보기 " in Hangul: two words about five and two
// syllables wide, a syllable being about as wide as the line of ink is tall; most glyphs filling
// that height, as Hangul syllables do and Latin letters do not; and no one glyph repeated
// throughout (what a font without Hangul shows for every syllable).
Failures HangulLabelFindings(const Picture& menu);
