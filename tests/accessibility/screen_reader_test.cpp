// The window and its body menu as a screen reader finds them over AT-SPI, on the private D-Bus
// session ctest starts this under: the tree, the focus as the keys work the menu, a body chosen
// through an item's action, and what Orca says.
#include <atspi/atspi.h>
#include <gtest/gtest.h>
// After gtest, whose names Xlib's None and Bool macros would clobber.
#include <X11/keysym.h>
#include <dbus/dbus.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <fstream>
#include <memory>
#include <sstream>
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
    gchar* name = atspi_accessible_get_name(object, nullptr);
    std::string text = name != nullptr ? name : "";
    g_free(name);
    return text;
}

Accessible Child(AtspiAccessible* object, int index) {
    return Accessible(atspi_accessible_get_child_at_index(object, index, nullptr));
}

bool Has(AtspiAccessible* object, AtspiStateType state) {
    AtspiStateSet* states = atspi_accessible_get_state_set(object);
    const bool has = atspi_state_set_contains(states, state) != 0;
    g_object_unref(states);
    return has;
}

// Polls `condition` while GLib's loop delivers AT-SPI's events; false after 20 s.
bool TurnUntil(const std::function<bool()>& condition) {
    return PollUntil([&] {
        while (g_main_context_iteration(nullptr, FALSE) != 0) {
        }
        return condition();
    });
}

// Keeps each object that takes the focus. AT-SPI's calls wait for replies while events come in,
// so the objects are looked at later, outside the event's delivery.
void RecordFocus(AtspiEvent* event, void* focused) {
    if (g_str_has_suffix(event->type, ":focused") && event->detail1 == 1) {
        auto& objects = *static_cast<std::vector<Accessible>*>(focused);
        objects.emplace_back(ATSPI_ACCESSIBLE(g_object_ref(event->source)));
    }
    g_boxed_free(ATSPI_TYPE_EVENT, event);
}

// Whether another client listens for focus changes, as a screen reader ready to speak does.
bool AnotherClientListensForFocus() {
    DBusConnection* bus = atspi_get_a11y_bus();
    DBusMessage* ask =
        dbus_message_new_method_call("org.a11y.atspi.Registry", "/org/a11y/atspi/registry",
                                     "org.a11y.atspi.Registry", "GetRegisteredEvents");
    DBusMessage* reply = dbus_connection_send_with_reply_and_block(bus, ask, 5000, nullptr);
    dbus_message_unref(ask);
    if (reply == nullptr) return false;
    bool found = false;
    DBusMessageIter events, event, field;
    dbus_message_iter_init(reply, &events);
    for (dbus_message_iter_recurse(&events, &event);
         dbus_message_iter_get_arg_type(&event) == DBUS_TYPE_STRUCT;
         dbus_message_iter_next(&event)) {
        const char* listener = nullptr;
        const char* type = nullptr;
        dbus_message_iter_recurse(&event, &field);
        dbus_message_iter_get_basic(&field, &listener);
        dbus_message_iter_next(&field);
        dbus_message_iter_get_basic(&field, &type);
        found = found || (std::string(listener) != dbus_bus_get_unique_name(bus) &&
                          std::string(type) == "Object:StateChanged:Focused");
    }
    dbus_message_unref(reply);
    return found;
}

// A private X server under openbox, the program on it and this process on its session's
// accessibility bus, noting every object that takes the focus.
class ScreenReader : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_LT(atspi_init(), 2) << "no accessibility bus";
        // As a screen reader does, for every change of state and name, which keeps AT-SPI's
        // copies of them up to date here.
        listener_ = atspi_event_listener_new(RecordFocus, &focused_, nullptr);
        for (const char* event : kEvents) atspi_event_listener_register(listener_, event, nullptr);
    }
    void TearDown() override {
        for (const char* event : kEvents)
            atspi_event_listener_deregister(listener_, event, nullptr);
        g_object_unref(listener_);
    }
    static constexpr const char* kEvents[] = {"object:state-changed",
                                              "object:property-change:accessible-name"};
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
        })) << "the focus did not move to "
            << name;
    }
    // Waits until the view tells `description` and has the focus back.
    void ExpectView(const char* description) {
        EXPECT_TRUE(TurnUntil([&] {
            return Name(view_.get()) == description && Has(view_.get(), ATSPI_STATE_FOCUSED);
        })) << "the view tells "
            << Name(view_.get());
    }
    std::string NextOutput(const std::string& expected) {
        const std::string text = app_->ConsoleAfter(outputTaken_, expected.size());
        outputTaken_ += text.size();
        return text;
    }

    XvfbServer server_;
    OpenboxSession openbox_{server_.display()};
    std::unique_ptr<OrreryDriver> app_;
    Accessible frame_, view_;
    AtspiEventListener* listener_ = nullptr;
    std::vector<Accessible> focused_;
    std::size_t outputTaken_ = 0;
};

const std::string kMenuName = "행성하나씩 보기";

