#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "tests/cli/CommandRunner.h"
#include "tests/platform/TestSupport.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// Copies of the thirteen rules of a new document: a few hundred rule elements make the run
// long enough to be interrupted at many points and still quick under the sanitizers.
constexpr int kRuleCopies = 20;
// Kill points spread over the whole run, and kill points inside the save itself.
constexpr int kKillsOverRun = 8;
constexpr int kKillsDuringSave = 8;
constexpr auto kPollInterval = std::chrono::microseconds(200);
constexpr int kReferenceAttempts = 5;
constexpr const char* kDocumentName = "rules.xml";

const std::filesystem::path kProgram =
    std::filesystem::path(VERITOR_STAGE_DIR) / "bin/veritor-rules";

// The writer's own temporary file, ".<name>.veritor-save-XXXXXX" beside the document.
bool IsWritersTemporary(const std::string& name) {
    const std::string prefix = std::string(".") + kDocumentName + ".veritor-save-";
    return name.size() == prefix.size() + 6 && name.starts_with(prefix);
}

// The folder's entries other than the document and the writer's temporary file.
std::vector<std::string> StrayFiles(const std::filesystem::path& folder) {
    std::vector<std::string> stray;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name != kDocumentName && !IsWritersTemporary(name)) {
            stray.push_back(name);
        }
    }
    return stray;
}

bool HasWritersTemporary(const std::filesystem::path& folder) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (IsWritersTemporary(entry.path().filename().string())) {
            return true;
        }
    }
    return false;
}

// veritor-rules running with these arguments, its output discarded. A run the test leaves
// early is killed, never left behind.
class SavingRun {
public:
    explicit SavingRun(std::vector<std::string> arguments) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        arguments.insert(arguments.begin(), kProgram.string());
        std::vector<char*> argv;
        for (std::string& argument : arguments) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        if (posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
            m_pid = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
    }
    ~SavingRun() { Kill(); }
    SavingRun(const SavingRun&) = delete;
    SavingRun& operator=(const SavingRun&) = delete;

    bool Started() const { return m_pid > 0; }

    // True once the process has ended.
    bool Ended() {
        if (!m_ended && Started() && ::waitpid(m_pid, &m_status, WNOHANG) == m_pid) {
            m_ended = true;
        }
        return m_ended || !Started();
    }

    // Waits for the end; true when the run succeeded.
    bool Succeeded() {
        if (!m_ended && Started() && ::waitpid(m_pid, &m_status, 0) == m_pid) {
            m_ended = true;
        }
        return m_ended && WIFEXITED(m_status) && WEXITSTATUS(m_status) == 0;
    }

    void Kill(int signal = SIGKILL) {
        if (!m_ended && Started()) {
            ::kill(m_pid, signal);
            ::waitpid(m_pid, &m_status, 0);
            m_ended = true;
        }
    }

    // Waits until the writer's temporary file exists; false when the process ended first.
    bool AwaitSave(const std::filesystem::path& folder) {
        while (!HasWritersTemporary(folder)) {
            if (Ended()) {
                return false;
            }
            std::this_thread::sleep_for(kPollInterval);
        }
        return true;
    }

    // Waits until the temporary file is gone, renamed over the document; false when the
    // process ended and left it.
    bool AwaitRename(const std::filesystem::path& folder) {
        while (HasWritersTemporary(folder)) {
            if (Ended() && HasWritersTemporary(folder)) {
                return false;
            }
            std::this_thread::sleep_for(kPollInterval);
        }
        return true;
    }

private:
    pid_t m_pid = -1;
    int m_status = 0;
    bool m_ended = false;
};

// A command that rewrites the document, its arguments given the document's name, and the
// script it reads, if any.
struct SavingCommand {
    const char* name;
    std::vector<std::string> (*arguments)(const std::string& document, const std::string& script);
    const char* script;
};

void PrintTo(const SavingCommand& command, std::ostream* out) {
    *out << command.name;
}

class AtomicSave : public ::testing::TestWithParam<SavingCommand> {
protected:
    void SetUp() override {
        ASSERT_EQ(RunVeritorRules(m_folder.Path(), "new one.xml").status, 0);
        const std::string one = ReadWholeFile(m_folder.Path() / "one.xml");
        const std::size_t rules = one.find("  <Rule ");
        const std::size_t end = one.rfind("</RuleSet>");
        ASSERT_NE(rules, std::string::npos);
        ASSERT_NE(end, std::string::npos);
        m_old = one.substr(0, rules);
        for (int i = 0; i < kRuleCopies; ++i) {
            m_old += one.substr(rules, end - rules);
        }
        m_old += one.substr(end);
        // Outside every document's folder, where it would count as a stray file.
        m_script = m_folder.Write("script", GetParam().script).string();
    }

    // A fresh folder holding only the old document; returns the document's path.
    std::filesystem::path FreshCopy(const std::string& folder) {
        return m_folder.Write(std::filesystem::path(folder) / kDocumentName, m_old);
    }

    std::vector<std::string> Arguments(const std::filesystem::path& document) const {
        return GetParam().arguments(document.string(), m_script);
    }

