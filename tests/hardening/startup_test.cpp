// The real executable at start-up: clear failures without a display or with an argument it does
// not take, in English and in Korean as the locale asks, GLUT's own options with one, thousands of
// random command lines, and one line naming the font package when no font has Hangul.
#include <gtest/gtest.h>
// After gtest, whose names Xlib's None and Bool macros would clobber.
#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "xvfb_server.h"

namespace {

// `timeout` only guards against a hang; a prompt exit never comes near it.
const std::string kOrrery = std::string("timeout 60 ") + ORRERY_EXE;
// Korean from the build's catalogue: C.UTF-8 is in every glibc, and LANGUAGE picks the language
// under any locale but C. Under C, LANGUAGE is ignored and the program speaks English.
const std::string kKorean = "LANGUAGE=ko LC_ALL=C.UTF-8 ";
const std::string kEnglish = "LANGUAGE=ko LC_ALL=C ";
#ifdef ORRERY_SANITIZE
constexpr int kRandomCommandLines = 1000;  // each start under the sanitizers takes longer
#else
constexpr int kRandomCommandLines = 3000;
#endif

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
    } cases[] = {{"env -u DISPLAY " + kEnglish + kOrrery, "DISPLAY is not set"},
                 {"env -u DISPLAY " + kKorean + kOrrery, "DISPLAY가 설정되지 않았습니다"},
                 {"env -u DISPLAY WAYLAND_DISPLAY=wayland-0 " + kEnglish + kOrrery,
                  "this is a Wayland session without XWayland"},
                 {"env -u DISPLAY WAYLAND_DISPLAY=wayland-0 " + kKorean + kOrrery,
                  "XWayland 없이 실행 중인 Wayland 세션입니다"},
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
        std::string language, arguments, named, usage;
    } cases[] = {{kEnglish, "--frobnicate", "unknown argument '--frobnicate'", "Usage: orrery"},
                 {kKorean, "--frobnicate", "알 수 없는 인자 '--frobnicate'", "사용법: orrery"},
                 {kEnglish, "-geometry 320x240 stray", "'stray'", "Usage: orrery"},
                 {kEnglish, "-geometry 32767x32767", "-geometry '32767x32767'", "Usage: orrery"},
                 {kEnglish, "-iconic -display", "-display needs a value", "Usage: orrery"}};
    for (const auto& c : cases) {
        // Without a display: the arguments are judged before any window is tried.
        const std::string command = "env -u DISPLAY " + c.language + kOrrery + " " + c.arguments;
        const int status = std::system((command + " >" + out + " 2>" + err).c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << command << ": " << status;
        const std::string complaint = ReadFile(err);
        EXPECT_EQ(complaint.rfind("orrery: ", 0), 0u) << command << ": " << complaint;
        EXPECT_NE(complaint.substr(0, complaint.find('\n')).find(c.named), std::string::npos)
            << command << ": " << complaint;
        EXPECT_NE(complaint.find("\n" + c.usage), std::string::npos)
            << command << ": " << complaint;
        EXPECT_EQ(ReadFile(out), "") << command;
    }
}

// A program ended by the test may take its window away between the tree's query and the read of
// the window's attributes: that BadWindow, or BadDrawable from the geometry request that
// XGetWindowAttributes also makes, is expected; any other X error is the test's fault.
int IgnoreVanishedWindow(Display*, XErrorEvent* error) {
    if (error->error_code != BadWindow && error->error_code != BadDrawable)
        ADD_FAILURE() << "X error " << int(error->error_code) << " on request "
                      << int(error->request_code);
    return 0;
}

Display* OpenDisplay(const std::string& name) {
    XSetErrorHandler(IgnoreVanishedWindow);
    return XOpenDisplay(name.c_str());
}

