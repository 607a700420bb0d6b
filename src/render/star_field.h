// The random star shapes behind the overview, regenerated from the clock every frame.
#pragma once

#include <cstdint>

// The srand/rand rule (RAND_MAX 32767) built in, so one second gives one field on every machine.
class StarRandom {
public:
    explicit StarRandom(std::uint32_t seed) : state_(seed) {}
    int Next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFFu);
    }

private:
    std::uint32_t state_;
};

struct Star {
    float x, y;  // anchor, view-volume units; the shape hangs below it
    std::uint8_t red, green, blue;
};

inline constexpr int kStarCount = 1000;

// Star `number` (1-based) from the next five draws: x, y, blue, green, red.
Star NextStar(StarRandom& random, int number);

// The seed of the current second, as srand(time(NULL)) would take it.
std::uint32_t ClockSeed();

// Replaces the clock ClockSeed reads (nullptr restores the wall clock), for a known field.
void SetStarClock(std::uint32_t (*clock)());

// Draws the field for `seed` under the current modelview matrix.
void DrawStarField(std::uint32_t seed);