    // The document and the folder after the run was killed: the old or the new document,
    // nothing else but the writer's temporary file.
    void ExpectOldOrNew(const std::filesystem::path& document, const std::string& when) {
        const std::string now = ReadWholeFile(document);
        EXPECT_TRUE(now == m_old || now == m_new)
            << when << ": the document is neither the old nor the new one (" << now.size()
            << " bytes)";
        EXPECT_EQ(StrayFiles(document.parent_path()), std::vector<std::string>{}) << when;
        m_endedOld += now == m_old ? 1 : 0;
    }

    TemporaryFolder m_folder;
    std::string m_script;
    std::string m_old;
    std::string m_new;
    int m_endedOld = 0;
};

TEST_P(AtomicSave, KilledRunLeavesTheOldOrTheNewDocument) {
    // An uninterrupted run gives the new document and the lengths of the run and of its save.
    // On a busy machine the poller may miss a quick save: the reference run is then repeated.
    std::filesystem::path reference;
    Clock::duration run{};
    Clock::duration save{};
    for (int attempt = 0; attempt < kReferenceAttempts && save == Clock::duration{}; ++attempt) {
        reference = FreshCopy("reference-" + std::to_string(attempt));
        const Clock::time_point start = Clock::now();
        SavingRun complete(Arguments(reference));
        ASSERT_TRUE(complete.Started());
        if (!complete.AwaitSave(reference.parent_path())) {
            ASSERT_TRUE(complete.Succeeded());
            continue;
        }
        const Clock::time_point saveStart = Clock::now();
        ASSERT_TRUE(complete.AwaitRename(reference.parent_path()));
        save = std::max(Clock::now() - saveStart, Clock::duration(1));
        ASSERT_TRUE(complete.Succeeded());
        run = Clock::now() - start;
    }
    ASSERT_NE(save, Clock::duration{}) << "no save was seen in " << kReferenceAttempts << " runs";
    m_new = ReadWholeFile(reference);
    ASSERT_NE(m_new, m_old);
    ASSERT_EQ(StrayFiles(reference.parent_path()), std::vector<std::string>{});
    ASSERT_FALSE(HasWritersTemporary(reference.parent_path()));
    // Both states a kill may leave are documents that load.
    EXPECT_EQ(RunVeritorRules(reference.parent_path(), std::string("show ") + kDocumentName).status,
              0);
    const std::filesystem::path old = FreshCopy("old");
    EXPECT_EQ(RunVeritorRules(old.parent_path(), std::string("show ") + kDocumentName).status, 0);

    for (int i = 0; i < kKillsOverRun; ++i) {
        const std::filesystem::path document = FreshCopy("run-" + std::to_string(i));
        SavingRun killed(Arguments(document));
        ASSERT_TRUE(killed.Started());
        std::this_thread::sleep_for(run * i / kKillsOverRun);
        killed.Kill();
        ExpectOldOrNew(document, "killed " + std::to_string(i) + "/" +
                                     std::to_string(kKillsOverRun) + " into the run");
    }

    int killedWhileSaving = 0;
    for (int i = 0; i < kKillsDuringSave; ++i) {
        const std::filesystem::path document = FreshCopy("save-" + std::to_string(i));
        SavingRun killed(Arguments(document));
        ASSERT_TRUE(killed.Started());
        if (killed.AwaitSave(document.parent_path())) {
            std::this_thread::sleep_for(save * i / kKillsDuringSave);
            killedWhileSaving += HasWritersTemporary(document.parent_path()) ? 1 : 0;
            killed.Kill();
        }
        ExpectOldOrNew(document, "killed " + std::to_string(i) + "/" +
                                     std::to_string(kKillsDuringSave) + " into the save");
    }
    // The save itself was interrupted, not only the reading and editing before it.
    EXPECT_GT(killedWhileSaving, 0);

    // Interrupted by SIGTERM (as SIGINT and SIGHUP), the run takes its half-written file with it.
    for (int i = 0; i < kKillsDuringSave; ++i) {
        const std::filesystem::path document = FreshCopy("term-" + std::to_string(i));
        SavingRun terminated(Arguments(document));
        ASSERT_TRUE(terminated.Started());
        if (terminated.AwaitSave(document.parent_path())) {
            std::this_thread::sleep_for(save * i / kKillsDuringSave);
            terminated.Kill(SIGTERM);
        }
        const std::string when = "terminated " + std::to_string(i) + "/" +
                                 std::to_string(kKillsDuringSave) + " into the save";
        ExpectOldOrNew(document, when);
        EXPECT_FALSE(HasWritersTemporary(document.parent_path())) << when;
    }
    RecordProperty("killed_while_saving", killedWhileSaving);
    RecordProperty("left_old_document", m_endedOld);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, AtomicSave,
    ::testing::Values(
        SavingCommand{"units",
                      [](const std::string& document, const std::string&) {
                          return std::vector<std::string>{"units", document, "--unit", "in"};
                      },
                      ""},
        SavingCommand{"edit",
                      [](const std::string& document, const std::string& script) {
                          return std::vector<std::string>{"edit", document, "Draft Angle",
                                                          "--script", script};
                      },
                      "choose 1111 >\ntype 1113 1.5\nok\n"}),
    [](const ::testing::TestParamInfo<SavingCommand>& info) { return info.param.name; });

}  // namespace
