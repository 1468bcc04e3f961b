#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "platform/Utf.h"
#include "tests/platform/window/WindowTestSupport.h"

using platform::SimulatedUser;
using testing::Contains;
using namespace windowtest;

namespace {

constexpr UINT kDraftAngleDialog = 206;

class StagedEnglishLibrary : public testing::Test {
protected:
    void SetUp() override {
        m_library = AfxLoadLibrary(
            platform::WideFromUtf8(VERITOR_STAGE_DIR "/Lang/english/TeskIMRulesResu.so").c_str());
        ASSERT_NE(m_library, nullptr);
    }
    void TearDown() override { AfxFreeLibrary(m_library); }

    HINSTANCE m_library = nullptr;
};

TEST_F(StagedEnglishLibrary, TheDraftAngleTemplateHasEveryControlTheDialogAddresses) {
    const std::optional<DialogTemplate> dialog = LoadDialogTemplate(m_library, kDraftAngleDialog);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->caption, L"Draft Angle");
    EXPECT_FALSE(dialog->fontName.IsEmpty());

    std::map<int, DialogItemTemplate> byId;
    for (const DialogItemTemplate& item : dialog->items) {
        EXPECT_EQ(item.style & (WS_CHILD | WS_VISIBLE), WS_CHILD | WS_VISIBLE);
        EXPECT_FALSE(item.rect.IsRectEmpty()) << item.id;
        byId.emplace(item.id, item);
    }
    const std::map<int, DialogItemKind> expected = {
        {1111, DialogItemKind::ComboBox},   {1116, DialogItemKind::ComboBox},
        {1121, DialogItemKind::ComboBox},   {1113, DialogItemKind::Edit},
        {1118, DialogItemKind::Edit},       {1114, DialogItemKind::Static},
        {1119, DialogItemKind::Static},     {IDOK, DialogItemKind::Button},
        {IDCANCEL, DialogItemKind::Button},
    };
    for (const auto& [id, kind] : expected) {
        ASSERT_TRUE(byId.contains(id)) << id;
        EXPECT_EQ(byId[id].kind, kind) << id;
    }
    for (int combo : {1111, 1116, 1121}) {
        EXPECT_EQ(byId[combo].style & CBS_DROPDOWNLIST, CBS_DROPDOWNLIST) << combo;
    }
    EXPECT_EQ(byId[IDOK].style & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(byId[IDOK].caption, L"OK");
    EXPECT_EQ(byId[IDCANCEL].caption, L"Cancel");
}

TEST_F(StagedEnglishLibrary, DialogIdsAndStringIdsAreSeparate) {
    EXPECT_EQ(LoadString(m_library, kDraftAngleDialog), L"");
    EXPECT_EQ(LoadString(m_library, 2115), L"Draft Angle");
    EXPECT_FALSE(LoadDialogTemplate(m_library, 2115));
}

TEST_F(StagedEnglishLibrary, TheDraftAngleDialogRunsOnItsTemplate) {
    const HINSTANCE previous = AfxGetResourceHandle();
    AfxSetResourceHandle(m_library);
    CDialog dialog(kDraftAngleDialog);
    const INT_PTR result = RunWithUser(dialog, [](SimulatedUser& person) {
        const std::vector<CString> lines = platform::RenderDialogView(person.View());
        EXPECT_EQ(lines.front(), L"dialog \"Draft Angle\"");
        EXPECT_THAT(lines, Contains(L"static -1 \"Core side draft angle:\""));
        EXPECT_THAT(lines, Contains(L"combobox 1111 \"\" items focus"));
        EXPECT_THAT(lines, Contains(L"edit 1113 \"\""));
        EXPECT_THAT(lines, Contains(L"button 1 \"OK\""));
        person.Type(1118, L"3.5");
        person.PressKey(platform::UserKey::Enter);
    });
    AfxSetResourceHandle(previous);
    EXPECT_EQ(result, IDOK);
}

TEST(DialogTemplate, ALibraryWithoutDialogsOrNoLibraryGivesNone) {
    EXPECT_FALSE(LoadDialogTemplate(nullptr, kDraftAngleDialog));
    const HINSTANCE plain = AfxLoadLibrary(platform::WideFromUtf8(VERITOR_PLAIN_LIBRARY).c_str());
    ASSERT_NE(plain, nullptr);
    EXPECT_FALSE(LoadDialogTemplate(plain, kDraftAngleDialog));
    AfxFreeLibrary(plain);
}

}  // namespace
