#include <gtest/gtest.h>

#include "app/ModuleExports.h"
#include "host/CTeskRule.h"
#include "host/TeskXMLDocument.h"
#include "tests/app/StagedModule.h"
#include "tests/host/MinimalRule.h"

namespace {

// A rule the host hands back for deletion; counts how often its destructor runs.
class CountedRule : public MinimalRule {
public:
    explicit CountedRule(int& destroyed) : m_destroyed(destroyed) {}
    ~CountedRule() override { ++m_destroyed; }

private:
    int& m_destroyed;
};

std::vector<CString> Items(const CStringList& list) {
    std::vector<CString> items;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        items.push_back(list.GetNext(pos));
    }
    return items;
}

CStringList ListOf(std::initializer_list<const wchar_t*> items) {
    CStringList list;
    for (const wchar_t* item : items) {
        list.AddTail(item);
    }
    return list;
}

// A started module in French (whose library is a copy of the English one) with the staged
// English library at hand for comparison.
class ModuleExports : public ::testing::Test {
protected:
    void SetUp() override {
        m_module.SetLocale("fr_FR.UTF-8");
        m_module.AddLanguage("english");
        m_module.AddLanguage("french");
        m_app = m_module.Start();
        ASSERT_NE(m_app, nullptr);
        m_english = AfxLoadLibrary(
            CString((std::filesystem::path(VERITOR_STAGE_DIR) / "Lang/english/TeskIMRulesResu.so")
                        .wstring()));
        ASSERT_NE(m_english, nullptr);
    }
    void TearDown() override {
        AfxSetResourceHandle(nullptr);
        m_module.Stop();
        if (m_english) {
            AfxFreeLibrary(m_english);
        }
    }

    template <typename Fn>
    Fn Export(const char* name) {
        return m_module.Symbol<Fn>(name);
    }

    StagedModule m_module;
    CTeskCommonRulesApp* m_app = nullptr;
    HINSTANCE m_english = nullptr;
};

TEST_F(ModuleExports, ModuleNameAndSummaryAreTheEnglishTexts) {
    ASSERT_EQ(m_app->m_strLangFolder, L"french");
    CString name;
    CString summary;
    Export<GetModuleTextFn>("GetModuleName")(&name);
    Export<GetModuleTextFn>("GetModuleSummary")(&summary);
    EXPECT_FALSE(name.IsEmpty());
    EXPECT_FALSE(summary.IsEmpty());
    EXPECT_EQ(name, LoadString(m_english, 2139));
    EXPECT_EQ(summary, LoadString(m_english, 2148));
    Export<GetModuleTextFn>("GetModuleName")(nullptr);
}

TEST_F(ModuleExports, DeleteRule) {
    const auto deleteRule = Export<DeleteRuleFn>("DeleteRule");
    CTeskRule* rule = nullptr;
    deleteRule(&rule);
    EXPECT_EQ(rule, nullptr);
    deleteRule(nullptr);

    int destroyed = 0;
    rule = new CountedRule(destroyed);
    deleteRule(&rule);
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(rule, nullptr);
    deleteRule(&rule);
    EXPECT_EQ(destroyed, 1);
}

TEST_F(ModuleExports, SetDBModuleListKeepsACopyOfTheLastList) {
    const auto setList = Export<SetDBModuleListFn>("SetDBModuleList");
    {
        const CStringList first = ListOf({L"Plastics", L"Castings"});
        setList(&first);
    }
    EXPECT_EQ(Items(m_app->m_lstDBModules), (std::vector<CString>{L"Plastics", L"Castings"}));

    const CStringList second = ListOf({L"Metals", L"", L"Metals"});
    setList(&second);
    EXPECT_EQ(Items(m_app->m_lstDBModules), (std::vector<CString>{L"Metals", L"", L"Metals"}));

    const CStringList empty;
    setList(&empty);
    EXPECT_TRUE(m_app->m_lstDBModules.IsEmpty());

    setList(&second);
    m_app->ExitInstance();
    const CStringList late = ListOf({L"Late"});
    setList(&late);  // ignored: the module has shut down
    EXPECT_EQ(Items(m_app->m_lstDBModules), (std::vector<CString>{L"Metals", L"", L"Metals"}));
}

TEST_F(ModuleExports, SetXMLDocStoresThePointer) {
    auto** document = m_module.Symbol<TeskXMLDocument**>("g_pXMLDoc");
    ASSERT_NE(document, nullptr);
    TeskXMLDocument host;
    Export<SetXMLDocFn>("SetXMLDoc")(&host);
    EXPECT_EQ(*document, &host);
    Export<SetXMLDocFn>("SetXMLDoc")(nullptr);
    EXPECT_EQ(*document, nullptr);
}

TEST_F(ModuleExports, CallsRestoreTheCurrentResourceHandle) {
    TeskXMLDocument host;
    const std::unique_ptr<TeskXMLNode> rule(host.CreateNode(L"Rule"));
    rule->AddAttribute(L"Name", L"DraftAngle");
    int first = 1;
    int second = 2;

    AfxSetResourceHandle(m_english);  // the host's own library
    Export<GetAllRulesFn>("GetAllRules")(&first, &second, 3);
    EXPECT_EQ(AfxGetResourceHandle(), m_english);
    Export<GetRuleFn>("GetRule")(rule.get(), &first, &second, 3);
    EXPECT_EQ(AfxGetResourceHandle(), m_english);
    Export<GetRuleFn>("GetRule")(nullptr, &first, &second, 3);
    CString name;
    Export<GetModuleTextFn>("GetModuleName")(&name);
    EXPECT_EQ(AfxGetResourceHandle(), m_english);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
    CString value;
    EXPECT_TRUE(rule->GetAttributeValue(L"Name", value));
    EXPECT_EQ(value, L"DraftAngle");

    // With no handle current before, the language library stays current.
    AfxSetResourceHandle(nullptr);
    Export<GetAllRulesFn>("GetAllRules")(nullptr, nullptr, 0);
    EXPECT_EQ(AfxGetResourceHandle(), m_app->m_hLangResDll);

    // After shut-down the calls that need the application do nothing.
    m_app->ExitInstance();
    AfxSetResourceHandle(m_english);
    Export<GetAllRulesFn>("GetAllRules")(nullptr, nullptr, 0);
    Export<GetRuleFn>("GetRule")(rule.get(), nullptr, nullptr, 0);
    EXPECT_EQ(AfxGetResourceHandle(), m_english);
}

}  // namespace
