#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "tests/cli/CommandRunner.h"
#include "tests/platform/TestSupport.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// Copies of the thirteen rules of a new document: over a thousand rule elements make the
// conversion and the save take long enough to be interrupted at many points.
constexpr int kRuleCopies = 80;
// Kill points spread over the whole run, and kill points inside the save itself.
constexpr int kKillsOverRun = 8;
constexpr int kKillsDuringSave = 8;
constexpr auto kPollInterval = std::chrono::microseconds(100);
constexpr const char* kDocumentName = "rules.xml";

const std::filesystem::path kProgram =
    std::filesystem::path(VERITOR_STAGE_DIR) / "bin/veritor-rules";

// The writer's own temporary file, ".<name>.XXXXXX" beside the document.
bool IsWritersTemporary(const std::string& name) {
    const std::string prefix = std::string(".") + kDocumentName + ".";
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

// Starts "veritor-rules units --unit in" on the document, its output discarded.
pid_t StartConversion(const std::filesystem::path& document) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::string program = kProgram.string();
    std::string file = document.string();
    std::string command = "units";
    std::string option = "--unit";
    std::string unit = "in";
    char* argv[] = {program.data(), command.data(), file.data(),
                    option.data(),  unit.data(),    nullptr};
    pid_t pid = -1;
    const int error = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? pid : -1;
}

// True when the process has ended; reaps it.
bool Ended(pid_t pid) {
    int status = 0;
    return ::waitpid(pid, &status, WNOHANG) == pid;
}

// Waits until the writer's temporary file exists; false when the process ended first.
bool AwaitSave(pid_t pid, const std::filesystem::path& folder) {
    while (!HasWritersTemporary(folder)) {
        if (Ended(pid)) {
            return false;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    return true;
}

// Kills the process unless it has ended; reaps it.
void KillAndReap(pid_t pid) {
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
}

class AtomicSave : public ::testing::Test {
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
    }

    // A fresh folder holding only the old document; returns the document's path.
    std::filesystem::path FreshCopy(const std::string& folder) {
        return m_folder.Write(std::filesystem::path(folder) / kDocumentName, m_old);
    }

    // The document and the folder after the conversion was killed: the old or the new
    // document, nothing else but the writer's temporary file.
    void ExpectOldOrNew(const std::filesystem::path& document, const std::string& when) {
        const std::string now = ReadWholeFile(document);
        EXPECT_TRUE(now == m_old || now == m_new)
            << when << ": the document is neither the old nor the converted one (" << now.size()
            << " bytes)";
        EXPECT_EQ(StrayFiles(document.parent_path()), std::vector<std::string>{}) << when;
        m_endedOld += now == m_old ? 1 : 0;
    }

    TemporaryFolder m_folder;
    std::string m_old;
    std::string m_new;
    int m_endedOld = 0;
};

TEST_F(AtomicSave, KilledConversionLeavesTheOldOrTheNewDocument) {
    // An uninterrupted run gives the new document and the timings of the run and of its save.
    const std::filesystem::path reference = FreshCopy("reference");
    const Clock::time_point start = Clock::now();
    const pid_t pid = StartConversion(reference);
    ASSERT_GT(pid, 0);
    ASSERT_TRUE(AwaitSave(pid, reference.parent_path()));
    const Clock::time_point saveStart = Clock::now();
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const Clock::duration run = Clock::now() - start;
    const Clock::duration save = Clock::now() - saveStart;
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
        const pid_t victim = StartConversion(document);
        ASSERT_GT(victim, 0);
        std::this_thread::sleep_for(run * i / kKillsOverRun);
        KillAndReap(victim);
        ExpectOldOrNew(document, "killed " + std::to_string(i) + "/" +
                                     std::to_string(kKillsOverRun) + " into the run");
    }

    int killedWhileSaving = 0;
    for (int i = 0; i < kKillsDuringSave; ++i) {
        const std::filesystem::path document = FreshCopy("save-" + std::to_string(i));
        const pid_t victim = StartConversion(document);
        ASSERT_GT(victim, 0);
        if (AwaitSave(victim, document.parent_path())) {
            std::this_thread::sleep_for(save * i / kKillsDuringSave);
            killedWhileSaving += HasWritersTemporary(document.parent_path()) ? 1 : 0;
            KillAndReap(victim);
        }
        ExpectOldOrNew(document, "killed " + std::to_string(i) + "/" +
                                     std::to_string(kKillsDuringSave) + " into the save");
    }
    // The save was really interrupted, not only the reading before it.
    EXPECT_GT(killedWhileSaving, 0);
    RecordProperty("killed_while_saving", killedWhileSaving);
    RecordProperty("left_old_document", m_endedOld);
}

}  // namespace
