// One private X server and one running viewer, shared by the cases of a test suite.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "orrery_driver.h"
#include "xvfb_server.h"

inline const std::string kStartUpOutput = "ChangeSize call, nRange=50.000000";

class RunningOrrery : public testing::Test {
protected:
    // Starts the server and the program and waits for its first frame.
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    // Each case leaves the program running and drawing.
    void TearDown() override;

    static OrreryDriver& app() { return *app_; }
    // What the program wrote before anything was done to it.
    static const std::string& startUpOutput() { return startUpOutput_; }
    // Stdout written since the last call, once at least `length` bytes of it have come (or the
    // time is up), so that anything unexpected shows.
    static std::string NextOutput(std::size_t length);
    // The grid as a view turned by `pitchDeg` after `yawDeg` shows it, once a frame does: "" then.
    static std::string GridFindings(double pitchDeg, double yawDeg);

private:
    static std::unique_ptr<XvfbServer> server_;
    static std::unique_ptr<OrreryDriver> app_;
    static std::string startUpOutput_;
    static std::size_t outputTaken_;
};
