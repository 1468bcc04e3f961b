#include <gmock/gmock.h>

#include <filesystem>
#include <sstream>

#include "resources/tools/DialogFit.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

std::vector<std::filesystem::path> DialogFiles() {
    std::vector<std::filesystem::path> files;
    for (const auto& folder : std::filesystem::directory_iterator(
             std::filesystem::path(VERITOR_SOURCE_DIR) / "resources")) {
        if (std::filesystem::exists(folder.path() / "dialogs.txt")) {
            files.push_back(folder.path() / "dialogs.txt");
        }
    }
    return files;
}

// Translated labels grow: in every language each one fits its box in the dialog's own font, and
// no control covers another or the dialog's margin.
TEST(DialogLayout, EveryLanguagesLabelsFitTheirBoxes) {
    const std::vector<std::filesystem::path> files = DialogFiles();
    ASSERT_FALSE(files.empty());
    for (const std::filesystem::path& file : files) {
        for (const resgen::LayoutProblem& problem :
             resgen::CheckDialogLayout(resgen::ReadDialogTemplates(file.string()))) {
            ADD_FAILURE() << file.string() << ":" << problem.line << ": dialog " << problem.dialogId
                          << ", control " << problem.controlId << ": " << problem.problem;
        }
    }
}

TEST(DialogLayout, ReportsClippedCoveredAndUnprintableLabels) {
    std::istringstream file(R"(dialog 1 0 0 100 50 "Fits"
    font 8 "DejaVu Sans"
    static IDC_STATIC 7 10 40 8 "A much longer label than the box"
    button 5 7 20 40 10 "Minimum thickness" BS_AUTOCHECKBOX
    static IDC_STATIC 40 22 40 8 "x"
    static IDC_STATIC 7 34 20 8 "日本"
    button IDOK 60 35 40 14 "OK"
end
dialog 2 0 0 100 50 "Fits"
    font 8 "DejaVu Sans"
    static IDC_STATIC 7 10 40 8 "Short"
    combobox 7 50 8 40 80 "" CBS_DROPDOWNLIST
end
)");
    std::vector<std::string> problems;
    for (const resgen::LayoutProblem& problem :
         resgen::CheckDialogLayout(resgen::ParseDialogTemplates(file, "test"))) {
        problems.push_back(std::to_string(problem.line) + " " + problem.problem);
    }
    EXPECT_THAT(problems,
                ElementsAre(HasSubstr("3 \"A much longer label than the box\" needs"),
                            HasSubstr("4 \"Minimum thickness\" needs"),
                            HasSubstr("5 overlaps the control on line 4"), HasSubstr("6 the font "),
                            HasSubstr("7 reaches into the dialog's margin")));
}

}  // namespace
