#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <cstdlib>
#include <filesystem>

#include "document/RuleCatalogue.h"
#include "platform/Utf.h"
#include "studio/DialogScreen.h"
#include "studio/DialogWidget.h"
#include "studio/Screenshot.h"
#include "studio/StudioDocument.h"
#include "tests/studio/ReferencePicture.h"

// Every dialog as it opens on screen, compared with the picture kept in the repository. A layout
// or drawing fault shows as a failing test, with both pictures written out side by side. After a
// wanted change of look, VERITOR_UPDATE_REFERENCES=1 writes the new pictures into the repository.
namespace {

// Anti-aliasing may differ a little, in a few pixels.
constexpr PictureTolerance kTolerance{40, 0.002};

std::string FileName(const std::string& ruleName) {
    std::string name;
    for (char ch : ruleName) {
        name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '-';
    }
    return name + ".png";
}

class DialogScreenshot : public testing::TestWithParam<std::string> {};

TEST_P(DialogScreenshot, MatchesItsReferencePicture) {
    std::unique_ptr<StudioDocument> document = StudioDocument::New(false);
    ExpectLikeReference(::DialogScreenshot(*document, GetParam()), FileName(GetParam()),
                        kTolerance);
}

// The module picks its language when it starts, so another language is drawn by the program.
TEST(DialogScreenshotInAnotherLanguage, JapaneseIsDrawnInTheTemplatesCjkFont) {
    const std::filesystem::path out =
        std::filesystem::path(VERITOR_SCREENSHOT_OUT) / "japanese-drawn.png";
    std::filesystem::create_directories(out.parent_path());
    const std::string command = "LC_ALL=ja_JP.UTF-8 QT_QPA_PLATFORM=offscreen '" VERITOR_STAGE_DIR
                                "/bin/veritor-studio' --screenshot 'Mould Wall Thickness' '" +
                                out.string() + "' 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    ExpectLikeReference(QImage(QString::fromStdString(out.string())),
                        "japanese-Mould-Wall-Thickness.png", kTolerance);
}

// A dropped list is a window of its own, drawn over the dialog and beyond its edge.
TEST(DialogScreenshotWithADroppedList, TheSeverityListLiesOverTheDialog) {
    constexpr int kSeverity = 1121;
    std::unique_ptr<StudioDocument> document = StudioDocument::New(false);
    QImage picture;
    DialogScreen screen(nullptr, [&picture](DialogWidget& dialog) {
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, dialog.ControlCenter(kSeverity));
        picture = DialogPicture(dialog);
        dialog.close();
    });
    document->Rules().front().rule->EditRule();
    ExpectLikeReference(picture, "Draft-Angle-severity-dropped.png", kTolerance);
}

std::vector<std::string> RuleNames() {
    std::vector<std::string> names;
    for (const RuleKind& kind : RuleCatalogue()) {
        names.push_back(platform::Utf8FromWide(kind.makeDefault()->m_strName.str()));
    }
    return names;
}

INSTANTIATE_TEST_SUITE_P(EveryDialog, DialogScreenshot, testing::ValuesIn(RuleNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = FileName(info.param);
                             name.resize(name.size() - 4);
                             std::erase(name, '-');
                             return name;
                         });

}  // namespace
