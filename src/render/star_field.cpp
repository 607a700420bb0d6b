// The random star shapes behind the overview, regenerated from the clock every frame.
#include "render/star_field.h"

#include <GL/gl.h>

#include <ctime>

namespace {

struct Offset {
    double dx, dy;
};

// An octagon 0.3 wide and 0.3 tall hanging below its anchor.
constexpr Offset kStarOutline[] = {
    {0.0, 0.0},  {-0.1, -0.05}, {-0.15, -0.15}, {-0.1, -0.25},
    {0.0, -0.3}, {0.1, -0.25},  {0.15, -0.15},  {0.1, -0.05},
};

void DrawStar(const Star& star) {
    glColor3ub(star.red, star.green, star.blue);
    glBegin(GL_POLYGON);
    for (const Offset& o : kStarOutline) {
        glVertex2f(static_cast<float>(star.x + o.dx), static_cast<float>(star.y + o.dy));
    }
    glEnd();
}

std::uint32_t WallClockSeed() { return static_cast<std::uint32_t>(std::time(nullptr)); }

std::uint32_t (*starClock)() = WallClockSeed;

}  // namespace

Star NextStar(StarRandom& random, int number) {
    int x = random.Next() % 1000;
    int y = random.Next() % 750;
    if (number % 2 == 1) {  // odd stars to the lower left quadrant, even ones to the upper right
        x = -x;
        y = -y;
    }
    const auto blue = static_cast<std::uint8_t>(random.Next() % 255);
    const auto green = static_cast<std::uint8_t>(random.Next() % 255);
    const auto red = static_cast<std::uint8_t>(random.Next() % 255);
    return {static_cast<float>(x), static_cast<float>(y), red, green, blue};
}

std::uint32_t ClockSeed() { return starClock(); }

void SetStarClock(std::uint32_t (*clock)()) { starClock = clock != nullptr ? clock : WallClockSeed; }

void DrawStarField(std::uint32_t seed) {
    StarRandom random(seed);
    for (int number = 1; number <= kStarCount; ++number) {
        DrawStar(NextStar(random, number));
    }
}
