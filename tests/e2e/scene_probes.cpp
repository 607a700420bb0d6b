// What a person sees in the viewer's window: the Sun, the floor grid, the planets, a close-up.
#include "scene_probes.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kOverviewWindowPx = 1000;
constexpr double kViewRange = 50.0;  // scene units from the centre to the edge, both views
constexpr double kGridHalfSize = 50.0;
constexpr double kGridSpacing = 10.0;
constexpr double kGridHeight = -10.0;
constexpr double kSunRadiusPx = 60.0;      // radius 6 at 10 px per unit
constexpr double kLineTolerancePx = 2.5;   // rasterised lines sit within a pixel of the ideal
constexpr double kSampleSpacingPx = 25.0;  // along each expected grid line
constexpr int kMaxExamples = 5;
constexpr auto kProbeTimeout = std::chrono::seconds(10);  // planets move off what they cover
constexpr double kSphereRadius = 30.0;                    // scene units
constexpr double kRimFrom = 28.5;  // the outermost wires lie between this and the radius
constexpr int kMinWirePixels = 2000;
constexpr double kAxisHalfLength = 55.0;  // 25 beyond each pole
constexpr Rgb8 kAxisColour{0, 255, 0};
constexpr int kMinDiscPixels = 10;  // fewer could be a star of the same colour
constexpr Rgb8 kPlanetColours[] = {{255, 0, 0},    {255, 110, 0},  {60, 90, 250},
                                   {230, 50, 30},  {90, 110, 160}, {130, 80, 30},
                                   {80, 150, 240}, {60, 110, 200}, {130, 220, 250}};

struct Vec3 {
    double x, y, z;
};
struct Point {
    double x, y;
};
struct Segment {
    Point a, b;
};

std::string Text(Rgb8 c) {
    return "(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + ")";
}

std::string Text(Point p) {
    return "(" + std::to_string(std::lround(p.x)) + "," + std::to_string(std::lround(p.y)) + ")";
}

bool IsPlanet(Rgb8 c) {
    return std::any_of(std::begin(kPlanetColours), std::end(kPlanetColours),
                       [c](Rgb8 planet) { return NearColour(c, planet); });
}

// True when a pixel that `matches` lies within `radius` pixels (a square) of `p`.
template <typename Match>
bool PixelNear(const Picture& picture, Point p, int radius, Match matches) {
    const auto cx = static_cast<int>(std::floor(p.x));
    const auto cy = static_cast<int>(std::floor(p.y));
    for (int y = cy - radius; y <= cy + radius; ++y) {
        for (int x = cx - radius; x <= cx + radius; ++x) {
            if (picture.Contains(x, y) && matches(picture.At(x, y))) return true;
        }
    }
    return false;
}

bool ColourNear(const Picture& picture, Point p, Rgb8 colour, int radius) {
    return PixelNear(picture, p, radius, [colour](Rgb8 c) { return NearColour(c, colour); });
}

// The view rotation as the overview applies it: about y by yaw first, then about x by pitch.
Vec3 Turn(Vec3 v, double pitchDeg, double yawDeg) {
    const double yaw = yawDeg * kPi / 180.0, pitch = pitchDeg * kPi / 180.0;
    const double x = v.x * std::cos(yaw) + v.z * std::sin(yaw);
    const double z = -v.x * std::sin(yaw) + v.z * std::cos(yaw);
    return {x, v.y * std::cos(pitch) - z * std::sin(pitch),
            v.y * std::sin(pitch) + z * std::cos(pitch)};
}

// Keeps the part of a..b inside the view volume, a cube of +-kViewRange (Liang-Barsky).
bool ClipToViewVolume(Vec3& a, Vec3& b) {
    const double start[] = {a.x, a.y, a.z};
    const double delta[] = {b.x - a.x, b.y - a.y, b.z - a.z};
    double t0 = 0.0, t1 = 1.0;
    for (int axis = 0; axis < 3; ++axis) {
        const double p[] = {-delta[axis], delta[axis]};
        const double q[] = {start[axis] + kViewRange, kViewRange - start[axis]};
        for (int side = 0; side < 2; ++side) {
            if (p[side] == 0.0) {
                if (q[side] < 0.0) return false;
                continue;
            }
            const double t = q[side] / p[side];
            if (p[side] < 0.0) t0 = std::max(t0, t);
            if (p[side] > 0.0) t1 = std::min(t1, t);
        }
    }
    if (t0 > t1) return false;
    const Vec3 from = a;
    a = {from.x + t0 * delta[0], from.y + t0 * delta[1], from.z + t0 * delta[2]};
    b = {from.x + t1 * delta[0], from.y + t1 * delta[1], from.z + t1 * delta[2]};
    return true;
}

