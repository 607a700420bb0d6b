// Reads a drawn frame from the back buffer and checks its pixels, collecting every failure.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "scene/body_catalogue.h"

struct Pixel {
    int x, y;  // GL window coordinates, rows counted from the bottom
};

// The window's back buffer before any swap, rows counted from the bottom as in GL.
class Frame {
public:
    Frame();
    Rgb At(int x, int y) const;                                  // black outside the window
    bool HasNear(int x, int y, int radiusPx, Rgb colour) const;  // within the square around x, y

private:
    std::vector<std::uint8_t> rgb_;
};

// Every failing probe of a test, with its position, expected and observed colour.
class ProbeReport {
public:
    // Expects `colour` within radiusPx of p, or with `present` false, expects none there.
    void Expect(const Frame& frame, Pixel p, Rgb colour, const std::string& what, int radiusPx = 0,
                bool present = true);
    void Check(bool ok, const std::string& failure) {
        if (!ok) failures_.push_back(failure);
    }
    void ExpectNoFailures() const;  // one test failure that lists them all

private:
    std::vector<std::string> failures_;
};
