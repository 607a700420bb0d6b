// The overview's Sun, planets, floor grid and stars at the pixels the view rotation puts them.
#include <algorithm>

#include "input/view_controls.h"
#include "render_fixture.h"

namespace {

constexpr Rgb kSunColour{230, 50, 0}, kBlack{0, 0, 0};
constexpr double kRimMarginPx = 1.5;  // beyond the facets and rounding of a 25 x 25 sphere

struct PlanetLook {
    const char* name;
    Rgb colour;
    double orbitRadius, sphereRadius;
};

constexpr PlanetLook kPlanets[] = {
    {"Mercury", {255, 0, 0}, 7.0, 0.6},     {"Venus", {255, 110, 0}, 10.0, 1.8},
    {"Earth", {60, 90, 250}, 14.2, 1.9},    {"Mars", {230, 50, 30}, 17.8, 1.0},
    {"Jupiter", {90, 110, 160}, 23.0, 3.8}, {"Saturn", {130, 80, 30}, 31.0, 3.4},
    {"Uranus", {80, 150, 240}, 38.0, 2.5},  {"Neptune", {60, 110, 200}, 44.0, 2.4},
    {"Pluto", {130, 220, 250}, 48.0, 0.5},
};

// Planet i's centre on its orbit, turned about y by yaw and then about x by pitch.
Xy PlanetCentre(int i) {
    const double a = Radians(scene.orbitAngle[static_cast<std::size_t>(i)]);
    const double yaw = Radians(scene.yaw), pitch = Radians(scene.pitch);
    const double x = -kPlanets[i].orbitRadius * std::sin(a),
                 z = -kPlanets[i].orbitRadius * std::cos(a);
    return {x * std::cos(yaw) + z * std::sin(yaw),
            (x * std::sin(yaw) - z * std::cos(yaw)) * std::sin(pitch)};
}

// Whether a pixel is on or next to the disc of planet `first` or a later one, which covers it.
bool NearAPlanet(Pixel p, int first = 0) {
    for (int i = first; i < kPlanetCount; ++i) {
        const Pixel c = ToWindow(PlanetCentre(i));
        if (std::hypot(p.x - c.x, p.y - c.y) < kPlanets[i].sphereRadius * kPxPerUnit + 3)
            return true;
    }
    return false;
}

TEST_F(RenderTest, SunAndPlanetsAreDiscsWhereTheirOrbitsAndTheViewPutThem) {
    struct View {
        const char* name;
        float pitch, yaw;
        bool moved;  // the planets at other angles than at start-up
    };
    const View views[] = {{"start-up", 15.01f, 340, false},
                          {"above", 90, 0, false},
                          {"edge-on", 0, 90, false},  // Mercury and Mars over the Sun
                          {"turned", 40, 120, true}};
    for (const View& v : views) {
        scene = InitialSceneState();
        scene.pitch = v.pitch;
        scene.yaw = v.yaw;
        if (v.moved) scene.orbitAngle = {139, 120.2f, 220, 352, 30, 218, 130, 230, 65};
        const Frame frame = Draw();
        if (!NearAPlanet({500, 500})) report.Expect(frame, {500, 500}, kSunColour, "Sun");
        for (int i = 0; i < kPlanetCount; ++i) {
            const std::string what = std::string(v.name) + " " + kPlanets[i].name;
            const Xy c = PlanetCentre(i);
            const auto rim = [&](Xy d, double marginPx) {
                const double r = kPlanets[i].sphereRadius + marginPx / kPxPerUnit;
                return ToWindow({c.x + r * d.x, c.y + r * d.y});
            };
            report.Expect(frame, ToWindow(c), kPlanets[i].colour, what);
            for (const Xy d : {Xy{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                if (NearAPlanet(rim(d, kRimMarginPx), i + 1)) continue;
                report.Expect(frame, rim(d, -kRimMarginPx), kPlanets[i].colour, what + " inside");
                report.Expect(frame, rim(d, kRimMarginPx), kPlanets[i].colour, what + " out", 0,
                              false);
            }
        }
    }
}

TEST_F(RenderTest, GridFromAboveFillsTheViewInTheSunsColour) {
    KeyDownOn(scene, 'a');
    const Frame frame = Draw();
    const int last = kGlWindowPx - 1;
    for (int along = 50; along < kGlWindowPx; along += 100) {
        for (int line = 100; line < kGlWindowPx; line += 100) {
            if (!NearAPlanet({line, along}))
                report.Expect(frame, {line, along}, kSunColour, "column", 1);
            if (!NearAPlanet({along, line}))
                report.Expect(frame, {along, line}, kSunColour, "row", 1);
            const int cell = line - 50;
            if (!NearAPlanet({cell, along}) && std::hypot(cell - 500, along - 500) > 65)
                report.Expect(frame, {cell, along}, kBlack, "between lines");
        }
        // The outer lines lie exactly on the border; the rasteriser may put one side outside.
        report.Check(
            frame.HasNear(0, along, 0, kSunColour) || frame.HasNear(last, along, 0, kSunColour),
            "no outer column at row " + std::to_string(along));
        report.Check(
            frame.HasNear(along, 0, 0, kSunColour) || frame.HasNear(along, last, 0, kSunColour),
            "no outer row at column " + std::to_string(along));
    }
}

TEST_F(RenderTest, GridEdgeOnIsOneLineBelowTheSun) {
    KeyDownOn(scene, 's');
    const Frame frame = Draw();
    const int lineY = ToWindow({0, -10}).y, sceneBandPx = 65;  // Sun and planets around row 500
    report.Expect(frame, {500, 500 + 58}, kSunColour, "the Sun's top");  // radius 6: 60 px
    report.Expect(frame, {500, 500 + 62}, kBlack, "above the Sun");
    for (int x = 5; x < kGlWindowPx; x += 10) {
        report.Expect(frame, {x, lineY}, kSunColour, "grid line", 1);
        for (int y = 0; y < kGlWindowPx; ++y) {
            if (std::abs(y - lineY) > 1 && std::abs(y - 500) > sceneBandPx)
                report.Expect(frame, {x, y}, kBlack, "off the line");
        }
    }
}

// Every star of two fields whose shape reaches the view, worked out from the generator's rule
// (state = state * 214013 + 2531011, draws x, y, blue, green, red): three of them on the view's
// right, top and left edges, where only a sliver of the shape shows.
struct SeenStar {
    std::uint32_t seed;
    int number;
    double x, y;
    Rgb colour;
};
// clang-format off
const SeenStar kSeenStars[] = {
    {4, 43, -30, -8, {112, 136, 37}},    {4, 94, 31, 43, {244, 231, 117}},
    {4, 102, 50, 27, {201, 75, 239}},    {4, 533, -39, -39, {81, 40, 27}},
    {101, 152, 33, 47, {158, 85, 139}},  {101, 228, 28, 21, {212, 3, 20}},
    {101, 265, -39, -48, {96, 243, 21}}, {101, 297, -50, -31, {104, 162, 182}},
    {101, 516, 40, 50, {137, 0, 12}},    {101, 975, -19, -8, {159, 33, 81}},
};
// clang-format on
std::uint32_t starSeed = 0;

TEST_F(RenderTest, StarsShowWhereTheirSeedPutsThemInTheirColoursAndNothingElseDoes) {
    KeyDownOn(scene, 's');  // the scene edge-on leaves most of the view to the stars
    const int lineY = ToWindow({0, -10}).y, sceneBandPx = 65;
    for (const std::uint32_t fieldSeed : {4u, 101u}) {
        starSeed = fieldSeed;
        SetStarClock([] { return starSeed; });
        const Frame frame = Draw();
        const std::string seed = "seed " + std::to_string(fieldSeed);
        // Within the shape, 0.3 wide and hanging 0.3 below its anchor, and inside the view.
        for (const SeenStar& s : kSeenStars) {
            if (s.seed != fieldSeed) continue;
            const Xy inside{std::clamp(s.x, -49.95, 49.95), std::clamp(s.y - 0.15, -49.95, 49.95)};
            report.Expect(frame, ToWindow(inside), s.colour,
                          seed + " star " + std::to_string(s.number), 1);
        }
        int lit = 0;
        for (int y = 0; y < kGlWindowPx; ++y) {
            for (int x = 0; x < kGlWindowPx; ++x) {
                if (std::abs(y - 500) <= sceneBandPx || std::abs(y - lineY) <= 1) continue;
                const bool nearStar = std::any_of(
                    std::begin(kSeenStars), std::end(kSeenStars), [&](const SeenStar& s) {
                        const Pixel a = ToWindow({s.x, s.y});
                        return s.seed == fieldSeed && std::abs(x - a.x) <= 3 && y - a.y <= 2 &&
                               a.y - y <= 5;
                    });
                if (!nearStar && !frame.HasNear(x, y, 0, kBlack) && lit++ < 3)
                    report.Expect(frame, {x, y}, kBlack, seed + ": off every star");
            }
        }
    }
}

}  // namespace
