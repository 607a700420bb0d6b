// The window and its body menu as a screen reader finds them over AT-SPI, on the private D-Bus
// session ctest starts this under: the tree, the focus as the keys work the menu, a body chosen
// through an item's action, and what Orca says.
#include <atspi/atspi.h>
#include <gtest/gtest.h>
// After gtest, whose names Xlib's None and Bool macros would clobber.
#include <X11/keysym.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include "child_process.h"
#include "openbox_session.h"
#include "orrery_driver.h"
#include "scene/body_catalogue.h"
#include "xvfb_server.h"

namespace {

struct Unref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
using Accessible = std::unique_ptr<AtspiAccessible, Unref>;

std::string Name(AtspiAccessible* object) {
    std::unique_ptr<gchar, decltype(&g_free)> name(atspi_accessible_get_name(object, nullptr),
                                                   g_free);
    return name ? name.get() : "";
}

Accessible Child(AtspiAccessible* object, int index) {
    return Accessible(atspi_accessible_get_child_at_index(object, index, nullptr));
}

bool Has(AtspiAccessible* object, AtspiStateType state) {
    std::unique_ptr<AtspiStateSet, Unref> states(atspi_accessible_get_state_set(object));
    return atspi_state_set_contains(states.get(), state) != 0;
}

// Polls `condition` while GLib's loop delivers AT-SPI's events; false after 20 s.
bool TurnUntil(const std::function<bool()>& condition) {
    return PollUntil([&] {
        while (g_main_context_iteration(nullptr, FALSE) != 0) continue;
        return condition();
    });
}

// Keeps each object that takes the focus. AT-SPI's calls wait for replies while events come in,
// so the objects are looked at later, outside the event's delivery.
void RecordFocus(AtspiEvent* event, void* focused) {
    if (g_str_has_suffix(event->type, ":focused") && event->detail1 == 1) {
        static_cast<std::vector<Accessible>*>(focused)->emplace_back(
            ATSPI_ACCESSIBLE(g_object_ref(event->source)));
    }
    g_boxed_free(ATSPI_TYPE_EVENT, event);
}

// A private X server under openbox, the program on it and this process on the session's
// accessibility bus, listening as a screen reader does to every change of state and name (which
// keeps AT-SPI's copies of them here up to date) and keeping each object that takes the focus.
class ScreenReader : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_LT(atspi_init(), 2) << "no accessibility bus";
        listener_ = atspi_event_listener_new(RecordFocus, &focused_, nullptr);
        for (const char* event : kEvents) atspi_event_listener_register(listener_, event, nullptr);
    }
    void TearDown() override {
        for (const char* event : kEvents)
            atspi_event_listener_deregister(listener_, event, nullptr);
        g_object_unref(listener_);
    }
    void StartOrrery() {
        app_ = std::make_unique<OrreryDriver>(ORRERY_EXECUTABLE, server_.display());
        Accessible desktop(atspi_get_desktop(0));
        ASSERT_TRUE(TurnUntil([&] {
            for (int i = atspi_accessible_get_child_count(desktop.get(), nullptr); i-- > 0;) {
                Accessible program = Child(desktop.get(), i);
                if (program && Name(program.get()) == "orrery") frame_ = Child(program.get(), 0);
            }
            return frame_ != nullptr;
        })) << "orrery is not on the accessibility bus";
        view_ = Child(frame_.get(), 0);
    }
    // Types `key` and waits until the object named `name` has the focus.
    void FocusByKey(KeySym key, const std::string& name, bool shift = false) {
        app_->TypeKey(key, shift);
        EXPECT_TRUE(TurnUntil([&] {
            return !focused_.empty() && Name(focused_.back().get()) == name;
        })) << name;
    }
    // Waits until `line` is written and the view tells `description` and has the focus back.
    void ExpectChoice(const std::string& line, const char* description) {
        EXPECT_EQ(app_->ConsoleAfter(0, kStartUp.size() + line.size()), kStartUp + line);
        EXPECT_TRUE(TurnUntil([&] {
            return Name(view_.get()) == description && Has(view_.get(), ATSPI_STATE_FOCUSED);
        })) << Name(view_.get());
        kStartUp += line;
    }

    static constexpr const char* kEvents[] = {"object:state-changed",
                                              "object:property-change:accessible-name"};
    XvfbServer server_;
    OpenboxSession openbox_{server_.display()};
    std::unique_ptr<OrreryDriver> app_;
    Accessible frame_, view_;
    AtspiEventListener* listener_ = nullptr;
    std::vector<Accessible> focused_;
    std::string kStartUp = "ChangeSize call, nRange=50.000000";  // and the lines since
};