Point ToOverviewWindow(Vec3 v) {
    const double pxPerUnit = kOverviewWindowPx / (2.0 * kViewRange);
    return {kOverviewWindowPx / 2.0 + v.x * pxPerUnit, kOverviewWindowPx / 2.0 - v.y * pxPerUnit};
}

// The visible parts of the 22 grid lines, in window pixels.
std::vector<Segment> ExpectedGridLines(double pitchDeg, double yawDeg) {
    std::vector<Segment> lines;
    auto add = [&](Vec3 a, Vec3 b) {
        a = Turn(a, pitchDeg, yawDeg);
        b = Turn(b, pitchDeg, yawDeg);
        if (ClipToViewVolume(a, b)) lines.push_back({ToOverviewWindow(a), ToOverviewWindow(b)});
    };
    for (double c = -kGridHalfSize; c <= kGridHalfSize; c += kGridSpacing) {
        add({c, kGridHeight, kGridHalfSize}, {c, kGridHeight, -kGridHalfSize});
        add({kGridHalfSize, kGridHeight, c}, {-kGridHalfSize, kGridHeight, c});
    }
    return lines;
}

double DistanceToSegment(Point p, const Segment& s) {
    const double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t =
        lengthSquared > 0.0 ? ((p.x - s.a.x) * dx + (p.y - s.a.y) * dy) / lengthSquared : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (s.a.x + t * dx), p.y - (s.a.y + t * dy));
}

// A sample on the window's outermost pixels may or may not be rasterised; skip those.
bool WellInside(const Picture& picture, Point p) {
    const Box& v = picture.visible();
    return p.x >= v.x + 2 && p.y >= v.y + 2 && p.x <= v.x + v.width - 3 &&
           p.y <= v.y + v.height - 3;
}

// Samples along one expected line that show neither the grid nor a planet drawn over it; a
// planet's rim that covers the line's pixels beside the sample covers the sample too.
void CheckLineDrawn(const Picture& picture, const Segment& line, Failures& failures) {
    const double length = std::hypot(line.b.x - line.a.x, line.b.y - line.a.y);
    const int samples = std::max(1, static_cast<int>(length / kSampleSpacingPx));
    int missing = 0;
    std::string first;
    for (int i = 0; i < samples; ++i) {
        const double t = (i + 0.5) / samples;
        const Point p{line.a.x + t * (line.b.x - line.a.x), line.a.y + t * (line.b.y - line.a.y)};
        if (!WellInside(picture, p) || ColourNear(picture, p, kSunColour, 2) ||
            PixelNear(picture, p, 2, IsPlanet))
            continue;
        const Rgb8 seen = picture.At(static_cast<int>(p.x), static_cast<int>(p.y));
        if (missing++ == 0) first = Text(p) + " shows " + Text(seen);
    }
    if (missing > 0) {
        failures.push_back("grid line " + Text(line.a) + "-" + Text(line.b) + ": " +
                           std::to_string(missing) + " of " + std::to_string(samples) +
                           " samples lack the grid colour " + Text(kSunColour) + ", first at " +
                           first);
    }
}

// Grid-coloured pixels that are on no expected line and not on the Sun.
void CheckNoStrayGrid(const Picture& picture, const std::vector<Segment>& lines,
                      Failures& failures) {
    const Point centre{kOverviewWindowPx / 2.0, kOverviewWindowPx / 2.0};
    int strays = 0;
    std::string examples;
    picture.ForEachPixel([&](int x, int y, Rgb8 colour) {
        const Point p{x + 0.5, y + 0.5};
        if (!NearColour(colour, kSunColour)) return;
        if (std::hypot(p.x - centre.x, p.y - centre.y) <= kSunRadiusPx + 2.0) return;
        const bool onLine = std::any_of(lines.begin(), lines.end(), [p](const Segment& s) {
            return DistanceToSegment(p, s) <= kLineTolerancePx;
        });
        if (!onLine && strays++ < kMaxExamples) examples += " " + Text(p);
    });
    if (strays > 0) {
        failures.push_back(std::to_string(strays) +
                           " grid-coloured pixels lie off every expected line, e.g." + examples);
    }
}

// Menus: a pixel far from its row's background, sampled just inside the frame (the background of
// a highlighted row where it is highlighted).
constexpr int kMenuInset = 3;
constexpr int kInkContrast = 96;
constexpr double kTallGlyphShare = 0.85;

bool IsMenuInk(const Picture& menu, int x, int y) {
    const Rgb8 background = menu.At(menu.visible().x + kMenuInset, y);
    const Rgb8 c = menu.At(x, y);
    return std::abs(c.r - background.r) + std::abs(c.g - background.g) +
               std::abs(c.b - background.b) >
           kInkContrast;
}

