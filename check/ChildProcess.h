#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

namespace check {

// A helper program run as a child process that answers on a pipe of its own (its descriptor 3),
// its standard streams going nowhere. Started with posix_spawn rather than fork: the programs
// that check parts run other threads (Qt's, Embree's), and a forked copy of them can deadlock on
// a lock one of those threads held. The child is killed at its deadline, and killed and reaped
// if the object goes first: it never outlives its parent's interest.
class ChildProcess {
public:
    static constexpr int kAnswerDescriptor = 3;

    // Takes the answer piece by piece as it is read.
    using AnswerSink = std::function<void(std::string_view bytes)>;

    struct Outcome {
        // What it wrote on its answer pipe, unless a sink took it.
        std::string answer;
        // Killed when the deadline passed.
        bool timedOut = false;
        // Killed because a stop was requested.
        bool cancelled = false;
        // Killed for writing more than it may.
        bool answerTooLarge = false;
        // The signal that ended it, or 0 when it exited with exitStatus.
        int signal = 0;
        int exitStatus = 0;
    };

    // Throws std::system_error when the program cannot be started.
    ChildProcess(const std::filesystem::path& program, const std::vector<std::string>& arguments);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Reads its answer until it closes the pipe and waits for its end, killing it when the
    // deadline passes, the answer grows beyond maxAnswerBytes or a stop is requested on stop
    // (within a tenth of a second). waiting, when given, is called between waits for the
    // answer, at least every tenth of a second. take, when given, is handed the answer as it
    // comes, in place of the outcome's copy.
    Outcome Finish(std::chrono::steady_clock::time_point deadline, std::size_t maxAnswerBytes,
                   std::stop_token stop = {}, const std::function<void()>& waiting = {},
                   const AnswerSink& take = {});
    // The bytes it has read so far from files and pipes, as the system counts them; 0 when the
    // system does not say.
    std::uintmax_t BytesRead() const;

private:
    void ReadAnswer(std::chrono::steady_clock::time_point deadline, std::size_t maxAnswerBytes,
                    const std::stop_token& stop, const std::function<void()>& waiting,
                    const AnswerSink& take, Outcome& outcome);
    void Reap(std::chrono::steady_clock::time_point deadline, const std::stop_token& stop,
              Outcome& outcome);
    // Whether it has ended, its wait status in status then; never waits.
    bool Ended(int& status);
    void Kill();
    // Its wait status once the kill has ended it.
    int WaitKilled();

    pid_t m_pid = -1;
    bool m_killed = false;
    int m_answer = -1;
};

}  // namespace check