// The program's one mapped top-level window.
Window FindMappedWindow(Display* display) {
    Window root = 0, parent = 0, *children = nullptr, found = 0;
    unsigned count = 0;
    XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count);
    for (unsigned i = 0; i < count; ++i) {
        XWindowAttributes a{};
        if (XGetWindowAttributes(display, children[i], &a) != 0 && a.map_state == IsViewable)
            found = children[i];
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

    Display* x = OpenDisplay(display);
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

// Without a session bus (as over plain ssh -X), and on one with the accessibility bridge turned off
// or on, the program runs and closes as ever and writes nothing on stderr.
TEST(Startup, WithOrWithoutASessionBusOrTheAccessibilityBridgeNothingGoesToStderr) {
    XvfbServer server;
    const std::string err = TempPath("err"), runtime = TempPath("runtime");
    const std::string orrery = "DISPLAY=" + server.display() + " " + kOrrery + " 2>" + err;
    // The bus's own daemons write to its console: the program's output goes round it, by fd 9.
    const std::string onBus = "env XDG_RUNTIME_DIR=" + runtime + " dbus-run-session -- sh -c '";
    const std::string offBus = " >&9' 9>&1 >/dev/null 2>&1";
    for (const std::string& command :
         {"env -u DBUS_SESSION_BUS_ADDRESS -u XDG_RUNTIME_DIR " + orrery,
          onBus + "NO_AT_BRIDGE=1 " + orrery + offBus, onBus + orrery + offBus}) {
        ASSERT_EQ(std::system(("mkdir -p -m 700 " + runtime).c_str()), 0);
        const int status = RunUntilClosed(command, server.display(), [](Display*, Window) {});
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command << ": " << status;
        EXPECT_EQ(ReadFile(err), "") << command;
    }
}

// A person's typing and worse: GLUT's options with good, empty, huge, negative and non-numeric
// values, missing values, repeats, unknown words and invalid UTF-8.
std::vector<std::string> RandomCommandLine(std::mt19937& random,
                                           const std::vector<std::string>& displays) {
    const auto pick = [&random](const std::vector<std::string>& from) {
        return from[random() % from.size()];
    };
    const auto number = [&random] { return std::to_string(random() % 1300); };
    const std::vector<std::string> odd = {"",        "=",       "x",        "abc",
                                          "1x16384", "16384x1", "0x0",      "16385x1",
                                          "800X600", "1e3x2",   "\xff\xfe", "\xc3("};
    const std::function<std::string()> values[] = {
        [&] { return number() + "x" + number(); },
        [&] { return "=" + number() + "x" + number() + "-" + number() + "+" + number(); },
        [&] { return "+" + number() + "-" + number(); },
        [&] { return std::string(1 + random() % 25, '9') + "x" + number(); },
        [&] { return "-" + number() + "x-" + number(); },
        [&] { return pick(odd); },
        [&] { return number(); },
    };
    const std::vector<std::string> words = {
        "-geometry", "-geometry", "-geometry", "-display", "-display",     "-iconic",
        "-direct",   "-indirect", "-sync",     "-gldebug", "--help",       "-help",
        "--frob",    "",          "\xff",      "geometry", "-geometry=9x9"};
    std::vector<std::string> line;
    for (int count = static_cast<int>(random() % 6); count > 0; --count) {
        line.push_back(pick(words));
        if (random() % 10 == 0) continue;  // no value after an option that takes one
        if (line.back() == "-geometry") line.push_back(values[random() % std::size(values)]());
        if (line.back() == "-display") line.push_back(pick(displays));
    }
    return line;
}

struct Outcome {
    int status = 0;
    bool shown = false;  // still running with its window mapped
    std::string err;
};

// Runs the program until it exits or its window shows (its first output), then ends it.
Outcome RunCommandLine(const std::vector<std::string>& line, const std::string& display,
                       bool withDisplay, Display* x) {
    const std::string errPath = TempPath("random_err");
    int out[2];
    if (pipe(out) != 0) return {};
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        dup2(open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDERR_FILENO);
        withDisplay ? setenv("DISPLAY", display.c_str(), 1) : unsetenv("DISPLAY");
        std::vector<char*> argv{const_cast<char*>(ORRERY_EXE)};
        for (const std::string& word : line) argv.push_back(const_cast<char*>(word.c_str()));
        argv.push_back(nullptr);
        execv(ORRERY_EXE, argv.data());
        _exit(127);
    }
    close(out[1]);
    pollfd output{out[0], POLLIN, 0};
    char first = 0;
    Outcome run;
    // The wait only guards against a hang; a start-up takes a fraction of a second.
    run.shown =
        poll(&output, 1, 60000) == 1 && read(out[0], &first, 1) == 1 && FindMappedWindow(x) != 0;
    if (run.shown) kill(pid, SIGKILL);
    waitpid(pid, &run.status, 0);
    close(out[0]);
    // The next run starts on a screen without this one's window.
    while (FindMappedWindow(x) != 0) usleep(1000);
    run.err = ReadFile(errPath);
    return run;
}

// What is wrong with a run, or "": it showed its window or exited with status 0, 1 or 2, and wrote
// on stderr only the program's own line (with the usage after a misuse) or freeglut's line for a
// display it cannot open.
std::string RunFault(const Outcome& run, const std::string& usage) {
    const std::string first = run.err.substr(0, run.err.find('\n') + 1);
    const bool own = first.rfind("orrery: ", 0) == 0;
    if (run.shown) return run.err.empty() || (own && run.err == first) ? "" : "stderr: " + run.err;
    if (!WIFEXITED(run.status)) return "ended by signal " + std::to_string(WTERMSIG(run.status));
    const int code = WEXITSTATUS(run.status);
    const bool noDisplay = first.rfind("freeglut (", 0) == 0 &&
                           first.find("): failed to open display '") != std::string::npos;
    if ((code == 0 && run.err.empty()) || (code == 2 && own && run.err == first + usage) ||
        (code == 1 && (own || noDisplay) && run.err == first))
        return "";
    return "exit status " + std::to_string(code) + ", stderr: " + run.err;
}

TEST(Startup, ThousandsOfRandomCommandLinesEndOnlyAsTheProgramSays) {
    XvfbServer server;
    Display* x = OpenDisplay(server.display());
    ASSERT_NE(x, nullptr);
    const std::string out = TempPath("out");
    ASSERT_EQ(std::system((kOrrery + " --help >" + out).c_str()), 0);
    const std::string help = ReadFile(out);
    const std::string usage = help.substr(0, help.find("\nControls:\n"));
    const std::vector<std::string> displays = {server.display(), DeadDisplay(), "", "x", "\xff"};
    // Xvfb makes no indirect GL contexts: the one line says so and what to do instead.
    const Outcome indirect = RunCommandLine({"-indirect"}, server.display(), true, x);
    EXPECT_EQ(RunFault(indirect, usage), "");
    EXPECT_NE(indirect.err.find("leave out -indirect"), std::string::npos) << indirect.err;
    std::mt19937 random(20261209u);
    int runs = 0;
    int shown = 0;
    int faults = 0;
    const auto start = std::chrono::steady_clock::now();
    for (; runs < kRandomCommandLines && faults < 10; ++runs) {
        const std::vector<std::string> line = RandomCommandLine(random, displays);
        const Outcome run = RunCommandLine(line, server.display(), random() % 20 != 0, x);
        shown += run.shown ? 1 : 0;
        const std::string fault = RunFault(run, usage);
        if (!fault.empty()) ++faults;
        EXPECT_EQ(fault, "") << "orrery " << testing::PrintToString(line);
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%d random command lines in %.0f s, %d of them showing the window\n", runs,
                took.count(), shown);
    XCloseDisplay(x);
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
