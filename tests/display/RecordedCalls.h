// The charting library's calls made by one drawing, and a look-up of one call in them.
#pragma once
#include "platform/chart/Chart.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

// Runs a maker with recording on; returns the log. The maker must report success.
inline std::string Recorded(const std::function<bool()>& draw)
{
    Chart::startRecording();
    EXPECT_TRUE(draw());
    const std::string log = Chart::recordedCalls();
    Chart::stopRecording();
    return log;
}

// The log holds the call as a whole line.
inline bool Has(const std::string& log, const std::string& call) { return log.find(call + "\n") != std::string::npos; }