TEST_F(ScreenReader, FindsTheWindowFollowsTheMenuKeysAndChoosesThroughAnItemsAction) {
    StartOrrery();
    ASSERT_TRUE(frame_);
    EXPECT_EQ(Name(frame_.get()), "Vornak Telqui의 태양계");
    EXPECT_EQ(atspi_accessible_get_role(frame_.get(), nullptr), ATSPI_ROLE_FRAME);
    EXPECT_TRUE(TurnUntil([&] { return Has(frame_.get(), ATSPI_STATE_ACTIVE); }));
    EXPECT_EQ(Name(view_.get()), kOverviewDescription);
    const std::size_t openboxWindows = app_->ShownMenus().size();  // its own, off the screen
    EXPECT_EQ(NextOutput("ChangeSize call, nRange=50.000000"), "ChangeSize call, nRange=50.000000");

    FocusByKey(XK_F10, kMenuName, true);
    FocusByKey(XK_Right, "Sun");
    for (const char* body : {"Mercury", "Venus", "Earth"}) FocusByKey(XK_Down, body);
    ASSERT_EQ(focused_.size(), 5u);
    EXPECT_EQ(atspi_accessible_get_role(focused_[0].get(), nullptr), ATSPI_ROLE_MENU);
    AtspiAccessible* earth = focused_[4].get();
    EXPECT_EQ(atspi_accessible_get_role(earth, nullptr), ATSPI_ROLE_MENU_ITEM);
    EXPECT_EQ(atspi_accessible_get_index_in_parent(earth, nullptr), 3) << "Earth's place";
    EXPECT_EQ(atspi_accessible_get_child_count(focused_[0].get(), nullptr), 10);
    app_->TypeKey(XK_Return);
    EXPECT_EQ(NextOutput("5 select \n"), "5 select \n");
    ExpectView(FindBody(5)->closeUpDescription);

    FocusByKey(XK_F10, kMenuName, true);
    FocusByKey(XK_Right, "Sun");
    Accessible mars = Child(Child(frame_.get(), 1).get(), 4);
    ASSERT_EQ(Name(mars.get()), "Mars");
    EXPECT_TRUE(atspi_action_do_action(ATSPI_ACTION(mars.get()), 0, nullptr));
    EXPECT_EQ(NextOutput("6 select \n"), "6 select \n");
    ExpectView(FindBody(6)->closeUpDescription);
    EXPECT_TRUE(PollUntil([&] { return app_->ShownMenus().size() == openboxWindows; }));
    EXPECT_TRUE(PollUntil([&] { return app_->InputFree(); }));
}

// What Orca says, read as it says it: Orca started with no speech server writes each phrase to
// its debug file, which it buffers unless it is a terminal, so it gets a pseudo-terminal.
class OrcaSpeech {
public:
    OrcaSpeech() : terminal_(posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC)) {
        grantpt(terminal_);
        unlockpt(terminal_);
    }
    ~OrcaSpeech() { close(terminal_); }
    std::string File() const { return ptsname(terminal_); }
    // Waits until Orca has said `phrase` after what was waited for before.
    bool Said(const std::string& phrase) {
        return PollUntil([&] {
            char buffer[4096];
            for (ssize_t n = 0; (n = read(terminal_, buffer, sizeof buffer)) > 0;)
                log_.append(buffer, static_cast<std::size_t>(n));
            const std::size_t at = log_.find("SPEECH OUTPUT: '" + phrase, heard_);
            if (at != std::string::npos) heard_ = at + 1;
            return at != std::string::npos;
        });
    }
    std::string Spoken() const {
        std::string lines;
        std::istringstream log(log_);
        for (std::string line; std::getline(log, line);)
            if (line.find("SPEECH OUTPUT: ") != std::string::npos) lines += line + "\n";
        return lines;
    }

private:
    int terminal_;
    std::string log_;
    std::size_t heard_ = 0;
};

TEST_F(ScreenReader, OrcaSaysTheMenuEachBodyAndTheChosenView) {
    if (std::system("command -v orca >/dev/null") != 0) GTEST_SKIP() << "orca is not installed";
    OrcaSpeech orca;
    const pid_t pid = StartChild({"sh", "-c", "trap '' INT; exec orca --debug-file=" + orca.File()},
                                 {"DISPLAY=" + server_.display(), "GSETTINGS_BACKEND=memory",
                                  "SPEECHD_ADDRESS=unix_socket:/nonexistent/speechd",
                                  "XDG_CONFIG_HOME=" + testing::TempDir()},
                                 kDiscardOutput, kDiscardOutput);
    ASSERT_TRUE(TurnUntil(AnotherClientListensForFocus)) << "Orca did not start";
    StartOrrery();
    const auto says = [&](KeySym key, const std::string& phrase, bool shift = false) {
        app_->TypeKey(key, shift);
        EXPECT_TRUE(orca.Said(phrase)) << "Orca did not say " << phrase;
    };
    says(XK_F10, kMenuName, true);
    says(XK_Right, "Sun");
    for (const char* body : {"Mercury", "Venus", "Earth"}) says(XK_Down, body);
    says(XK_Return, FindBody(5)->closeUpDescription);
    EndChild(pid, SIGINT);  // Orca ends on it when started with it ignored
    std::printf("%s", orca.Spoken().c_str());
}

}  // namespace
