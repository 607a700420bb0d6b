// orrery.exe under wine, driven through its window as on Windows: title and size, the overview,
// the native menu (Escape, click-open and click, press-drag-release) and nothing on stderr;
// orreryw.exe on a display scaled to 150 %; and the window on a change of scale.
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <memory>
#include <utility>

#include "body_views.h"
#include "output_capture.h"
#include "scene_probes.h"
#include "wine_session.h"
#include "xvfb_server.h"

namespace {

constexpr int kWindowPx = 1000;
constexpr int kMinMovedPlanetPixels = 20;  // more than a star changing colour could account for
constexpr int kRightButton = 3;
constexpr int kLeftButton = 1;
const std::string kStartUpOutput = "ChangeSize call, nRange=50.000000";
const std::string kTitle = "Vornak Telqui의 태양계";

std::string Describe(const std::vector<ShownMenu>& menus) {
    std::string text = std::to_string(menus.size()) + " menu window(s)";
    for (const ShownMenu& menu : menus) {
        const Box& b = menu.box;
        text += " " + std::to_string(b.width) + "x" + std::to_string(b.height) + "+" +
                std::to_string(b.x) + "+" + std::to_string(b.y);
    }
    return text;
}

class WineOrrery : public testing::Test {
protected:
    static void SetUpTestSuite() {
        server_ = std::make_unique<XvfbServer>(1920, 1200);  // room for 1000 px and the frame
        pointer_ = std::make_unique<Pointer>(server_->display());
        stderr_ = std::make_unique<OutputCapture>(stderr);
        const auto start = std::chrono::steady_clock::now();
        app_ = std::make_unique<OrreryDriver>(WINE_COMMAND, server_->display(),
                                              std::vector<std::string>{ORRERY_EXE});
        stderr_->Stop();
        firstFrameFindings_ = PollProbe(*app_, SunAtCentre);
        const std::chrono::duration<double> firstFrame = std::chrono::steady_clock::now() - start;
        std::cout << "wine start-up to the first frame: " << firstFrame.count() << " s\n";
        startUpOutput_ = NextOutput(kStartUpOutput.size());
    }

    static void TearDownTestSuite() {
        app_.reset();
        EndWineSession();
        stderr_.reset();
        pointer_.reset();
        server_.reset();
    }

    void TearDown() override {
        EXPECT_TRUE(app_->Running()) << "the program has ended";
        // DISPLAY is set, as wine passes it on: freeglut must not take it for a display device.
        EXPECT_EQ(stderr_->Text(), "") << "unexpected stderr";
    }

    static OrreryDriver& app() { return *app_; }

    // Stdout since the last call, once `length` bytes of it have come or the time is up.
    static std::string NextOutput(std::size_t length) {
        const std::string text = app_->ConsoleAfter(outputTaken_, length);
        outputTaken_ += text.size();
        return text;
    }

    static Box MainWindow() { return app_->Geometry(app_->window()); }

    // The right button at the window's centre opens the menu there (held when `hold`); pointing
    // at its one entry opens the body list. Returns the menus, the list last, and the menu as it
    // first showed in `firstSight`.
    static std::vector<ShownMenu> OpenBodyList(bool hold, Picture* firstSight = nullptr) {
        const Box window = MainWindow();
        pointer_->MoveTo(window.x + window.width / 2, window.y + window.height / 2);
        pointer_->Press(kRightButton);
        if (!hold) pointer_->Release(kRightButton);
        std::vector<ShownMenu> menus;
        PollUntil([&] { return !(menus = ShownMenus(*app_)).empty(); });
        if (menus.empty()) {
            ADD_FAILURE() << "no menu after a right " << (hold ? "press" : "click");
            return menus;
        }
        if (firstSight != nullptr) {
            // Wine maps the menu's window before it draws the menu, which takes a moment: the
            // first picture with text that the next one repeats.
            Picture previous;
            PollUntil([&] {
                *firstSight = app_->Grab(menus.front().window);
                const bool drawn = MenuTextRows(*firstSight) > 0 && *firstSight == previous;
                previous = *firstSight;
                return drawn;
            });
        }
        const auto [x, y] = RowCentre(menus.front().box, 1, 0);
        pointer_->MoveTo(x, y);
        PollUntil([&] { return (menus = ShownMenus(*app_)).size() >= 2; });
        EXPECT_EQ(menus.size(), 2u)
            << "expected the menu and its body list, observed " << Describe(menus);
        return menus;
    }

    static bool MenusClosed() {
        return PollUntil([] { return ShownMenus(*app_).empty(); });
    }

    static std::string CloseUpFindings(const char* name) {
        const BodyView& body = kBodyViews[static_cast<std::size_t>(BodyIndex(name))];
        return PollProbe(*app_, [&](const Picture& p) {
            return CloseUpOf(p, body, false, kWindowPx, kWindowPx);
        });
    }

