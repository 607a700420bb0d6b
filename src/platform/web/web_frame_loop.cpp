// The frame call in the browser: made at the start of the first animation frame at or after its
// time, so the step and the frame drawing it share one refresh, and nothing runs in between.
// Frames are timed by their own time stamps, which keep the display's cadence even when a busy
// page runs a frame's callback late.
#include <emscripten.h>

#include "platform/window_system.h"

extern "C" void WebRequestFrame();  // web_frame_loop.js

namespace {

using Clock = std::chrono::steady_clock;

// A frame's time stamp is rounded by the browser; a call due within this much of the frame is
// made in it rather than a whole refresh later.
constexpr auto kFrameSlack = std::chrono::milliseconds(1);

struct PendingCall {
    Clock::time_point due;
    FrameCall call = nullptr;
};

PendingCall pending;
bool inFrame = false;
Clock::time_point frameStart;

}  // namespace

// Called by the frame loop at the start of every animation frame, with the frame's time stamp in
// milliseconds on the clock steady_clock reads.
extern "C" EMSCRIPTEN_KEEPALIVE void WebFrameBegins(double timeStampMs) {
    frameStart = Clock::time_point(std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double, std::milli>(timeStampMs)));
    if (pending.call == nullptr) return;
    if (frameStart + kFrameSlack < pending.due) {
        WebRequestFrame();
        return;
    }
    const FrameCall call = pending.call;
    pending.call = nullptr;
    inFrame = true;
    call();
    inFrame = false;
}

Clock::time_point FrameStartTime() { return inFrame ? frameStart : Clock::now(); }

void CallForNextFrame(Clock::time_point due, FrameCall call) {
    pending = {due, call};
    WebRequestFrame();
}

void CancelFrameCall() { pending.call = nullptr; }

bool FrameCallsAtRefreshesOnly() { return true; }