const std::string kMenuName = "행성하나씩 보기";

TEST_F(ScreenReader, FindsTheWindowFollowsTheMenuKeysAndChoosesThroughAnItemsAction) {
    StartOrrery();
    EXPECT_EQ(Name(frame_.get()), "Vornak Telqui의 태양계");
    EXPECT_EQ(atspi_accessible_get_role(frame_.get(), nullptr), ATSPI_ROLE_FRAME);
    EXPECT_TRUE(TurnUntil([&] { return Has(frame_.get(), ATSPI_STATE_ACTIVE); }));
    EXPECT_EQ(Name(view_.get()), kOverviewDescription);
    const std::size_t openboxWindows = app_->ShownMenus().size();  // its own, off the screen

    FocusByKey(XK_F10, kMenuName, true);
    FocusByKey(XK_Right, "Sun");
    for (const char* body : {"Mercury", "Venus", "Earth"}) FocusByKey(XK_Down, body);
    ASSERT_EQ(focused_.size(), 5u);
    EXPECT_EQ(atspi_accessible_get_role(focused_[0].get(), nullptr), ATSPI_ROLE_MENU);
    EXPECT_EQ(atspi_accessible_get_child_count(focused_[0].get(), nullptr), 10);
    EXPECT_EQ(atspi_accessible_get_role(focused_[4].get(), nullptr), ATSPI_ROLE_MENU_ITEM);
    EXPECT_EQ(atspi_accessible_get_index_in_parent(focused_[4].get(), nullptr), 3) << "Earth";
    app_->TypeKey(XK_Return);
    ExpectChoice("5 select \n", FindBody(5)->closeUpDescription);

    FocusByKey(XK_F10, kMenuName, true);
    FocusByKey(XK_Right, "Sun");
    Accessible mars = Child(Child(frame_.get(), 1).get(), 4);
    ASSERT_EQ(Name(mars.get()), "Mars");
    EXPECT_TRUE(atspi_action_do_action(ATSPI_ACTION(mars.get()), 0, nullptr));
    ExpectChoice("6 select \n", FindBody(6)->closeUpDescription);
    EXPECT_TRUE(PollUntil(
        [&] { return app_->ShownMenus().size() == openboxWindows && app_->InputFree(); }));
}

// Orca, with no speech server, writes each phrase it would say to its debug file, which it buffers
// unless it is a terminal: it gets a pseudo-terminal, read as it speaks. Started with SIGINT
// ignored, as a shell starts a background job, it ends on SIGINT.
TEST_F(ScreenReader, OrcaSaysTheMenuEachBodyAndTheChosenView) {
    if (std::system("command -v orca >/dev/null") != 0) GTEST_SKIP() << "orca is not installed";
    const int terminal = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_TRUE(grantpt(terminal) == 0 && unlockpt(terminal) == 0);
    const pid_t orca = StartChild(
        {"sh", "-c", std::string("trap '' INT; exec orca --debug-file=") + ptsname(terminal)},
        {"DISPLAY=" + server_.display(), "GSETTINGS_BACKEND=memory",
         "SPEECHD_ADDRESS=unix_socket:/nonexistent/speechd",
         "XDG_CONFIG_HOME=" + testing::TempDir()},
        kDiscardOutput, kDiscardOutput);
    std::string log;
    std::size_t heard = 0;
    const auto said = [&](const std::string& phrase) {
        std::size_t at = std::string::npos;
        EXPECT_TRUE(PollUntil([&] {
            char buffer[4096];
            for (ssize_t n = 0; (n = read(terminal, buffer, sizeof buffer)) > 0;)
                log.append(buffer, static_cast<std::size_t>(n));
            return (at = log.find("SPEECH OUTPUT: '" + phrase, heard)) != std::string::npos;
        })) << "Orca did not say "
            << phrase << " after:\n"
            << log.substr(0, heard);
        heard = at != std::string::npos ? at + 1 : heard;
    };
    said("Screen reader on.");
    StartOrrery();
    const std::pair<KeySym, std::string> steps[] = {
        {XK_F10, kMenuName}, {XK_Right, "Sun"},  {XK_Down, "Mercury"},
        {XK_Down, "Venus"},  {XK_Down, "Earth"}, {XK_Return, FindBody(5)->closeUpDescription}};
    for (const auto& [key, phrase] : steps) {
        app_->TypeKey(key, key == XK_F10);
        said(phrase);
    }
    EndChild(orca, SIGINT);
    close(terminal);
}

}  // namespace
