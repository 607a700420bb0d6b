// The star generator's srand/rand sequence and the shape of the fields it gives.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "render/star_field.h"

namespace {

std::vector<int> Draws(std::uint32_t seed, int count) {
    StarRandom random(seed);
    std::vector<int> draws;
    for (int i = 0; i < count; ++i) draws.push_back(random.Next());
    return draws;
}

TEST(StarRandom, FollowsTheSrandRandRule) {
    EXPECT_EQ(Draws(1, 10),
              (std::vector<int>{41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464}));
    EXPECT_EQ(Draws(0xFFFFFFFFu, 5), (std::vector<int>{35, 29739, 3374, 11141, 31308}));
}

struct StarCase {
    std::uint32_t seed;
    float x, y;
    int red, green, blue;
};

TEST(NextStar, TakesXYThenBlueGreenRedAndMirrorsOddStars) {
    const StarCase cases[] = {
        {1, -41, -467, 44, 235, 214},            // star 1 of seed 1
        {0xFFFFFFFFu, -35, -489, 198, 176, 59},  // star 1 of seed 2^32-1
    };
    for (const StarCase& c : cases) {
        StarRandom random(c.seed);
        const Star s = NextStar(random, 1);
        EXPECT_EQ(s.x, c.x) << c.seed;
        EXPECT_EQ(s.y, c.y) << c.seed;
        EXPECT_EQ((std::vector<int>{s.red, s.green, s.blue}),
                  (std::vector<int>{c.red, c.green, c.blue}))
            << c.seed;
    }
    StarRandom random(1);
    NextStar(random, 1);
    const Star second = NextStar(random, 2);
    EXPECT_EQ(second.x, 724.0f);
    EXPECT_EQ(second.y, 228.0f);
}

TEST(NextStar, FieldsKeepTheirQuadrantsRangesAndColourLimits) {
    int zeros = 0;
    std::vector<std::string> faults;
    for (std::uint32_t seed = 0; seed < 200; ++seed) {
        StarRandom random(seed);
        for (int number = 1; number <= kStarCount; ++number) {
            const Star s = NextStar(random, number);
            const float sign = number % 2 == 1 ? -1.0f : 1.0f;
            const bool placed = s.x * sign >= 0 && s.x * sign < 1000 && s.y * sign >= 0 &&
                                s.y * sign < 750 && s.x == std::floor(s.x) &&
                                s.y == std::floor(s.y);
            const bool coloured = s.red < 255 && s.green < 255 && s.blue < 255;
            for (float c : {s.x, s.y}) {
                if (c != 0) continue;
                ++zeros;
                if (std::signbit(c)) faults.push_back("negative zero");
            }
            if (!placed || !coloured)
                faults.push_back("seed " + std::to_string(seed) + " star " +
                                 std::to_string(number));
        }
    }
    EXPECT_TRUE(faults.empty()) << faults.size() << " faults, first: " << faults.front();
    EXPECT_GT(zeros, 0) << "no zero coordinate drawn, so the zero case went unchecked";
}

}  // namespace
