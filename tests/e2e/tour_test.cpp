// The headless tour of scripts/run: every screenshot shows what its step did, and the console log
// holds what the program wrote.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>

#include "scene_probes.h"

namespace {

constexpr int kWindowPx = 1000;

// A screenshot's pixels, read back through ImageMagick's stream; its rows are kWindowPx wide.
Picture ReadScreenshot(const std::string& path) {
    FILE* pipe = popen(("stream -map rgb -storage-type char '" + path + "' -").c_str(), "r");
    std::vector<Rgb8> pixels;
    unsigned char c[3];
    while (pipe != nullptr && std::fread(c, 1, 3, pipe) == 3) pixels.push_back({c[0], c[1], c[2]});
    if (pipe != nullptr) pclose(pipe);
    const int height = static_cast<int>(pixels.size()) / kWindowPx;
    return Picture({0, 0, kWindowPx, height}, std::move(pixels));
}

TEST(Tour, EachScreenshotShowsItsStepAndTheLogHoldsWhatTheProgramWrote) {
    const std::string dir = TOUR_DIRECTORY;
    ASSERT_EQ(
        std::system((TOUR_EXECUTABLE " " ORRERY_EXECUTABLE " " + dir + " >/dev/null").c_str()), 0);
    using std::placeholders::_1;
    const BodyView &earth = kBodyViews[BodyIndex("Earth")], &sun = kBodyViews[BodyIndex("Sun")];
    // The menu opened at the window's centre, its entry highlighted while the Sun's row is.
    const Probe menu = [](const Picture& p) {
        return Failures(NearColour(p.At(503, 510), kMenuHighlight) ? 0 : 1, "no highlighted entry");
    };
    const std::pair<const char*, Probe> shots[] = {
        {"01-overview.png", SunAtCentre},
        {"02-key-a-from-above.png", std::bind(GridSeenFrom, _1, 90, 0)},
        {"03-key-s-edge-on.png", std::bind(GridSeenFrom, _1, 0, 90)},
        {"04-key-d-start-view.png", std::bind(GridSeenFrom, _1, 15, 340)},
        {"05-left-drag.png", std::bind(GridSeenFrom, _1, 39, 364)},  // six events: +4 each
        {"06-earth-close-up.png", std::bind(CloseUpOf, _1, earth, false, kWindowPx, kWindowPx)},
        {"07-menu.png", menu},
        {"08-sun-close-up.png", std::bind(CloseUpOf, _1, sun, true, kWindowPx, kWindowPx)},
        {"09-resized.png", std::bind(CloseUpOf, _1, sun, false, kWindowPx, 600)},
    };
    for (const auto& [file, probe] : shots) {
        const Picture picture = ReadScreenshot(dir + "/" + file);
        ASSERT_GE(picture.visible().height, 600) << file << " cannot be read";
        EXPECT_EQ(probe(picture), Failures{}) << file;
    }
    std::stringstream log;
    log << std::ifstream(dir + "/console.log").rdbuf();
    EXPECT_EQ(log.str(),
              "ChangeSize call, nRange=50.0000005 select \n2 select \n"
              "ChangeSize call, nRange=10.000000");
}

}  // namespace
