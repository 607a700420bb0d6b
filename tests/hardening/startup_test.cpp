// The real executable at start-up: clear failures without a display or with an argument it does
// not take, GLUT's own options with one, and one line naming the font package when no font has
// Hangul.
#include <gtest/gtest.h>
// After gtest, whose names Xlib's None and Bool macros would clobber.
#include <X11/Xlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "xvfb_server.h"

namespace {

// `timeout` only guards against a hang; a prompt exit never comes near it.
const std::string kOrrery = std::string("timeout 60 ") + ORRERY_EXE;

std::string TempPath(const std::string& name) {
    return testing::TempDir() + "orrery_" + name + "_" + std::to_string(getpid());
}

std::string ReadFile(const std::string& path) {
    std::stringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

// A display number with no server socket behind it.
std::string DeadDisplay() {
    int n = 900;
    while (access(("/tmp/.X11-unix/X" + std::to_string(n)).c_str(), F_OK) == 0) ++n;
    return ":" + std::to_string(n);
}

TEST(Startup, WithoutAUsableDisplayExitsWithAMessageNamingIt) {
    const std::string dead = DeadDisplay(), out = TempPath("out"), err = TempPath("err");
    const struct {
        std::string command, named;
    } cases[] = {{"env -u DISPLAY " + kOrrery, "DISPLAY is not set"},
                 {"env DISPLAY= " + kOrrery, "DISPLAY is not set"},
                 {"env DISPLAY=" + dead + " " + kOrrery, "'" + dead + "'"},
                 {"env -u DISPLAY " + kOrrery + " -display " + dead, "'" + dead + "'"}};
    for (const auto& c : cases) {
        const int status = std::system((c.command + " >" + out + " 2>" + err).c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 0 && WEXITSTATUS(status) != 124)
            << c.command << ": status " << status;
        EXPECT_NE(ReadFile(err).find(c.named), std::string::npos)
            << c.command << ": " << ReadFile(err);
        EXPECT_EQ(ReadFile(out), "") << c.command;
    }
}

TEST(Startup, AnArgumentItDoesNotTakeExitsWithStatus2NamingIt) {
    const std::string out = TempPath("out"), err = TempPath("err");
    const struct {
        std::string arguments, named;
    } cases[] = {{"--frobnicate", "'--frobnicate'"},
                 {"-geometry 320x240 stray", "'stray'"},
                 {"-geometry 32767x32767", "-geometry '32767x32767'"},
                 {"-iconic -display", "-display needs a value"}};
    for (const auto& c : cases) {
        // Without a display: the arguments are judged before any window is tried.
        const std::string command = "env -u DISPLAY " + kOrrery + " " + c.arguments;
        const int status = std::system((command + " >" + out + " 2>" + err).c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << command << ": " << status;
        const std::string complaint = ReadFile(err);
        EXPECT_EQ(complaint.rfind("orrery: ", 0), 0u) << command << ": " << complaint;
        EXPECT_NE(complaint.substr(0, complaint.find('\n')).find(c.named), std::string::npos)
            << command << ": " << complaint;
        EXPECT_NE(complaint.find("\nUsage: orrery"), std::string::npos)
            << command << ": " << complaint;
        EXPECT_EQ(ReadFile(out), "") << command;
    }
}

// The program's one mapped top-level window.
Window FindMappedWindow(Display* display) {
    Window root = 0, parent = 0, *children = nullptr, found = 0;
    unsigned count = 0;
    XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count);
    for (unsigned i = 0; i < count; ++i) {
        XWindowAttributes a{};
        XGetWindowAttributes(display, children[i], &a);
        if (a.map_state == IsViewable) found = children[i];
    }
    XFree(children);
    return found;
}

// What a window manager sends for the close button.
void AskToClose(Display* display, Window window) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = window;
    e.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    XSendEvent(display, window, False, NoEventMask, &e);
    XFlush(display);
}

// Runs `command` until its window shows (its first output), hands the server and the window to
// `whileShown`, asks the window to close and returns the exit status.
int RunUntilClosed(const std::string& command, const std::string& display,
                   const std::function<void(Display*, Window)>& whileShown) {
    std::FILE* orrery = popen(command.c_str(), "r");
    if (orrery == nullptr) return -1;
    std::string firstOutput(std::string("ChangeSize call, nRange=50.000000").size(), '\0');
    firstOutput.resize(std::fread(firstOutput.data(), 1, firstOutput.size(), orrery));
    EXPECT_EQ(firstOutput, "ChangeSize call, nRange=50.000000");  // shown, so mapped

    Display* x = XOpenDisplay(display.c_str());
    const Window window = x != nullptr ? FindMappedWindow(x) : 0;
    EXPECT_NE(window, 0u) << "no window mapped";
    if (window != 0) {
        whileShown(x, window);
        AskToClose(x, window);
    }
    const int status = pclose(orrery);
    if (x != nullptr) XCloseDisplay(x);
    return status;
}

TEST(Startup, GlutDisplayAndGeometryOptionsPlaceTheWindowAndClosingEndsCleanly) {
    XvfbServer server;
    const std::string err = TempPath("err");
    const std::string command = "env -u DISPLAY " + kOrrery + " -display " + server.display() +
                                " -geometry 320x240+30+40 2>" + err;
    const int status = RunUntilClosed(command, server.display(), [](Display* x, Window window) {
        XWindowAttributes a{};
        XGetWindowAttributes(x, window, &a);
        EXPECT_EQ(std::vector<int>({a.x, a.y, a.width, a.height}),
                  std::vector<int>({30, 40, 320, 240}));
    });
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status << ": " << ReadFile(err);
    EXPECT_EQ(ReadFile(err), "");  // nothing from freeglut, and no sanitizer report
}

TEST(Startup, WithoutAFontForHangulOneLineNamesTheFontPackage) {
    XvfbServer server;
    const std::string config = TempPath("fonts.conf"), err = TempPath("err");
    std::ofstream(config) << "<?xml version=\"1.0\"?>\n<fontconfig>\n"
                             "  <include ignore_missing=\"yes\">/etc/fonts/fonts.conf</include>\n"
                             "  <selectfont><rejectfont><pattern><patelt name=\"lang\">"
                             "<string>ko</string></patelt></pattern></rejectfont></selectfont>\n"
                             "</fontconfig>\n";
    const std::string command = "env FONTCONFIG_FILE=" + config + " DISPLAY=" + server.display() +
                                " " + kOrrery + " 2>" + err;
    const int status = RunUntilClosed(command, server.display(), [](Display*, Window) {});
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status << ": " << ReadFile(err);
    const std::string message = ReadFile(err);
    EXPECT_NE(message.find("fonts-nanum"), std::string::npos) << message;
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
}

}  // namespace
