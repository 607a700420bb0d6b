// The frame call in the browser: made at the start of the first animation frame at or after its
// time, so the step and the frame drawing it share one refresh, and nothing runs in between.
#include <emscripten.h>

#include "platform/window_system.h"

extern "C" void WebRequestFrame();  // web_frame_loop.js

namespace {

using Clock = std::chrono::steady_clock;

// Frames come once per refresh but each callback starts a little early or late; a call due within
// this much of the frame is made in it rather than a whole refresh later.
constexpr auto kFrameSlack = std::chrono::milliseconds(2);

struct PendingCall {
    Clock::time_point due;
    FrameCall call = nullptr;
};

PendingCall pending;

}  // namespace

// Called by the frame loop at the start of every animation frame.
extern "C" EMSCRIPTEN_KEEPALIVE void WebFrameBegins() {
    if (pending.call == nullptr) return;
    if (Clock::now() + kFrameSlack < pending.due) {
        WebRequestFrame();
        return;
    }
    const FrameCall call = pending.call;
    pending.call = nullptr;
    call();
}

void CallForNextFrame(Clock::time_point due, FrameCall call) {
    pending = {due, call};
    WebRequestFrame();
}

void CancelFrameCall() { pending.call = nullptr; }