    // The pointer onto body `name`'s row of the body list, the last of `menus`.
    static void PointAtBody(const std::vector<ShownMenu>& menus, const char* name) {
        const auto [x, y] =
            RowCentre(menus.back().box, OrreryDriver::kBodyEntries, BodyIndex(name));
        pointer_->MoveTo(x, y);
    }

    // After a choice of body `name`: its console line, the menus gone and its close-up shown.
    static void ExpectChosen(const char* name, int value) {
        const std::string line = std::to_string(value) + " select \r\n";
        EXPECT_EQ(NextOutput(line.size()), line);
        EXPECT_TRUE(MenusClosed()) << Describe(ShownMenus(*app_));
        EXPECT_EQ(CloseUpFindings(name), "");
    }

    static std::unique_ptr<XvfbServer> server_;
    static std::unique_ptr<Pointer> pointer_;
    static std::unique_ptr<OutputCapture> stderr_;
    static std::unique_ptr<OrreryDriver> app_;
    static std::string firstFrameFindings_, startUpOutput_;
    static std::size_t outputTaken_;
};

std::unique_ptr<XvfbServer> WineOrrery::server_;
std::unique_ptr<Pointer> WineOrrery::pointer_;
std::unique_ptr<OutputCapture> WineOrrery::stderr_;
std::unique_ptr<OrreryDriver> WineOrrery::app_;
std::string WineOrrery::firstFrameFindings_, WineOrrery::startUpOutput_;
std::size_t WineOrrery::outputTaken_ = 0;

TEST_F(WineOrrery, OpensItsWindowAtTheSizeAskedWithTheKoreanTitle) {
    EXPECT_EQ(startUpOutput_, kStartUpOutput);
    const Box window = MainWindow();
    EXPECT_EQ(window.width, kWindowPx);
    EXPECT_EQ(window.height, kWindowPx);
    // Wine passes the title to X once the program has set it in UTF-16.
    std::pair<std::string, std::string> title;
    PollUntil([&] { return (title = app().Property("_NET_WM_NAME")).second == kTitle; });
    EXPECT_EQ(title, std::make_pair(std::string("UTF8_STRING"), kTitle));
}

TEST_F(WineOrrery, ShowsTheSunAtTheCentreAndThePlanetsMove) {
    EXPECT_EQ(firstFrameFindings_, "");
    const Picture first = app().Grab();
    int moved = 0;
    EXPECT_TRUE(PollUntil([&] {
        return (moved = MovedPlanetPixels(first, app().Grab())) >= kMinMovedPlanetPixels;
    })) << "the planets do not move: "
        << moved << " planet pixels changed, expected at least " << kMinMovedPlanetPixels;
}

TEST_F(WineOrrery, ShowsTheKoreanLabelAndEscapeClosesTheMenuWithoutAChoice) {
    Picture firstSight;
    const std::vector<ShownMenu> menus = OpenBodyList(false, &firstSight);
    ASSERT_EQ(menus.size(), 2u);
    EXPECT_EQ(HangulLabelFindings(firstSight), Failures{})
        << "the menu's label, in wine's menu font linked to a Korean one";
    // Windows closes one menu level per Escape.
    for (int level = 0; level < 2 && !ShownMenus(app()).empty(); ++level) {
        app().TypeKey(XK_Escape);
        PollUntil([&] { return ShownMenus(app()).size() < menus.size() - level; });
    }
    EXPECT_TRUE(MenusClosed()) << "after two Escapes: " << Describe(ShownMenus(app()));
    // The program's loop runs again, so a choice would have been printed by now.
    EXPECT_TRUE(app().WaitForFreshFrames(2)) << "the animation does not go on";
    EXPECT_EQ(app().Console(), kStartUpOutput);
    EXPECT_EQ(PollProbe(app(), SunAtCentre), "") << "still the overview";
}

TEST_F(WineOrrery, ClickingEarthInTheOpenedMenuShowsItsCloseUp) {
    const std::vector<ShownMenu> menus = OpenBodyList(false);
    ASSERT_EQ(menus.size(), 2u);
    PointAtBody(menus, "Earth");
    pointer_->Press(kLeftButton);
    pointer_->Release(kLeftButton);
    ExpectChosen("Earth", 5);
}

TEST_F(WineOrrery, ReleasingTheHeldButtonOnPlutoShowsItsCloseUp) {
    const std::vector<ShownMenu> menus = OpenBodyList(true);
    ASSERT_EQ(menus.size(), 2u);
    PointAtBody(menus, "Pluto");
    pointer_->Release(kRightButton);
    ExpectChosen("Pluto", 11);
}

// Shift+F10, then the Menu key, open the menu at the window's centre; the keys choose Earth.
TEST_F(WineOrrery, ShiftF10OrTheMenuKeyThenReturnDownDownDownReturnShowsEarthsCloseUp) {
    const Box window = MainWindow();
    for (const auto& [key, shift] : {std::pair{XK_F10, true}, {XK_Menu, false}}) {
        app().TypeKey(key, shift);
        std::vector<ShownMenu> menus;
        ASSERT_TRUE(PollUntil([&] { return !(menus = ShownMenus(app())).empty(); })) << "no menu";
        EXPECT_EQ(menus.front().box.x - window.x, window.width / 2);
        EXPECT_EQ(menus.front().box.y - window.y, window.height / 2);
        for (KeySym next : {XK_Return, XK_Down, XK_Down, XK_Down, XK_Return}) app().TypeKey(next);
        ExpectChosen("Earth", 5);
    }
}

// Wine's display scaling (LogPixels) at 150 % while it lives; back at 100 % after, with the
// session ended so that the next program starts with it.
struct ScaledDisplay {
    explicit ScaledDisplay(const std::string& display) : display_(display) { Set("144"); }
    ~ScaledDisplay() {
        EndWineSession();
        Set("96");
        EndWineSession();
    }
    void Set(const char* logPixels) {
        EXPECT_EQ(RunWine({"reg", "add", "HKCU\\Control Panel\\Desktop", "/v", "LogPixels", "/t",
                           "REG_DWORD", "/d", logPixels, "/f"},
                          display_),
                  0);
    }
    std::string display_;
};

// The overview fills a window `side` px across: the Sun, 12 of its 100 units wide, at its centre.
Failures SunFills(const Picture& picture, int side) {
    const int c = side / 2, r = side * 6 * 8 / 1000;  // 0.8 of the Sun's radius
    Failures failures;
    for (const auto& [x, y] : {std::pair{c, c}, {c - r, c}, {c + r, c}, {c, c - r}, {c, c + r}}) {
        const Rgb8 seen = picture.At(x, y);
        if (!NearColour(seen, kSunColour)) {
            failures.push_back("Sun at (" + std::to_string(x) + ", " + std::to_string(y) +
                               ") shows " + std::to_string(seen.r) + "," + std::to_string(seen.g) +
                               "," + std::to_string(seen.b));
        }
    }
    return failures;
}

// A 1920 x 1080 laptop screen at 150 %: 1500 px and the frame do not fit, so the window is the
// largest square that does. Wine puts it at the top left, so the client area's offset is the
// frame's left and top, and its bottom edge is as thick as the left one.
TEST(WineOrreryScaled, TheGuiProgramOpensAsLargeAsTheScreenHoldsAndTheViewFillsIt) {
    XvfbServer server(1920, 1080);
    ScaledDisplay scaled(server.display());
    OutputCapture stderrCapture(stderr);
    OrreryDriver app(WINE_COMMAND, server.display(), std::vector<std::string>{ORRERYW_EXE});
    stderrCapture.Stop();
    const Box window = app.Geometry(app.window());
    const int fits = app.Screen().height - window.y - window.x;
    EXPECT_EQ(window.width, std::min(1500, fits)) << "the screen holds " << fits << " px";
    EXPECT_EQ(window.height, window.width);
    EXPECT_EQ(PollProbe(app, [&](const Picture& p) { return SunFills(p, window.width); }), "");
    EXPECT_EQ(app.ConsoleAfter(0, kStartUpOutput.size()), kStartUpOutput);
    EXPECT_EQ(stderrCapture.Text(), "");
}

// F5 and F6 stand for moves to a monitor of another scale (scale_change_keys.cpp). The window
// takes the size suggested, 1500 px for 1000, and the view follows; 2250 px does not fit the
// 1600 px screen, so it becomes the largest square that does, as the first window would. A
// rectangle of no size (F6) between the two changes nothing.
TEST(WineOrreryScaleChange, TheWindowTakesTheSuggestedSizeWithinTheScreen) {
    XvfbServer server(1920, 1600);
    OrreryDriver app(WINE_COMMAND, server.display(),
                     std::vector<std::string>{ORRERY_SCALE_KEYS_EXE});
    Box window{};
    const auto keysThenSquare = [&](std::initializer_list<KeySym> keys, int side) {
        for (KeySym key : keys) app.TypeKey(key);
        PollUntil([&] {
            window = app.Geometry(app.window());
            return window.width == side && window.height == side;
        });
        EXPECT_EQ(window.width, side) << "and height " << window.height;
        EXPECT_EQ(PollProbe(app, [&](const Picture& p) { return SunFills(p, side); }), "");
    };
    keysThenSquare({XK_F5}, kWindowPx * 3 / 2);
    keysThenSquare({XK_F6, XK_F5}, app.Screen().height - window.y - window.x);
    // A line for the first size and for each change, none for the rectangle of no size.
    EXPECT_EQ(app.ConsoleAfter(0, 3 * kStartUpOutput.size()),
              kStartUpOutput + kStartUpOutput + kStartUpOutput);
}

}  // namespace
