#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <stop_token>
#include <vector>

#include "check/CheckCancelled.h"
#include "tests/check/CheckFixture.h"
#include "tests/check/TestParts.h"

namespace {

using Clock = std::chrono::steady_clock;

class CancelTest : public CheckFixture {};

// A full check tells its progress rising from 0 to exactly 1; a stop asked for once the rays are
// being cast ends it within a second with CheckCancelled, however many rays are left.
TEST_F(CancelTest, ProgressRisesToTheWholeAndAStopEndsTheCheckWithinASecond) {
    const std::filesystem::path part = Path("cup.step");
    test_parts::WriteStep(test_parts::Cup(true, true), part);
    const std::filesystem::path rules = Rules("mm");

    std::vector<double> told;
    check::CheckOptions full;
    full.progress = [&told](double done) { told.push_back(done); };
    Check(part, rules, full);
    ASSERT_GT(told.size(), 10u);
    EXPECT_EQ(told.front(), 0.0);
    EXPECT_EQ(told.back(), 1.0);
    EXPECT_TRUE(std::is_sorted(told.begin(), told.end()));

    std::stop_source stop;
    std::optional<Clock::time_point> asked;
    check::CheckOptions stopped;
    stopped.samples = 20'000'000;
    stopped.stop = stop.get_token();
    stopped.progress = [&](double done) {
        // Past the reading, the scene and the samples: among the rays.
        if (done > 0.25 && !asked) {
            asked = Clock::now();
            stop.request_stop();
        }
    };
    EXPECT_THROW(Check(part, rules, stopped), check::CheckCancelled);
    ASSERT_TRUE(asked.has_value());
    EXPECT_LT(Clock::now() - *asked, std::chrono::seconds(1));
}

}  // namespace
