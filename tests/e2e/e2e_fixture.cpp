// One private X server and one running viewer, shared by the cases of a test suite.
#include "e2e_fixture.h"

#include "scene_probes.h"

std::unique_ptr<XvfbServer> RunningOrrery::server_;
std::unique_ptr<OrreryDriver> RunningOrrery::app_;
std::string RunningOrrery::startUpOutput_;
std::size_t RunningOrrery::outputTaken_ = 0;

void RunningOrrery::SetUpTestSuite() {
    server_ = std::make_unique<XvfbServer>();
    app_ = std::make_unique<OrreryDriver>(ORRERY_EXECUTABLE, server_->display());
    PollProbe(*app_, SunAtCentre);
    startUpOutput_ = NextOutput(kStartUpOutput.size());
}

void RunningOrrery::TearDownTestSuite() {
    app_.reset();
    server_.reset();
}

void RunningOrrery::TearDown() {
    EXPECT_TRUE(app_->Running()) << "the program has ended";
    EXPECT_TRUE(app_->WaitForFreshFrames(1)) << "the window stopped changing";
}

std::string RunningOrrery::NextOutput(std::size_t length) {
    const std::string text = app_->ConsoleAfter(outputTaken_, length);
    outputTaken_ += text.size();
    return text;
}

std::string RunningOrrery::GridFindings(double pitchDeg, double yawDeg) {
    return PollProbe(*app_, [=](const Picture& p) { return GridSeenFrom(p, pitchDeg, yawDeg); });
}
