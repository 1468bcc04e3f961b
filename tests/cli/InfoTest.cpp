#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "platform/ModuleLibrary.h"
#include "platform/Utf.h"
#include "tests/cli/CommandRunner.h"
#include "tests/platform/TestSupport.h"

namespace {

const std::filesystem::path kStage = std::filesystem::canonical(VERITOR_STAGE_DIR);

struct InfoOutput {
    int status = -1;
    std::map<std::string, std::string> fields;  // "name: value" lines of standard output
};

// Runs the staged "veritor-rules info" with this locale and registry file, nothing else
// inherited that could choose a language.
InfoOutput RunInfo(const std::string& locale, const std::filesystem::path& registry) {
    const std::string command = "env -u LC_ALL -u LC_MESSAGES LANG='" + locale +
                                "' VERITOR_REGISTRY='" + registry.string() + "' '" +
                                (kStage / "bin/veritor-rules").string() + "' info";
    const CommandResult result = RunShell(command);
    InfoOutput run;
    run.status = result.status;
    std::istringstream lines(result.out);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t colon = line.find(": ");
        run.fields[line.substr(0, colon)] =
            colon == std::string::npos ? "" : line.substr(colon + 2);
    }
    return run;
}

std::string Field(const InfoOutput& run, const std::string& name) {
    const auto found = run.fields.find(name);
    return found == run.fields.end() ? "<no " + name + " line>" : found->second;
}

class VeritorRulesInfo : public ::testing::Test {
protected:
    void SetUp() override {
        const CString path((kStage / "Lang/english/TeskIMRulesResu.so").wstring());
        HINSTANCE english = AfxLoadLibrary(path);
        ASSERT_NE(english, nullptr);
        m_name = platform::Utf8FromWide(LoadString(english, 2139).str());
        m_summary = platform::Utf8FromWide(LoadString(english, 2148).str());
        AfxFreeLibrary(english);
        ASSERT_FALSE(m_name.empty());
        ASSERT_FALSE(m_summary.empty());
    }

    TemporaryFolder m_folder;
    std::string m_name;
    std::string m_summary;
};

TEST_F(VeritorRulesInfo, FrenchUserGetsTheFrenchLibraryAndHelp) {
    HINSTANCE french =
        AfxLoadLibrary(CString((kStage / "Lang/french/TeskIMRulesResu.so").wstring()));
    ASSERT_NE(french, nullptr);
    const std::string frenchName = platform::Utf8FromWide(LoadString(french, 2139).str());
    AfxFreeLibrary(french);
    const InfoOutput run = RunInfo("fr_FR.UTF-8", m_folder.Path() / "absent.reg");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Field(run, "language"), "french");
    EXPECT_EQ(Field(run, "folder"), "french");
    EXPECT_EQ(Field(run, "help"), (kStage / "Lang/french/veritor.chm").string());
    EXPECT_EQ(Field(run, "module"), frenchName);
    EXPECT_NE(frenchName, m_name);
}

TEST_F(VeritorRulesInfo, RegistryLanguageOverridesTheLocale) {
    const std::filesystem::path registry =
        m_folder.Write("user.reg",
                       "Windows Registry Editor Version 5.00\r\n\r\n"
                       "[HKEY_CURRENT_USER\\SOFTWARE\\Halvard\\KVL_PRODUCT\\Veritor\\Add-in]\r\n"
                       "\"OptionsLanguage\"=dword:00000407\r\n");
    const InfoOutput run = RunInfo("fr_FR.UTF-8", registry);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Field(run, "language"), "german");
    EXPECT_EQ(Field(run, "folder"), "english");
    EXPECT_EQ(Field(run, "module"), m_name);
    EXPECT_EQ(Field(run, "summary"), m_summary);
}

// What the dynamic loader reports loading while the staged veritor-rules runs these arguments.
std::string LibrariesLoadedBy(const std::string& arguments) {
    return RunShell("LD_DEBUG=libs '" + (kStage / "bin/veritor-rules").string() + "' " + arguments +
                    " 2>&1 >/dev/null")
        .out;
}

// The part checker's libraries take far longer to load than the other commands take to start:
// only the check command loads them (OpenCASCADE may load in its part reader's process alone).
TEST(VeritorRulesStart, OnlyTheCheckCommandLoadsThePartChecker) {
    const std::string info = LibrariesLoadedBy("info");
    EXPECT_EQ(info.find("libTKernel"), std::string::npos);
    EXPECT_EQ(info.find("libembree"), std::string::npos);
    EXPECT_NE(LibrariesLoadedBy("check absent.stl absent.xml").find("libembree"),
              std::string::npos);
}

// A copy of the staged tree's programs and libraries, without the one named; its languages
// are the staged ones, unless copied too.
std::filesystem::path CopyOfStage(const TemporaryFolder& tree, const std::string& leftOut,
                                  bool copyLanguages) {
    std::filesystem::create_directory(tree.Path() / "bin");
    for (const auto& file : std::filesystem::directory_iterator(kStage / "bin")) {
        if (file.path().filename() != leftOut) {
            std::filesystem::copy(file.path(), tree.Path() / "bin" / file.path().filename());
        }
    }
    if (copyLanguages) {
        std::filesystem::copy(kStage / "Lang", tree.Path() / "Lang",
                              std::filesystem::copy_options::recursive);
    } else {
        std::filesystem::create_directory_symlink(kStage / "Lang", tree.Path() / "Lang");
    }
    return tree.Path() / "bin/veritor-rules";
}

// A tree that lacks the check command still runs every other command, and check says what is
// missing instead of failing at start.
TEST(VeritorRulesStart, AMissingCheckCommandIsNamedWhenCheckRuns) {
    const TemporaryFolder tree;
    const std::string program = CopyOfStage(tree, "veritor-rules-check.so", false).string();
    EXPECT_EQ(RunShell("'" + program + "' info >/dev/null").status, 0);
    const CommandResult check = RunShell("'" + program + "' check absent.stl absent.xml 2>&1");
    EXPECT_EQ(check.status, 2);
    EXPECT_NE(check.out.find("veritor-rules-check.so: cannot load the check command"),
              std::string::npos)
        << check.out;
}

// A language library cut short (a copy that stopped) would crash the loader: the module falls
// back to English and names the file once; a registry file whose every read fails is an empty
// registry.
TEST(VeritorRulesStart, ADamagedLanguageLibraryFallsBackToEnglishAndIsNamedOnce) {
    const TemporaryFolder tree;
    const std::string program = CopyOfStage(tree, "", true).string();
    const std::filesystem::path french = tree.Path() / "Lang/french/TeskIMRulesResu.so";
    std::filesystem::resize_file(french, std::filesystem::file_size(french) / 3);
    const CommandResult run =
        RunShell("env -u LC_ALL -u LC_MESSAGES LANG=fr_FR.UTF-8 VERITOR_REGISTRY=/proc/self/mem '" +
                 program + "' info 2>&1");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("folder: english\n"), std::string::npos) << run.out;
    const std::string named = french.string() + ": not loaded: cut short";
    EXPECT_NE(run.out.find(named), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find(named), run.out.rfind(named)) << run.out;
}

}  // namespace
