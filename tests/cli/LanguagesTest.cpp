#include <gmock/gmock.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>

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

std::string Parameter(int type, int status, int op, const char* value) {
    return "<Parameter Name=\"\" Type=\"" + std::to_string(type) + "\" Status=\"" +
           std::to_string(status) + "\"><Operator>" + std::to_string(op) +
           "</Operator><ParameterType>1</ParameterType><Value>" + value +
           "</Value><Remarks></Remarks></Parameter>";
}

std::string RuleElement(const char* name, const std::string& parameters) {
    return std::string("<Rule Name=\"") + name +
           "\" Status=\"0\" LifeStatus=\"0\" Description=\"\" "
           "Validator=\"TeskMouldingRulesValidator\" Note=\"\" ModuleFile=\"\" "
           "Severity=\"2\" Category=\"\">" +
           parameters + "</Rule>\n";
}

std::string RuleDocument(const std::string& rules) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<RuleSet Unit=\"0\" "
           "AngularUnit=\"0\">\n" +
           rules + "</RuleSet>\n";
}

// The description lines of what `show` prints for the document under the locale.
std::string ShownDescriptions(const std::string& document, const char* locale) {
    TemporaryFolder folder;
    std::ofstream(folder.Path() / "doc.xml", std::ios::binary) << document;
    const ScopedEnvironment language("LC_ALL", locale);
    const CommandResult shown = RunVeritorRules(folder.Path(), "show doc.xml");
    EXPECT_EQ(shown.status, 0) << shown.err;
    std::string found;
    std::istringstream lines(shown.out);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("  description: ")) {
            found += line.substr(15) + "\n";
        }
    }
    return found;
}

// Japanese and Korean word a comparison as one phrase (value, unit, then 以上 or 이상); the
// other languages keep the operator's symbol between the quantity and the value.
TEST(Languages, EachOperatorReadsAsTheLanguageWordsAComparison) {
    struct Case {
        const char* locale;
        std::array<const char*, 5> descriptions;  // >=, >, <=, <, =
    };
    const Case cases[] = {
        {"en_US.UTF-8",
         {"Distance from holes to the part edge >= 1.0 mm",
          "Distance from holes to the part edge > 1.0 mm",
          "Distance from holes to the part edge <= 1.0 mm",
          "Distance from holes to the part edge < 1.0 mm",
          "Distance from holes to the part edge = 1.0 mm"}},
        {"fr_FR.UTF-8",
         {"Distance des trous au bord de la pièce >= 1.0\u00a0mm",
          "Distance des trous au bord de la pièce > 1.0\u00a0mm",
          "Distance des trous au bord de la pièce <= 1.0\u00a0mm",
          "Distance des trous au bord de la pièce < 1.0\u00a0mm",
          "Distance des trous au bord de la pièce = 1.0\u00a0mm"}},
        {"ja_JP.UTF-8",
         {"穴から製品端までの距離 1.0mm以上", "穴から製品端までの距離 1.0mm超",
          "穴から製品端までの距離 1.0mm以下", "穴から製品端までの距離 1.0mm未満",
          "穴から製品端までの距離 1.0mm"}},
        {"ko_KR.UTF-8",
         {"구멍에서 부품 가장자리까지 거리 1.0mm 이상",
          "구멍에서 부품 가장자리까지 거리 1.0mm 초과",
          "구멍에서 부품 가장자리까지 거리 1.0mm 이하",
          "구멍에서 부품 가장자리까지 거리 1.0mm 미만", "구멍에서 부품 가장자리까지 거리 1.0mm"}},
        {"zh_CN.UTF-8",
         {"孔到零件边缘的距离 >= 1.0mm", "孔到零件边缘的距离 > 1.0mm",
          "孔到零件边缘的距离 <= 1.0mm", "孔到零件边缘的距离 < 1.0mm",
          "孔到零件边缘的距离 = 1.0mm"}},
        {"zh_TW.UTF-8",
         {"孔至零件邊緣的距離 >= 1.0mm", "孔至零件邊緣的距離 > 1.0mm",
          "孔至零件邊緣的距離 <= 1.0mm", "孔至零件邊緣的距離 < 1.0mm",
          "孔至零件邊緣的距離 = 1.0mm"}},
    };
    std::string rules;
    for (const int op : {7, 6, 8, 5, 3}) {
        rules += RuleElement("Hole to Part Edge Distance", Parameter(2048, 1, op, "1.000000"));
    }
    const std::string document = RuleDocument(rules);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale);
        std::string expected;
        for (const char* description : c.descriptions) {
            expected += std::string(description) + "\n";
        }
        EXPECT_EQ(ShownDescriptions(document, c.locale), expected);
    }
}

// Where a language words comparisons as phrases, the bounds a description states follow the
// operators: inclusive or strict, and its two sentences joined as the language joins them.
TEST(Languages, BoundsFollowTheOperatorsAndSentencesJoinAsTheLanguageJoinsThem) {
    const std::string document =
        RuleDocument(RuleElement("Mould Wall Thickness", Parameter(2094, 1, 6, "2.000000") +
                                                             Parameter(2095, 1, 7, "1.000000")));
    const std::pair<const char*, const char*> cases[] = {
        {"en_US.UTF-8",
         "Mould wall thickness ratio greater than 2.0. Mould walls greater than or equal to 1.0 mm "
         "thick.\n"},
        {"ja_JP.UTF-8", "金型の肉厚比が2.0超であること。金型の肉厚が1.0mm以上であること。\n"},
        {"ko_KR.UTF-8", "금형 벽 두께비는 2.0 초과입니다. 금형 벽 두께는 1.0mm 이상입니다.\n"},
        {"zh_CN.UTF-8", "模具壁厚比大于 2.0。模具壁厚大于或等于 1.0mm。\n"},
    };
    for (const auto& [locale, description] : cases) {
        EXPECT_EQ(ShownDescriptions(document, locale), description) << locale;
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
