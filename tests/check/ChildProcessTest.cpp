#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <system_error>
#include <thread>

#include "check/ChildProcess.h"

namespace {

using check::ChildProcess;
using namespace std::chrono_literals;

// A shell script run as the child, and how it should end.
struct ChildRun {
    std::string script;
    std::chrono::milliseconds within;
    std::size_t maxAnswer;
    std::string answer;
    bool timedOut;
    bool answerTooLarge;
    int signal;
    int exitStatus;
};

// How each way a child can end comes back; its standard output goes nowhere, and of the
// parent's descriptors it holds none but its answer pipe.
TEST(ChildProcessTest, EachEndOfTheChildIsToldApart) {
    const std::vector<ChildRun> runs{
        {"echo printed; printf answer >&3", 5s, 100, "answer", false, false, 0, 0},
        {"exit 3", 5s, 100, "", false, false, 0, 3},
        {"printf partial >&3; kill -SEGV $$", 5s, 100, "partial", false, false, SIGSEGV, 0},
        {"exec sleep 5", 50ms, 100, "", true, false, SIGKILL, 0},
        {"exec yes >&3", 5s, 1000, "", false, true, SIGKILL, 0},
        // 4 is the listing's own.
        {"exec ls /proc/self/fd >&3", 5s, 100, "0\n1\n2\n3\n4\n", false, false, 0, 0},
    };
    // A descriptor the parent holds open across exec, which the child must not get.
    const int inherited = ::dup(STDERR_FILENO);
    ASSERT_GE(inherited, 0);
    for (const ChildRun& run : runs) {
        SCOPED_TRACE(run.script);
        ChildProcess child("/bin/sh", {"-c", run.script});
        const ChildProcess::Outcome outcome =
            child.Finish(std::chrono::steady_clock::now() + run.within, run.maxAnswer);
        if (!run.answerTooLarge) {
            EXPECT_EQ(outcome.answer, run.answer);
        }
        EXPECT_EQ(outcome.timedOut, run.timedOut);
        EXPECT_EQ(outcome.answerTooLarge, run.answerTooLarge);
        EXPECT_EQ(outcome.signal, run.signal);
        EXPECT_EQ(outcome.exitStatus, run.exitStatus);
    }
    ::close(inherited);
}

// While it runs, what the child has read is counted (here 300,000 bytes through a pipe before it
// sleeps); a stop asked for from another thread kills it within a tenth of a second or so, and
// says so.
TEST(ChildProcessTest, ItsReadingIsCountedAndAStopKillsItPromptly) {
    ChildProcess child("/bin/sh",
                       {"-c", "x=$(head -c 300000 /dev/zero | tr '\\0' a); exec sleep 30"});
    std::stop_source stop;
    const auto asked = std::chrono::steady_clock::now() + 500ms;
    std::jthread asking([&] {
        std::this_thread::sleep_until(asked);
        stop.request_stop();
    });
    std::uintmax_t read = 0;
    const ChildProcess::Outcome outcome =
        child.Finish(std::chrono::steady_clock::now() + 30s, 100, stop.get_token(),
                     [&] { read = std::max(read, child.BytesRead()); });
    EXPECT_LT(std::chrono::steady_clock::now() - asked, 500ms);
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_FALSE(outcome.timedOut);
    EXPECT_EQ(outcome.signal, SIGKILL);
    EXPECT_GE(read, 300'000u);
}

TEST(ChildProcessTest, AProgramThatCannotStartThrows) {
    EXPECT_THROW(ChildProcess("/nonexistent/program", {}), std::system_error);
}

}  // namespace
