// Reads a drawn frame from the back buffer and checks its pixels, collecting every failure.
#include "frame_probe.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "gl_window.h"

namespace {

constexpr int kChannelTolerance = 2;  // rasterisers may round a colour by a step or two

bool Matches(Rgb a, Rgb b) {
    return std::abs(a.r - b.r) <= kChannelTolerance && std::abs(a.g - b.g) <= kChannelTolerance &&
           std::abs(a.b - b.b) <= kChannelTolerance;
}

std::string Describe(Rgb c) {
    return "(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + ")";
}

}  // namespace

Frame::Frame() : rgb_(static_cast<std::size_t>(kGlWindowPx) * kGlWindowPx * 3) {
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kGlWindowPx, kGlWindowPx, GL_RGB, GL_UNSIGNED_BYTE, rgb_.data());
}

Rgb Frame::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= kGlWindowPx || y >= kGlWindowPx) return {0, 0, 0};
    const std::size_t i = (static_cast<std::size_t>(y) * kGlWindowPx + x) * 3;
    return {rgb_[i], rgb_[i + 1], rgb_[i + 2]};
}

bool Frame::HasNear(int x, int y, int radiusPx, Rgb colour) const {
    for (int dy = -radiusPx; dy <= radiusPx; ++dy) {
        for (int dx = -radiusPx; dx <= radiusPx; ++dx) {
            if (Matches(At(x + dx, y + dy), colour)) return true;
        }
    }
    return false;
}

void ProbeReport::Expect(const Frame& frame, Pixel p, Rgb colour, const std::string& what,
                         int radiusPx, bool present) {
    if (frame.HasNear(p.x, p.y, radiusPx, colour) == present) return;
    failures_.push_back(what + " at (" + std::to_string(p.x) + "," + std::to_string(p.y) +
                        "): expected " + (present ? "" : "no ") + Describe(colour) + " within " +
                        std::to_string(radiusPx) + " px, saw " + Describe(frame.At(p.x, p.y)));
}

void ProbeReport::ExpectNoFailures() const {
    if (failures_.empty()) return;
    std::string all;
    for (const std::string& f : failures_) all += "\n  " + f;
    ADD_FAILURE() << failures_.size() << " failing probes:" << all;
}
