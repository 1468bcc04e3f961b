#include "check/ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <string>
#include <system_error>
#include <thread>

extern char** environ;

namespace check {
namespace {

using Clock = std::chrono::steady_clock;

// Polling for the end of a child that has closed its pipe: it is exiting, so a short nap does.
constexpr auto kReapPause = std::chrono::milliseconds(1);
// The longest wait for its answer between looks at whether to stop.
constexpr int kStopLookMilliseconds = 100;

[[noreturn]] void ThrowErrno(int code, const char* what) {
    throw std::system_error(code, std::generic_category(), what);
}

void Check(int code, const char* what) {
    if (code != 0) {
        ThrowErrno(code, what);
    }
}

// The child's standard streams and its answer pipe; nothing else of the parent's stays open.
class SpawnActions {
public:
    explicit SpawnActions(int answerWriteEnd) {
        posix_spawn_file_actions_init(&m_actions);
        try {
            Add(answerWriteEnd);
        } catch (...) {
            posix_spawn_file_actions_destroy(&m_actions);
            throw;
        }
    }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&m_actions); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;

    const posix_spawn_file_actions_t* Get() const { return &m_actions; }

private:
    void Add(int answerWriteEnd) {
        Check(posix_spawn_file_actions_addopen(&m_actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0),
              "posix_spawn_file_actions_addopen");
        for (const int stream : {STDOUT_FILENO, STDERR_FILENO}) {
            Check(posix_spawn_file_actions_addopen(&m_actions, stream, "/dev/null", O_WRONLY, 0),
                  "posix_spawn_file_actions_addopen");
        }
        Check(posix_spawn_file_actions_adddup2(&m_actions, answerWriteEnd,
                                               ChildProcess::kAnswerDescriptor),
              "posix_spawn_file_actions_adddup2");
        Check(posix_spawn_file_actions_addclosefrom_np(&m_actions,
                                                       ChildProcess::kAnswerDescriptor + 1),
              "posix_spawn_file_actions_addclosefrom_np");
    }

    posix_spawn_file_actions_t m_actions;
};

// Every signal at its default and none blocked: a parent that ignores SIGPIPE or blocks
// signals must not hand that on, nor keep the child's processor limit from ending it.
class SpawnAttributes {
public:
    SpawnAttributes() {
        posix_spawnattr_init(&m_attributes);
        try {
            Set();
        } catch (...) {
            posix_spawnattr_destroy(&m_attributes);
            throw;
        }
    }
    ~SpawnAttributes() { posix_spawnattr_destroy(&m_attributes); }
    SpawnAttributes(const SpawnAttributes&) = delete;
    SpawnAttributes& operator=(const SpawnAttributes&) = delete;

    const posix_spawnattr_t* Get() const { return &m_attributes; }

private:
    void Set() {
        sigset_t signals;
        sigemptyset(&signals);
        Check(posix_spawnattr_setsigmask(&m_attributes, &signals), "posix_spawnattr_setsigmask");
        sigfillset(&signals);
        Check(posix_spawnattr_setsigdefault(&m_attributes, &signals),
              "posix_spawnattr_setsigdefault");
        Check(
            posix_spawnattr_setflags(&m_attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF),
            "posix_spawnattr_setflags");
    }

