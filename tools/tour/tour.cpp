// A short scripted tour of the viewer on a private X server, saving one screenshot per step.
// Usage: orrery_tour PATH-TO-ORRERY OUTPUT-DIRECTORY
#include <X11/keysym.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "orrery_driver.h"
#include "scene/body_catalogue.h"
#include "xvfb_server.h"

extern char** environ;

namespace {

constexpr int kWindowPx = 1000;
constexpr int kResizedHeightPx = 600;

struct TourStep {
    const char* file;  // screenshot name
    bool withMenus;    // the screen around the window, so that open menus show
    std::function<void(OrreryDriver&)> act;
};

// ImageMagick's import writes the PNG; `what` is an "-window" argument (an id or "root").
void SaveScreenshot(const std::string& display, const std::string& what, const std::string& path) {
    std::vector<std::string> args{"import", "-display", display, "-window", what};
    const std::string windowArea =
        std::to_string(kWindowPx) + "x" + std::to_string(kWindowPx) + "+0+0";
    if (what == "root") args.insert(args.end(), {"-crop", windowArea, "+repage"});
    args.push_back(path);
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    int status = 0;
    if (posix_spawnp(&pid, "import", nullptr, nullptr, argv.data(), environ) != 0 ||
        waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error("import (ImageMagick) could not save " + path);
    }
}

// A body's entry in the submenu, which lists the catalogue in its order.
int MenuEntry(const char* name) {
    for (std::size_t i = 0; i < BodyCatalogue.size(); ++i) {
        if (std::strcmp(BodyCatalogue[i].name, name) == 0) return static_cast<int>(i);
    }
    throw std::logic_error(std::string("no body named ") + name);
}

void Require(bool done, const char* what) {
    if (!done) throw std::runtime_error(std::string("tour step failed: ") + what);
}

std::vector<TourStep> Steps() {
    const int earth = MenuEntry("Earth");
    const int sun = MenuEntry("Sun");
    auto menu = std::make_shared<OpenMenu>();
    return {
        {"01-overview.png", false, [](OrreryDriver&) {}},
        {"02-key-a-from-above.png", false, [](OrreryDriver& app) { app.TypeKey(XK_a); }},
        {"03-key-s-edge-on.png", false, [](OrreryDriver& app) { app.TypeKey(XK_s); }},
        {"04-key-d-start-view.png", false, [](OrreryDriver& app) { app.TypeKey(XK_d); }},
        {"05-left-drag.png", false,
         [](OrreryDriver& app) { app.Drag(kWindowPx / 2, kWindowPx / 2, 4, 1, 6); }},
        {"06-earth-close-up.png", false,
         [=](OrreryDriver& app) { Require(app.ChooseBody(earth), "choosing Earth"); }},
        {"07-menu.png", true,
         [=](OrreryDriver& app) {
             *menu = app.OpenBodyMenu();
             app.HoverBody(*menu, sun);
             // The menu's windows are not the main window, whose fresh frames say nothing of
             // them: the shot waits until the Sun's row shows its highlight.
             Require(
                 PollUntil([&] { return !(app.Grab(menu->submenu) == menu->submenuAtFirstSight); }),
                 "highlighting the Sun");
         }},
        {"08-sun-close-up.png", false,
         [=](OrreryDriver& app) { Require(app.PickBody(*menu, sun), "choosing the Sun"); }},
        {"09-resized.png", false,
         [](OrreryDriver& app) { Require(app.Resize(kWindowPx, kResizedHeightPx), "resize"); }},
    };
}

void RunTour(const std::string& orrery, const std::string& directory) {
    XvfbServer server;
    // Placed at the screen's corner so that every pixel of the window is on screen.
    OrreryDriver app(orrery, server.display(), {"-geometry", "+0+0"});
    for (const TourStep& step : Steps()) {
        step.act(app);
        Require(app.WaitForFreshFrames(2), step.file);
        const std::string path = directory + "/" + step.file;
        SaveScreenshot(server.display(), step.withMenus ? "root" : std::to_string(app.window()),
                       path);
        std::printf("%s\n", path.c_str());
    }
    std::ofstream(directory + "/console.log") << app.Console();
    std::printf("%s/console.log\n", directory.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PATH-TO-ORRERY OUTPUT-DIRECTORY\n", argv[0]);
        return 2;
    }
    try {
        std::filesystem::create_directories(argv[2]);
        RunTour(argv[1], argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "orrery tour: %s\n", e.what());
        return 1;
    }
    return 0;
}
