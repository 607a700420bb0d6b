// Thousands of real frames of every view leave the memory in use where it was.
#include <gtest/gtest.h>
#include <malloc.h>
#include <unistd.h>

#include <cstddef>
#include <fstream>

#include "animation/idle_steps.h"
#include "gl_window.h"
#include "render/draw_frame.h"

namespace {

constexpr int kWarmUpFrames = 1000;
constexpr int kFrames = 10000;
constexpr long kAllowedGrowthBytes = 64L << 10;  // 64 bytes a frame would add 560 KiB
constexpr int kMmapThresholdBytes = 128 * 1024;  // glibc's starting value

#ifdef ORRERY_SANITIZE
// Resident memory here would include the freed blocks AddressSanitizer holds back to catch use
// after free; the bytes its allocator has handed out and not taken back are the measure.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();  // GCC ships no header for it
long UsedBytes() { return static_cast<long>(__sanitizer_get_current_allocated_bytes()); }
#else
long UsedBytes() {
    long sizePages = 0, residentPages = 0;
    std::ifstream("/proc/self/statm") >> sizePages >> residentPages;
    return residentPages * sysconf(_SC_PAGESIZE);
}
#endif

TEST(Memory, StaysFlatOverTenThousandFrames) {
    // glibc otherwise raises its mmap threshold the first time a large block is freed, moving later
    // blocks of that size onto the heap: a one-off step of a few MiB at a random frame, not a leak.
    mallopt(M_MMAP_THRESHOLD, kMmapThresholdBytes);
    EnsureGlWindow(kSmallGlWindowPx);
    scene.spinStep = Planet(4).spinStep;
    long afterWarmUp = 0;
    for (int frame = 1; frame <= kFrames; ++frame) {
        scene.viewMode = 1 + frame % 11;  // the overview and every close-up in turn
        AdvanceOrbitsOn(scene);
        AdvanceSpinOn(scene);
        DrawFrame();
        if (frame == kWarmUpFrames) afterWarmUp = UsedBytes();
    }
    const long atEnd = UsedBytes();
    std::printf("memory in use: %ld KiB after %d frames, %ld KiB after %d\n", afterWarmUp / 1024,
                kWarmUpFrames, atEnd / 1024, kFrames);
    EXPECT_LE(atEnd - afterWarmUp, kAllowedGrowthBytes);
}

}  // namespace