    posix_spawnattr_t m_attributes;
};

int MillisecondsUntil(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    return static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(left.count(), 0, 60'000));
}

}  // namespace

ChildProcess::ChildProcess(const std::filesystem::path& program,
                           const std::vector<std::string>& arguments) {
    int pipe[2];
    if (::pipe2(pipe, O_CLOEXEC) != 0) {
        ThrowErrno(errno, "pipe2");
    }
    m_answer = pipe[0];
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    int started = 0;
    try {
        const SpawnActions actions(pipe[1]);
        const SpawnAttributes attributes;
        started = posix_spawn(&m_pid, program.c_str(), actions.Get(), attributes.Get(), argv.data(),
                              environ);
    } catch (...) {
        ::close(pipe[1]);
        ::close(m_answer);
        throw;
    }
    // The parent keeps no write end, so the pipe ends when the child does.
    ::close(pipe[1]);
    if (started != 0) {
        ::close(m_answer);
        m_pid = -1;
        ThrowErrno(started, program.c_str());
    }
}

ChildProcess::~ChildProcess() {
    if (m_pid > 0) {
        Kill();
        WaitKilled();
    }
    ::close(m_answer);
}

ChildProcess::Outcome ChildProcess::Finish(Clock::time_point deadline, std::size_t maxAnswerBytes,
                                           std::stop_token stop,
                                           const std::function<void()>& waiting,
                                           const AnswerSink& take) {
    Outcome outcome;
    ReadAnswer(deadline, maxAnswerBytes, stop, waiting, take, outcome);
    Reap(deadline, stop, outcome);
    return outcome;
}

void ChildProcess::ReadAnswer(Clock::time_point deadline, std::size_t maxAnswerBytes,
                              const std::stop_token& stop, const std::function<void()>& waiting,
                              const AnswerSink& take, Outcome& outcome) {
    std::string buffer(64 * 1024, '\0');
    std::size_t answered = 0;
    while (true) {
        if (waiting) {
            waiting();
        }
        if (stop.stop_requested()) {
            Kill();
            outcome.cancelled = true;
            return;
        }
        if (Clock::now() >= deadline) {
            Kill();
            outcome.timedOut = true;
            return;
        }
        pollfd answer{m_answer, POLLIN, 0};
        const int ready =
            ::poll(&answer, 1, std::min(MillisecondsUntil(deadline), kStopLookMilliseconds));
        if (ready < 0 && errno != EINTR) {
            ThrowErrno(errno, "poll");
        }
        if (ready <= 0) {
            continue;
        }
        const ssize_t got = ::read(m_answer, buffer.data(), buffer.size());
        if (got < 0 && errno != EINTR && errno != EAGAIN) {
            ThrowErrno(errno, "read");
        }
        if (got == 0) {
            return;
        }
        if (got < 0) {
            continue;
        }
        const auto piece = std::string_view(buffer).substr(0, static_cast<std::size_t>(got));
        answered += piece.size();
        if (answered > maxAnswerBytes) {
            Kill();
            outcome.answerTooLarge = true;
            return;
        }
        if (take) {
            take(piece);
        } else {
            outcome.answer.append(piece);
        }
    }
}

void ChildProcess::Reap(Clock::time_point deadline, const std::stop_token& stop, Outcome& outcome) {
    int status = 0;
    while (!m_killed && !Ended(status)) {
        if (stop.stop_requested()) {
            Kill();
            outcome.cancelled = true;
        } else if (Clock::now() >= deadline) {
            Kill();
            outcome.timedOut = true;
        } else {
            std::this_thread::sleep_for(kReapPause);
        }
    }
    if (m_killed) {
        status = WaitKilled();
    }
    m_pid = -1;
    if (WIFSIGNALED(status)) {
        outcome.signal = WTERMSIG(status);
    } else if (WIFEXITED(status)) {
        outcome.exitStatus = WEXITSTATUS(status);
    }
}

std::uintmax_t ChildProcess::BytesRead() const {
    std::ifstream io("/proc/" + std::to_string(m_pid) + "/io");
    std::string field;
    std::uintmax_t value = 0;
    while (io >> field >> value) {
        if (field == "rchar:") {
            return value;
        }
    }
    return 0;
}

bool ChildProcess::Ended(int& status) {
    while (true) {
        const pid_t ended = ::waitpid(m_pid, &status, WNOHANG);
        if (ended >= 0) {
            return ended == m_pid;
        }
        if (errno != EINTR) {
            m_pid = -1;
            ThrowErrno(errno, "waitpid");
        }
    }
}

void ChildProcess::Kill() {
    ::kill(m_pid, SIGKILL);
    m_killed = true;
}

int ChildProcess::WaitKilled() {
    int status = 0;
    while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
    }
    m_pid = -1;
    return status;
}

}  // namespace check
