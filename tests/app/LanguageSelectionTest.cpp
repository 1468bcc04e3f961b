#include <gtest/gtest.h>

#include <vector>

#include "app/ModuleExports.h"
#include "tests/app/StagedModule.h"

namespace {

CString Wide(const std::filesystem::path& path) {
    return CString(path.wstring());
}

// One start-up: the registry lines, the locale, the language folders present, and what the
// module chooses.
struct LanguageCase {
    const char* what;
    std::string registry;
    std::string locale;
    std::vector<std::string> folders;
    const wchar_t* language;
    const wchar_t* folder;
};

TEST(LanguageSelection, ChoosesLanguageAndFolder) {
    const std::vector<std::string> all = {"english", "french", "japanese",
                                          "korean",  "zh_CN",  "zh_TW"};
    const LanguageCase cases[] = {
        {"module forces English", OptionsLanguage(0), "fr_FR.UTF-8", all, L"english", L"english"},
        {"host 2007 forces English", HostUsesEnglish("Corvid 2007", 1), "fr_FR.UTF-8", all,
         L"english", L"english"},
        {"host 2008 forces English", HostUsesEnglish("Corvid 2008", 1), "fr_FR.UTF-8", all,
         L"english", L"english"},
        {"host does not force",
         HostUsesEnglish("Corvid 2007", 0) + HostUsesEnglish("Corvid 2008", 2), "fr_FR.UTF-8", all,
         L"french", L"french"},
        {"module follows host, host forces", OptionsLanguage(1) + HostUsesEnglish("Corvid 2008", 1),
         "fr_FR.UTF-8", all, L"english", L"english"},
        {"nothing set follows the user", "", "fr_FR.UTF-8", all, L"french", L"french"},
        {"Japanese user", "", "ja_JP.UTF-8", all, L"japanese", L"japanese"},
        {"German has no folder", OptionsLanguage(1031), "C", all, L"german", L"english"},
        {"chinese-simplified uses the locale's folder", OptionsLanguage(2052), "zh_CN.UTF-8", all,
         L"chinese-simplified", L"zh_CN"},
        {"chinese uses the locale's folder", OptionsLanguage(1028), "zh_TW.UTF-8", all, L"chinese",
         L"zh_TW"},
        {"unknown identifier", OptionsLanguage(5000), "fr_FR.UTF-8", all, L"english", L"english"},
        {"too large for an identifier", OptionsLanguage(0x10409), "fr_FR.UTF-8", all, L"english",
         L"english"},
        {"not a number follows the user",
         "[HKEY_CURRENT_USER\\SOFTWARE\\Halvard\\KVL_PRODUCT\\Veritor\\Add-in]"
         "\n\"OptionsLanguage\"=\"0\"\n",
         "fr_FR.UTF-8", all, L"french", L"french"},
        {"C locale", "", "C", all, L"english", L"english"},
        {"korean folder without its library",
         OptionsLanguage(1042),
         "C",
         {"english"},
         L"korean",
         L"english"},
        {"chinese folder without its library",
         OptionsLanguage(2052),
         "zh_CN.UTF-8",
         {"english", "zh_TW"},
         L"chinese-simplified",
         L"english"},
    };
    for (const LanguageCase& c : cases) {
        SCOPED_TRACE(c.what);
        StagedModule module;
        module.SetRegistry(c.registry);
        module.SetLocale(c.locale);
        for (const std::string& folder : c.folders) {
            module.AddLanguage(folder);
        }
        const CTeskCommonRulesApp* app = module.Start();
        ASSERT_NE(app, nullptr);
        EXPECT_EQ(app->m_strLanguage, c.language);
        EXPECT_EQ(app->m_strLangFolder, c.folder);
        EXPECT_EQ(app->GetLanguageFolder(), c.folder);
        const std::filesystem::path folder = module.Root() / "Lang" / std::wstring(c.folder);
        EXPECT_EQ(app->m_strLangFolderPath, Wide(folder));
        EXPECT_EQ(app->m_strHelpFilePath, Wide(folder / "veritor.chm"));
        EXPECT_NE(app->m_hLangResDll, nullptr);
        EXPECT_NE(app->m_hEnglishResDll, nullptr);
        EXPECT_EQ(AfxGetResourceHandle(), app->m_hLangResDll);
    }
}

// The language library is the one in the chosen folder, the English one is English's, and each
// is released once at shut-down, also when both are the same library.
TEST(LanguageSelection, LoadsBothLibrariesAndFreesEachOnce) {
    for (const char* locale : {"fr_FR.UTF-8", "C"}) {
        SCOPED_TRACE(locale);
        StagedModule module;
        module.SetLocale(locale);
        module.AddLanguage("english");
        module.AddLanguage("french");
        const CTeskCommonRulesApp* app = module.Start();
        ASSERT_NE(app, nullptr);
        const bool french = std::string(locale) == "fr_FR.UTF-8";
        EXPECT_EQ(app->m_hLangResDll == app->m_hEnglishResDll, !french);
        EXPECT_EQ(IsLoaded(module.LanguageLibrary("french")), french);
        EXPECT_TRUE(IsLoaded(module.LanguageLibrary("english")));
        const HINSTANCE language = app->m_hLangResDll;

        module.Stop();
        EXPECT_FALSE(IsLoaded(module.ModulePath()));  // so the next start is a fresh one
        EXPECT_FALSE(IsLoaded(module.LanguageLibrary("french")));
        EXPECT_FALSE(IsLoaded(module.LanguageLibrary("english")));
        // The freed library is no longer current: nothing can load texts through it.
        EXPECT_NE(AfxGetResourceHandle(), language);
    }
}

TEST(LanguageSelection, ExitInstanceReleasesTheLibrariesAndTheApplication) {
    StagedModule module;
    module.SetLocale("fr_FR.UTF-8");
    module.AddLanguage("english");
    module.AddLanguage("french");
    CTeskCommonRulesApp* app = module.Start();
    ASSERT_NE(app, nullptr);
    app->ExitInstance();
    EXPECT_EQ(module.App(), nullptr);
    EXPECT_EQ(app->m_hLangResDll, nullptr);
    EXPECT_EQ(app->m_hEnglishResDll, nullptr);
    EXPECT_FALSE(IsLoaded(module.LanguageLibrary("french")));
    EXPECT_FALSE(IsLoaded(module.LanguageLibrary("english")));
    EXPECT_EQ(AfxGetResourceHandle(), nullptr);
    module.Stop();  // shuts down a second time: nothing is freed twice
}

// Libraries that cannot serve: start-up still succeeds, texts come out empty, and English keeps
// working where it can.
TEST(LanguageSelection, BrokenLanguageLibraries) {
    const std::string staged = std::string(VERITOR_STAGE_DIR) + "/Lang/english/TeskIMRulesResu.so";
    HINSTANCE reference = AfxLoadLibrary(Wide(staged));
    ASSERT_NE(reference, nullptr);
    const CString englishName = LoadString(reference, 2139);
    ASSERT_FALSE(englishName.IsEmpty());

    struct Case {
        const char* what;
        ResourceLibrary french;
        std::optional<ResourceLibrary> english;
        const wchar_t* folder;
        bool languageLoaded;
        bool englishLoaded;
        CString name;         // GetModuleName in the chosen language
        CString englishText;  // the same id from the English library
    };
    const Case cases[] = {
        {"French is a text file", ResourceLibrary::NotALibrary, ResourceLibrary::English,
         L"english", true, true, englishName, englishName},
        {"French lacks the string table", ResourceLibrary::NoStringTable, ResourceLibrary::English,
         L"french", true, true, CString(), englishName},
        {"English missing too", ResourceLibrary::NotALibrary, std::nullopt, L"english", false,
         false, CString(), CString()},
        {"English lacks the string table", ResourceLibrary::NotALibrary,
         ResourceLibrary::NoStringTable, L"english", true, true, CString(), CString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StagedModule module;
        module.SetLocale("fr_FR.UTF-8");
        module.AddLanguage("french", c.french);
        if (c.english) {
            module.AddLanguage("english", *c.english);
        }
        // A handle the host made current before: kept when no language library loads.
        AfxSetResourceHandle(reference);
        CTeskCommonRulesApp* app = module.Start();
        ASSERT_NE(app, nullptr);
        EXPECT_EQ(app->m_strLanguage, L"french");
        EXPECT_EQ(app->m_strLangFolder, c.folder);
        EXPECT_EQ(app->m_strHelpFilePath,
                  Wide(module.Root() / "Lang" / std::wstring(c.folder) / "veritor.chm"));
        EXPECT_EQ(app->m_hLangResDll != nullptr, c.languageLoaded);
        EXPECT_EQ(app->m_hEnglishResDll != nullptr, c.englishLoaded);
        EXPECT_EQ(AfxGetResourceHandle(), c.languageLoaded ? app->m_hLangResDll : reference);

        CString name(L"previous");
        module.Symbol<GetModuleTextFn>("GetModuleName")(&name);
        EXPECT_EQ(name, c.name);
        EXPECT_EQ(LoadString(app->m_hEnglishResDll, 2139), c.englishText);
        module.Stop();
    }
    AfxSetResourceHandle(nullptr);
    EXPECT_TRUE(AfxFreeLibrary(reference));
}

}  // namespace
