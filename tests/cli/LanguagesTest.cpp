#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>

#include "resources/tools/StringTableFile.h"
#include "tests/cli/CommandRunner.h"
#include "tests/platform/TestSupport.h"

// The languages reach a person: their texts in what veritor-rules shows, the folder the locale
// or the registry chooses, and a help file per language with a page for every rule.
namespace {

using ::testing::HasSubstr;

struct Language {
    const char* locale;
    const char* folder;
};

const Language kLanguages[] = {
    {"en_US.UTF-8", "english"}, {"fr_FR.UTF-8", "french"}, {"ja_JP.UTF-8", "japanese"},
    {"ko_KR.UTF-8", "korean"},  {"zh_CN.UTF-8", "zh_CN"},  {"zh_TW.UTF-8", "zh_TW"},
};

const std::filesystem::path kSources = std::filesystem::path(VERITOR_SOURCE_DIR) / "resources";
const std::filesystem::path kStage = VERITOR_STAGE_DIR;

std::string Text(const char* folder, std::uint32_t id) {
    return resgen::ReadStringTable((kSources / folder / "strings.txt").string()).at(id);
}

// The English rule names are part of the document format and stay; everything a person reads
// comes from the language's own library.
TEST(Languages, ListShowsTheTextsOfTheLanguageTheLocaleChooses) {
    TemporaryFolder folder;
    for (const Language& language : kLanguages) {
        SCOPED_TRACE(language.locale);
        const ScopedEnvironment locale("LC_ALL", language.locale);
        const CommandResult info = RunVeritorRules(folder.Path(), "info");
        EXPECT_THAT(info.out, HasSubstr(std::string("folder: ") + language.folder + "\n"));
        const CommandResult list = RunVeritorRules(folder.Path(), "list");
        ASSERT_EQ(list.status, 0) << list.err;
        EXPECT_THAT(list.out,
                    HasSubstr("Draft Angle\n  display name: " + Text(language.folder, 2115) +
                              "\n  severity: 2 (" + Text(language.folder, 2015) + ")\n"));
        EXPECT_THAT(list.out, HasSubstr("  description: " + Text(language.folder, 2112) + "\n"));
    }
}

// OptionsLanguage chooses whatever the locale; Chinese follows the system locale's naming.
TEST(Languages, TheRegistryLanguageReachesItsFolder) {
    struct Case {
        const char* value;
        const char* locale;
        const char* folder;
    };
    const Case cases[] = {
        {"0000040c", "C", "french"},
        {"00000411", "de_DE.UTF-8", "japanese"},
        {"00000412", "C", "korean"},
        {"00000804", "zh_CN.UTF-8", "zh_CN"},
        {"00000404", "zh_TW.UTF-8", "zh_TW"},
        {"00000804", "zh_SG.UTF-8", "english"},
        {"00000000", "fr_FR.UTF-8", "english"},
    };
    TemporaryFolder folder;
    const std::filesystem::path registry = folder.Path() / "user.reg";
    const ScopedEnvironment registryFile("VERITOR_REGISTRY", registry.string());
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.value) + " " + c.locale);
        std::ofstream(registry) << "Windows Registry Editor Version 5.00\n\n"
                                   "[HKEY_CURRENT_USER\\SOFTWARE\\Halvard\\KVL_PRODUCT\\Veritor\\"
                                   "Add-in]\n\"OptionsLanguage\"=dword:"
                                << c.value << "\n";
        const ScopedEnvironment locale("LC_ALL", c.locale);
        EXPECT_THAT(RunVeritorRules(folder.Path(), "info").out,
                    HasSubstr(std::string("folder: ") + c.folder + "\n"));
    }
}

std::vector<std::string> HelpTopics() {
    std::vector<std::string> topics;
    for (const auto& file : std::filesystem::directory_iterator(kSources / "english/help")) {
        if (file.path().extension() == ".html") {
            topics.push_back("/" + file.path().filename().string());
        }
    }
    return topics;
}

// Each language's help file holds the module's page and every rule's, and nothing in it names
// the folders it was built in.
TEST(HelpFiles, EveryLanguageHasEveryRulesTopicAndNoBuildPath) {
    const std::vector<std::string> topics = HelpTopics();
    ASSERT_EQ(topics.size(), 14u);
    TemporaryFolder extracted;
    for (const Language& language : kLanguages) {
        SCOPED_TRACE(language.folder);
        const std::filesystem::path file = kStage / "Lang" / language.folder / "veritor.chm";
        ASSERT_TRUE(std::filesystem::exists(file));
        const std::string listing = RunShell("chmls -n -p '" + file.string() + "'").out;
        for (const std::string& topic : topics) {
            EXPECT_THAT(listing, HasSubstr(topic + "\n"));
        }
        const std::filesystem::path into = extracted.Path() / language.folder;
        RunShell("chmls extractall '" + file.string() + "' '" + into.string() + "' >/dev/null");
        for (const auto& part : std::filesystem::recursive_directory_iterator(into)) {
            if (part.is_regular_file()) {
                const std::string content = ReadWholeFile(part.path());
                EXPECT_EQ(content.find(VERITOR_SOURCE_DIR), std::string::npos) << part.path();
                EXPECT_EQ(content.find(kStage.parent_path().string()), std::string::npos)
                    << part.path();
            }
        }
    }
}

TEST(HelpFiles, F1OpensTheRulesOwnTopic) {
    TemporaryFolder folder;
    ASSERT_EQ(RunVeritorRules(folder.Path(), "new doc.xml").status, 0);
    std::ofstream(folder.Path() / "script") << "key F1\ncancel\n";
    const CommandResult result =
        RunVeritorRules(folder.Path(), "edit doc.xml 'Fillet Radius' --script script");
    EXPECT_THAT(result.out + result.err,
                HasSubstr((kStage / "Lang/english/veritor.chm").string() + "::/14113.html"));
}

}  // namespace