struct Run {
    int first, last;  // inclusive
};

std::vector<Run> RunsOf(const std::vector<bool>& set) {
    std::vector<Run> runs;
    for (int i = 0; i < static_cast<int>(set.size()); ++i) {
        if (!set[static_cast<std::size_t>(i)]) continue;
        if (runs.empty() || runs.back().last != i - 1) runs.push_back({i, i});
        runs.back().last = i;
    }
    return runs;
}

}  // namespace

std::string PollProbe(OrreryDriver& app, const Probe& probe) {
    Failures last;
    PollUntil(
        [&] {
            last = probe(app.Grab());
            return last.empty();
        },
        kProbeTimeout);
    std::string text;
    for (const std::string& failure : last) text += failure + "\n";
    return text;
}

Failures SunAtCentre(const Picture& picture) { return SunAtCentreOf(picture, kOverviewWindowPx); }

Failures SunAtCentreOf(const Picture& picture, int windowPx) {
    Failures failures;
    const int centre = windowPx / 2;
    for (int y = centre - 2; y <= centre + 2; ++y) {
        for (int x = centre - 2; x <= centre + 2; ++x) {
            const Rgb8 seen = picture.At(x, y);
            if (!NearColour(seen, kSunColour)) {
                failures.push_back("Sun: " + Text(Point{x + 0.0, y + 0.0}) + " shows " +
                                   Text(seen) + ", expected " + Text(kSunColour));
            }
        }
    }
    return failures;
}

Failures GridSeenFrom(const Picture& picture, double pitchDeg, double yawDeg) {
    const std::vector<Segment> lines = ExpectedGridLines(pitchDeg, yawDeg);
    Failures failures;
    for (const Segment& line : lines) CheckLineDrawn(picture, line, failures);
    CheckNoStrayGrid(picture, lines, failures);
    return failures;
}

int MovedPlanetPixels(const Picture& before, const Picture& after) {
    int moved = 0;
    before.ForEachPixel([&](int x, int y, Rgb8 colour) {
        if (after.Contains(x, y) && IsPlanet(colour) != IsPlanet(after.At(x, y))) ++moved;
    });
    return moved;
}

double OrbitAngleFromAbove(const Picture& picture, int planetIndex) {
    double sumX = 0.0, sumY = 0.0;
    int count = 0;
    picture.ForEachPixel([&](int x, int y, Rgb8 colour) {
        if (!NearColour(colour, kPlanetColours[static_cast<std::size_t>(planetIndex)])) return;
        sumX += x + 0.5;
        sumY += y + 0.5;
        ++count;
    });
    if (count < kMinDiscPixels) return std::nan("");
    // Seen from above, the planet at angle a lies at (-r sin a, r cos a) units from the centre.
    const double centre = kOverviewWindowPx / 2.0;
    const double degrees = std::atan2(centre - sumX / count, centre - sumY / count) * 180.0 / kPi;
    return degrees < 0.0 ? degrees + 360.0 : degrees;
}

Failures CloseUpOf(const Picture& picture, const BodyView& body, bool seenFromBehind, int width,
                   int height) {
    const double pxPerUnit = std::min(width, height) / (2.0 * kViewRange);
    const Point centre{width / 2.0, height / 2.0};
    int wirePixels = 0, rimPixels = 0;
    double farthest = 0.0;
    picture.ForEachPixel([&](int x, int y, Rgb8 colour) {
        if (!NearColour(colour, body.closeUpColour)) return;
        const double r = std::hypot(x + 0.5 - centre.x, y + 0.5 - centre.y) / pxPerUnit;
        ++wirePixels;
        if (r >= kRimFrom) ++rimPixels;
        farthest = std::max(farthest, r);
    });
    Failures failures;
    const std::string who = std::string(body.name) + ": ";
    if (wirePixels < kMinWirePixels) {
        failures.push_back(who + std::to_string(wirePixels) + " pixels of " +
                           Text(body.closeUpColour) + ", expected a wire sphere of at least " +
                           std::to_string(kMinWirePixels));
    }
    if (farthest > kSphereRadius + 1.5 / pxPerUnit) {
        failures.push_back(who + "wire reaches " + std::to_string(farthest) +
                           " units from the centre");
    }
    if (rimPixels == 0) failures.push_back(who + "no wire near the rim at radius 30");
    // The axis turns by the tilt about the view axis; seen from behind, left and right swap.
    const double tilt = body.tiltDeg * kPi / 180.0;
    const Point up{(seenFromBehind ? 1.0 : -1.0) * std::sin(tilt), std::cos(tilt)};
    // Out to its ends, or to where the window cuts it off.
    const double reach = std::min({kAxisHalfLength, width / 2.0 / pxPerUnit / std::abs(up.x),
                                   height / 2.0 / pxPerUnit / std::abs(up.y)});
    for (double r : {33.0, 41.0, reach - 0.5}) {
        for (double end : {1.0, -1.0}) {
            const Point p{centre.x + end * r * pxPerUnit * up.x,
                          centre.y - end * r * pxPerUnit * up.y};
            if (!ColourNear(picture, p, kAxisColour, 2)) {
                failures.push_back(who + "no green axis near " + Text(p) + " (" +
                                   std::to_string(r) + " units along the tilted axis)");
            }
        }
    }
    return failures;
}

