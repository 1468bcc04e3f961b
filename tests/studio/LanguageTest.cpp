#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <QTextDocumentFragment>
#include <QTranslator>
#include <cstdlib>
#include <filesystem>
#include <ostream>

#include "app/CTeskCommonRulesApp.h"
#include "studio/CheckResultsWindow.h"
#include "studio/HtmlReport.h"
#include "studio/MainWindow.h"
#include "studio/PartCheckDialog.h"
#include "tests/studio/ReferencePicture.h"
#include "tests/studio/StudioTestSupport.h"

// The studio speaks the language the module chose: its own texts from the translations staged
// beside each language's library, Qt's from Qt's own translations.
namespace {

constexpr PictureTolerance kTolerance{40, 0.002};

// A language folder with a translation of the studio, how a session reaches it, and what the
// studio's File menu is called there.
struct StudioLanguageCase {
    const char* folder;
    const char* locale;
    const char* qtLocale;
    const char* fileMenu;
};

const StudioLanguageCase kLanguages[] = {
    {"french", "fr_FR.UTF-8", "fr", "&Fichier"},
    {"japanese", "ja_JP.UTF-8", "ja", "ファイル(&F)"},
    {"korean", "ko_KR.UTF-8", "ko", "파일(&F)"},
    {"zh_CN", "zh_CN.UTF-8", "zh_CN", "文件(&F)"},
    {"zh_TW", "zh_TW.UTF-8", "zh_TW", "檔案(&F)"},
};

void PrintTo(const StudioLanguageCase& language, std::ostream* out) {
    *out << language.folder;
}

std::filesystem::path StagedLanguageFolder(const std::string& folder) {
    return std::filesystem::path(VERITOR_STAGE_DIR) / "Lang" / folder;
}

TEST(StudioTranslations, EachIsStagedBesideItsLanguageAndLoads) {
    for (const StudioLanguageCase& language : kLanguages) {
        SCOPED_TRACE(language.folder);
        QTranslator studio;
        ASSERT_TRUE(
            studio.load(QStringLiteral("veritor-studio_") + language.qtLocale,
                        QString::fromStdString(StagedLanguageFolder(language.folder).string())));
        EXPECT_EQ(studio.translate("MainWindow", "&File"), QString::fromUtf8(language.fileMenu));
        QTranslator qt;
        EXPECT_TRUE(qt.load(QStringLiteral("qtbase_") + language.qtLocale,
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        EXPECT_FALSE(qt.translate("QPlatformTheme", "Cancel").isEmpty());
    }
}

// The main window as a session in that language starts it. The references are drawn by the
// program, which picks its language at start-up as the module does.
class MainWindowInLanguage : public testing::TestWithParam<StudioLanguageCase> {};

QImage MainWindowPicture(const std::string& environment, const std::string& name) {
    const std::filesystem::path out = std::filesystem::path(VERITOR_SCREENSHOT_OUT) / name;
    std::filesystem::create_directories(out.parent_path());
    const std::string command = environment +
                                " QT_QPA_PLATFORM=offscreen '" VERITOR_STAGE_DIR
                                "/bin/veritor-studio' --screenshot-window '" +
                                out.string() + "' 2>/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return QImage(QString::fromStdString(out.string()));
}

TEST_P(MainWindowInLanguage, MatchesItsReferencePicture) {
    const StudioLanguageCase& language = GetParam();
    ExpectLikeReference(
        MainWindowPicture(
            std::string("VERITOR_REGISTRY=/nonexistent/user.reg LC_ALL=") + language.locale,
            std::string(language.folder) + "-main-window-drawn.png"),
        std::string(language.folder) + "-main-window.png", kTolerance);
}

INSTANTIATE_TEST_SUITE_P(EveryTranslation, MainWindowInLanguage, testing::ValuesIn(kLanguages),
                         [](const testing::TestParamInfo<StudioLanguageCase>& info) {
                             return std::string(info.param.folder);
                         });

// What a person reads in a window: its title, every widget's text, placeholder and tip, the
// choices of its lists, its actions (menus included) and the headers of its tables.
QStringList ShownTexts(const QWidget& window) {
    QStringList texts{window.windowTitle()};
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        texts << widget->toolTip();
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            texts << QTextDocumentFragment::fromHtml(label->text()).toPlainText();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            texts << button->text();
        } else if (const auto* line = qobject_cast<const QLineEdit*>(widget)) {
            texts << line->placeholderText();
        } else if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
            for (int item = 0; item < list->count(); ++item) {
                texts << list->itemText(item);
            }
        } else if (const auto* view = qobject_cast<const QAbstractItemView*>(widget)) {
            const QAbstractItemModel* model = view->model();
            for (int column = 0; model && column < model->columnCount(); ++column) {
                texts << model->headerData(column, Qt::Horizontal).toString();
            }
        }
    }
    for (const QAction* action : window.findChildren<QAction*>()) {
        texts << action->text() << action->toolTip();
    }
    return texts;
}

