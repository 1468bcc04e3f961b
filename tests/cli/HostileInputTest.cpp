#include <gmock/gmock.h>
#include <sys/stat.h>

#include <fstream>
#include <string>

#include "tests/cli/CommandRunner.h"
#include "tests/platform/TestSupport.h"

// Input made to hurt: no document, registry file or script makes a command crash, hang or grow
// without bound; each is refused with its reason, or, for the registry, counts as empty.
namespace {

using ::testing::HasSubstr;

class HostileInput : public ::testing::Test {
protected:
    void Write(const std::string& name, const std::string& text) {
        std::ofstream(m_folder.Path() / name, std::ios::binary) << text;
    }
    CommandResult Run(const std::string& arguments) {
        // Nothing here may wait for long: a hang fails the test instead of stopping the run.
        return RunVeritorRules(m_folder.Path(), arguments);
    }

    TemporaryFolder m_folder;
};

TEST_F(HostileInput, DocumentsAndScriptsBeyondTheLimitsAreRefused) {
    constexpr int kLevels = 100000;
    std::string deep = "<RuleSet Unit=\"0\" AngularUnit=\"0\">";
    for (int level = 0; level < kLevels; ++level) {
        deep += "<a>";
    }
    for (int level = 0; level < kLevels; ++level) {
        deep += "</a>";
    }
    Write("deep.xml", deep + "</RuleSet>");
    Write("twice.xml", "<RuleSet Unit=\"0\" Unit=\"3\" AngularUnit=\"0\"/>");
    ASSERT_EQ(Run("new doc.xml").status, 0);
    struct Case {
        const char* arguments;
        const char* message;
    };
    for (const Case& c : {
             Case{"show deep.xml",
                  "deep.xml: not a readable XML document: elements are nested "
                  "deeper than 64 levels"},
             Case{"show twice.xml",
                  "twice.xml: not a readable XML document: the attribute "
                  "\"Unit\" is given twice on <RuleSet>"},
             Case{"edit doc.xml 'Draft Angle' --script /dev/zero",
                  "script line 1: longer than 1048576 bytes"},
         }) {
        const CommandResult result = Run(c.arguments);
        EXPECT_EQ(result.status, 1) << c.arguments;
        EXPECT_THAT(result.err, HasSubstr(c.message)) << c.arguments;
    }
}

// A folder, a pipe nobody writes to, a device and an oversized file at the registry's path are
// no registry: the module starts as with none.
TEST_F(HostileInput, ARegistryPathThatHoldsNoRegistryCountsAsEmpty) {
    std::filesystem::create_directory(m_folder.Path() / "folder.reg");
    ASSERT_EQ(::mkfifo((m_folder.Path() / "pipe.reg").c_str(), 0600), 0);
    Write("huge.reg", "Windows Registry Editor Version 5.00\n" + std::string(2 << 20, '\n') +
                          "[HKEY_CURRENT_USER\\SOFTWARE\\Halvard\\KVL_PRODUCT\\Veritor\\Add-in]\n"
                          "\"OptionsLanguage\"=dword:0000040c\n");
    for (const char* registry : {"folder.reg", "pipe.reg", "/dev/zero", "huge.reg"}) {
        const ScopedEnvironment file(
            "VERITOR_REGISTRY",
            registry[0] == '/' ? std::string(registry) : (m_folder.Path() / registry).string());
        const CommandResult result = Run("info");
        EXPECT_EQ(result.status, 0) << registry;
        EXPECT_THAT(result.out, HasSubstr("folder: english\n")) << registry;
    }
}

}  // namespace
