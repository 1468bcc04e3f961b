#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "tests/check/CheckFixture.h"
#include "tests/check/TestParts.h"

namespace {

using check::Point;

struct AutoPullCase {
    const char* name;
    std::function<TopoDS_Shape()> build;
    Point pull;     // the direction the cavity draws along
    bool undercut;  // whether even that direction leaves some
};

std::ostream& operator<<(std::ostream& out, const AutoPullCase& c) {
    return out << c.name;
}

const double kHalf = 0.5;
const double kCos30 = std::sqrt(3.0) / 2;

const AutoPullCase kCases[] = {
    {"ACupOpenBelowOpensUpward", [] { return test_parts::Cup(false, false); }, {0, 0, 1}, false},
    {"ACupOnItsSideOpensAlongX",
     [] { return test_parts::Rotated(test_parts::Cup(false, false), 0, 1, 0, 90); },
     {1, 0, 0},
     false},
    {"ATiltedCupOpensAlongItsTopsNormal",
     [] { return test_parts::Rotated(test_parts::Cup(false, false), 1, 0, 0, 30); },
     {0, -kHalf, kCos30},
     false},
    {"ACupWithASideHoleStillOpensUpward",
     [] { return test_parts::Cup(false, true); },
     {0, 0, 1},
     true},
};

class AutoPull : public CheckFixture, public ::testing::WithParamInterface<AutoPullCase> {};

// The chosen direction has the least undercut area of those tried, and the cavity forms the
// part's outside.
TEST_P(AutoPull, ChoosesTheDirectionWithTheLeastUndercut) {
    const AutoPullCase& c = GetParam();
    test_parts::WriteStep(c.build(), Path("part.step"));
    check::CheckOptions options;
    options.findPull = true;
    const check::CheckReport report = Check(Path("part.step"), Rules("mm"), options);
    for (int axis = 0; axis < 3; ++axis) {
        EXPECT_NEAR(report.pull[axis], c.pull[axis], 1e-6) << "axis " << axis;
    }
    ASSERT_GE(report.pullCandidates.size(), 3u);
    EXPECT_EQ(report.pullCandidates[0].source, "axis Z");
    double least = report.pullCandidates[0].undercutArea;
    double most = least;
    for (const check::PullCandidateResult& candidate : report.pullCandidates) {
        least = std::min(least, candidate.undercutArea);
        most = std::max(most, candidate.undercutArea);
    }
    EXPECT_EQ(least > 1.0, c.undercut) << least;
    EXPECT_GT(most, 1000.0) << "the cup's inside seen from aside";
}

INSTANTIATE_TEST_SUITE_P(Parts, AutoPull, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