// The ASCII words left once file names, the program's name and the menus' access keys ("(&F)",
// as Japanese menus write them) are taken out: the length and angle units as the document names
// them, the axes, the STL format and OK (which Japanese interfaces keep) are all that may remain.
QStringList AsciiWords(const QStringList& texts) {
    static const QRegularExpression fileName(
        QStringLiteral(R"([\w-]+\.(xml|step|stp|iges|igs|stl|html|json)\b)"));
    static const QRegularExpression accessKey(QStringLiteral(R"(\(&?[A-Z]\))"));
    static const QRegularExpression word(QStringLiteral("[A-Za-z]+"));
    static const QSet<QString> allowed{
        QStringLiteral("mm"),  QStringLiteral("cm"),       QStringLiteral("m"),
        QStringLiteral("in"),  QStringLiteral("ft"),       QStringLiteral("nm"),
        QStringLiteral("um"),  QStringLiteral("mil"),      QStringLiteral("uin"),
        QStringLiteral("deg"), QStringLiteral("rad"),      QStringLiteral("min"),
        QStringLiteral("sec"), QStringLiteral("angstrom"), QStringLiteral("X"),
        QStringLiteral("Y"),   QStringLiteral("Z"),        QStringLiteral("STL"),
        QStringLiteral("OK"),
    };
    QStringList found;
    for (QString text : texts) {
        text.remove(fileName).remove(accessKey).remove(QStringLiteral("veritor-studio"));
        for (const QRegularExpressionMatch& match : word.globalMatch(text)) {
            if (!allowed.contains(match.captured())) {
                found << match.captured() + QStringLiteral(" in \"") + text + u'"';
            }
        }
    }
    return found;
}

check::CheckReport OneFindingOnTheHousing() {
    check::CheckReport report;
    report.part = "housing-with-side-hole.step";
    report.units = "mm";
    check::RuleResult draft;
    draft.rule = "Draft Angle";
    draft.shown = "抜き勾配";
    draft.checked = true;
    draft.unit = "deg";
    check::Finding finding;
    finding.face = 3;
    finding.limit = 0.5;
    finding.severity = 2;
    draft.findings.push_back(finding);
    report.rules.push_back(draft);
    return report;
}

// Run by ctest in two Japanese sessions, which fail it when skipped: one under a Japanese locale,
// and one under a French locale with Japanese chosen in the registry, where the studio follows the
// module's choice and not the locale.
TEST(JapaneseSession, TheStudioShowsNoEnglishWord) {
    if (!g_pTheApp || g_pTheApp->m_strLangFolder != L"japanese") {
        GTEST_SKIP() << "not a Japanese session: run under LC_ALL=ja_JP.UTF-8";
    }
    MainWindow window;
    EXPECT_EQ(AsciiWords(ShownTexts(window)), QStringList());

    CheckResultsWindow& results = window.CheckResults();
    results.Show(OneFindingOnTheHousing());
    EXPECT_EQ(AsciiWords(ShownTexts(results)), QStringList());
    // The report saved as a page reads as the window does.
    const QString page = HtmlReport(OneFindingOnTheHousing(), {}, check::ReportLanguage::Chosen());
    EXPECT_EQ(AsciiWords({QTextDocumentFragment::fromHtml(page).toPlainText()}), QStringList());

    // Its Cancel is Qt's own button, in Qt's translation.
    const PartCheckDialog checkPart(0, &window);
    EXPECT_EQ(AsciiWords(ShownTexts(checkPart)), QStringList());
}

}  // namespace
