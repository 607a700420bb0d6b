// The random star shapes behind the overview, regenerated from the clock every frame.
#include "render/star_field.h"

#include <GL/gl.h>

#include <array>
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

// The corners of the outline's bounding box.
constexpr Offset kStarBoxCorners[] = {{-0.15, 0.0}, {0.15, 0.0}, {-0.15, -0.3}, {0.15, -0.3}};

// A star is left out only when its whole box lies beyond one side of the view volume by this share
// of the half-view (5 pixels in a 1000-pixel window), far more than any rounding in the renderer.
constexpr float kClipMargin = 0.01f;

using ClipPoint = std::array<float, 4>;  // x, y, z, w

// Takes points of the stars' plane z = 0 to clip coordinates under the current matrices.
class ClipTransform {
public:
    ClipTransform() {
        float projection[16];
        float modelview[16];
        glGetFloatv(GL_PROJECTION_MATRIX, projection);
        glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
        for (int row = 0; row < 4; ++row) {  // column-major: element (row, col) at [col * 4 + row]
            for (int col = 0; col < 4; ++col) {
                float sum = 0.0f;
                for (int k = 0; k < 4; ++k) sum += projection[k * 4 + row] * modelview[col * 4 + k];
                matrix_[col * 4 + row] = sum;
            }
        }
    }

    ClipPoint operator()(double x, double y) const {
        ClipPoint p{};
        for (int row = 0; row < 4; ++row) {
            p[row] = matrix_[row] * static_cast<float>(x) +
                     matrix_[4 + row] * static_cast<float>(y) + matrix_[12 + row];
        }
        return p;
    }

private:
    float matrix_[16];
};

// Whether any part of the star's box can fall inside the view volume; a star wholly beyond one of
// its six planes produces no pixel, so skipping it leaves the frame unchanged.
bool CanReachView(const Star& star, const ClipTransform& toClip) {
    std::array<ClipPoint, 4> corners{};
    for (std::size_t i = 0; i < corners.size(); ++i) {
        corners[i] = toClip(star.x + kStarBoxCorners[i].dx, star.y + kStarBoxCorners[i].dy);
        if (corners[i][3] <= 0.0f) return true;  // behind the eye: leave it to the clipper
    }
    for (int axis = 0; axis < 3; ++axis) {
        for (const float side : {-1.0f, 1.0f}) {
            bool allBeyond = true;
            for (const ClipPoint& c : corners)
                allBeyond &= side * c[axis] > (1.0f + kClipMargin) * c[3];
            if (allBeyond) return false;
        }
    }
    return true;
}

// The outline is convex, so a fan from its anchor covers exactly the pixels the polygon would;
// WebGL has no polygons.
void DrawStar(const Star& star) {
    glColor3ub(star.red, star.green, star.blue);
    glBegin(GL_TRIANGLE_FAN);
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

void SetStarClock(std::uint32_t (*clock)()) {
    starClock = clock != nullptr ? clock : WallClockSeed;
}

void DrawStarField(std::uint32_t seed) {
    const ClipTransform toClip;
    StarRandom random(seed);
    for (int number = 1; number <= kStarCount; ++number) {
        const Star star = NextStar(random, number);  // every star takes its draws, shown or not
        if (CanReachView(star, toClip)) DrawStar(star);
    }
}