int MenuTextRows(const Picture& menu) {
    const Box& v = menu.visible();
    int bands = 0;
    bool previousInked = false;
    for (int y = v.y + kMenuInset; y < v.y + v.height - kMenuInset; ++y) {
        bool inked = false;
        for (int x = v.x + kMenuInset; x < v.x + v.width - kMenuInset; ++x)
            inked = inked || IsMenuInk(menu, x, y);
        if (inked && !previousInked) ++bands;
        previousInked = inked;
    }
    return bands;
}

Failures HangulLabelFindings(const Picture& menu) {
    // Each column's highest and lowest ink, or none.
    const Box& v = menu.visible();
    std::vector<Run> columns(static_cast<std::size_t>(std::max(0, v.width)), Run{-1, -1});
    for (int x = v.x + kMenuInset; x < v.x + v.width - kMenuInset; ++x) {
        Run& ink = columns[static_cast<std::size_t>(x - v.x)];
        for (int y = v.y + kMenuInset; y < v.y + v.height - kMenuInset; ++y) {
            if (!IsMenuInk(menu, x, y)) continue;
            if (ink.first < 0) ink.first = y;
            ink.last = y;
        }
    }
    std::vector<bool> inked;
    for (const Run& ink : columns) inked.push_back(ink.first >= 0);
    std::vector<Run> glyphs = RunsOf(inked);
    if (glyphs.size() < 3) {
        return {"label: " + std::to_string(glyphs.size()) +
                " runs of ink columns, expected the label's glyphs and the submenu mark"};
    }
    glyphs.pop_back();         // the submenu mark, at the right
    std::vector<Run> heights;  // each glyph's top and bottom
    for (const Run& g : glyphs) {
        Run h{v.y + v.height, -1};
        for (int x = g.first; x <= g.last; ++x) {
            h.first = std::min(h.first, columns[static_cast<std::size_t>(x)].first);
            h.last = std::max(h.last, columns[static_cast<std::size_t>(x)].last);
        }
        heights.push_back(h);
    }
    const int top = std::min_element(heights.begin(), heights.end(), [](Run a, Run b) {
                        return a.first < b.first;
                    })->first;
    const int bottom = std::max_element(heights.begin(), heights.end(), [](Run a, Run b) {
                           return a.last < b.last;
                       })->last;
    const double lineHeight = bottom - top + 1;

    Failures failures;
    std::size_t space = 0;  // the glyph before the widest gap ends the first word
    for (std::size_t i = 1; i + 1 < glyphs.size(); ++i) {
        if (glyphs[i + 1].first - glyphs[i].last > glyphs[space + 1].first - glyphs[space].last)
            space = i;
    }
    const double first = (glyphs[space].last - glyphs.front().first + 1) / lineHeight;
    const double second = (glyphs.back().last - glyphs[space + 1].first + 1) / lineHeight;
    if (first < 4.0 || first > 6.0 || second < 1.4 || second > 2.6) {
        failures.push_back("label: words " + std::to_string(first) + " and " +
                           std::to_string(second) +
                           " line heights wide, expected about 5 and 2 square syllables");
    }
    const auto tall = std::count_if(heights.begin(), heights.end(), [&](Run h) {
        return h.last - h.first + 1 >= kTallGlyphShare * lineHeight;
    });
    if (2 * tall < static_cast<long>(heights.size())) {
        failures.push_back("label: " + std::to_string(tall) + " of " +
                           std::to_string(heights.size()) +
                           " glyphs fill the line's height, as most Hangul syllables do");
    }
    const bool oneWidth = std::all_of(glyphs.begin(), glyphs.end(), [&](const Run& g) {
        return g.last - g.first == glyphs.front().last - glyphs.front().first;
    });
    if (oneWidth) {
        failures.push_back("label: all " + std::to_string(glyphs.size()) +
                           " glyphs alike, as a font without Hangul draws them");
    }
    return failures;
}
