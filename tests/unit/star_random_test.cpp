// The star generator's srand/rand sequence and the shape of the fields it gives.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "render/star_field.h"

namespace {

std::vector<float> Describe(const Star& s) {
    return {s.x, s.y, 1.f * s.red, 1.f * s.green, 1.f * s.blue};
}

TEST(StarRandom, FollowsTheSrandRandRuleFromXYToBlueGreenRed) {
    StarRandom random(1);
    std::vector<int> draws;
    for (int i = 0; i < 5; ++i) draws.push_back(random.Next());
    EXPECT_EQ(draws, (std::vector<int>{41, 18467, 6334, 26500, 19169}));
    StarRandom one(1), wrapping(0xFFFFFFFFu);
    EXPECT_EQ(Describe(NextStar(one, 1)), (std::vector<float>{-41, -467, 44, 235, 214}));
    EXPECT_EQ(Describe(NextStar(one, 2)), (std::vector<float>{724, 228, 239, 187, 33}));
    EXPECT_EQ(Describe(NextStar(wrapping, 1)), (std::vector<float>{-35, -489, 198, 176, 59}));
}

TEST(NextStar, FieldsKeepTheirQuadrantsRangesAndColourLimits) {
    int zeros = 0, faults = 0;
    std::string firstFault;
    for (std::uint32_t seed = 0; seed < 200; ++seed) {
        StarRandom random(seed);
        for (int number = 1; number <= kStarCount; ++number) {
            const Star s = NextStar(random, number);
            const float side = number % 2 == 1 ? -1.0f : 1.0f;  // odd stars to the lower left
            bool ok = s.red < 255 && s.green < 255 && s.blue < 255;
            for (const auto& [c, limit] : {std::pair{s.x, 1000.0f}, std::pair{s.y, 750.0f}}) {
                zeros += c == 0;
                ok = ok && c * side >= 0 && c * side < limit && c == std::floor(c) &&
                     !(c == 0 && std::signbit(c));
            }
            if (!ok && faults++ == 0)
                firstFault = std::to_string(seed) + "/" + std::to_string(number);
        }
    }
    EXPECT_EQ(faults, 0) << "first at seed/star " << firstFault;
    EXPECT_GT(zeros, 0) << "no zero coordinate drawn, so that case went unchecked";
}

}  // namespace
