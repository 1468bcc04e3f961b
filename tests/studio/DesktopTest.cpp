// The editor on the desktop: files dropped on the window or changed on disk by someone else, the
// window's layout kept between runs, and the program's own options without a display.
#include <QMimeData>
#include <QSettings>
#include <QUrl>

#include "studio/DialogWidget.h"
#include "studio/DocumentStatusBar.h"
#include "studio/PartCheckDialog.h"
#include "tests/studio/EditorTestSupport.h"

using testing::HasSubstr;
using testing::Not;

namespace editortest {
namespace {

// Drags the file over the window and drops it there when the window takes it; whether it did.
bool SendDrop(MainWindow& window, const std::filesystem::path& file) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(file.string()))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted()) {
        return false;
    }
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    return true;
}

TEST_F(Editor, ADroppedDocumentOpensAndADroppedPartIsOfferedForChecking) {
    const std::filesystem::path file = NewDocument("dropped.xml");
    MainWindow window;
    EXPECT_TRUE(SendDrop(window, file));
    EXPECT_EQ(window.Document().Path(), file);

    const std::filesystem::path part = m_folder.Path() / "cup.STEP";
    std::filesystem::path offered;
    WhenShown<PartCheckDialog>([&offered](PartCheckDialog& dialog) {
        offered = dialog.Part();
        dialog.reject();
    });
    EXPECT_TRUE(SendDrop(window, part));
    EXPECT_EQ(offered, part);

    EXPECT_FALSE(SendDrop(window, m_folder.Path() / "notes.txt"));

    // A drop over unsaved changes asks first, as opening does.
    window.ChangeUnits(kInch, 0);
    Answer(window, QMessageBox::Cancel);
    EXPECT_TRUE(SendDrop(window, NewDocument("other.xml")));
    EXPECT_EQ(window.Document().Path(), file);
    ASSERT_EQ(m_asked.size(), 1u);
    EXPECT_THAT(m_asked[0], HasSubstr("unsaved changes"));
}

TEST_F(Editor, AChangeOnDiskOffersToReloadButTheEditorsOwnSaveDoesNot) {
    const std::filesystem::path file = NewDocument("shared.xml");
    MainWindow window;
    Answer(window, QMessageBox::Yes);
    ASSERT_TRUE(window.OpenFile(file));
    ASSERT_EQ(RunVeritorRules(m_folder.Path(), "units shared.xml --unit in").status, 0);
    LetTheFileSettle();
    ASSERT_EQ(m_asked.size(), 1u);
    EXPECT_THAT(m_asked[0], HasSubstr("changed on disk"));
    EXPECT_THAT(m_asked[0], Not(HasSubstr("unsaved")));
    EXPECT_EQ(window.Status().Units(), QStringLiteral("in, deg")) << "reloaded";
    EXPECT_FALSE(window.IsModified());

    window.ChangeUnits(0, 0);
    Answer(window, QMessageBox::Yes);
    ASSERT_TRUE(window.Save());
    LetTheFileSettle();
    EXPECT_TRUE(m_asked.empty()) << "the editor's own save is no one else's change";

    // Unsaved changes are discarded only when the person agrees.
    window.ChangeUnits(kInch, 0);
    Answer(window, QMessageBox::No);
    ASSERT_EQ(RunVeritorRules(m_folder.Path(), "units shared.xml --angle rad").status, 0);
    LetTheFileSettle();
    ASSERT_EQ(m_asked.size(), 1u);
    EXPECT_THAT(m_asked[0], HasSubstr("unsaved changes"));
    EXPECT_TRUE(window.IsModified());
    EXPECT_EQ(window.Status().Units(), QStringLiteral("in, deg"));

    Answer(window, QMessageBox::Yes);
    ASSERT_EQ(RunVeritorRules(m_folder.Path(), "units shared.xml --unit cm").status, 0);
    LetTheFileSettle();
    EXPECT_EQ(m_asked.size(), 1u);
    EXPECT_EQ(window.Status().Units(), QStringLiteral("cm, rad"));
    EXPECT_FALSE(window.IsModified());
}

// The document is not replaced under an open dialog: the question waits until it is closed.
TEST_F(Editor, AChangeOnDiskWhileADialogIsOpenIsOfferedOnceItCloses) {
    const std::filesystem::path file = NewDocument("shared.xml");
    MainWindow window;
    Answer(window, QMessageBox::Yes);
    ASSERT_TRUE(window.OpenFile(file));
    std::size_t askedWhileOpen = 0;
    window.Screen().SetShownHook([this, &askedWhileOpen](DialogWidget& dialog) {
        EXPECT_EQ(RunVeritorRules(m_folder.Path(), "units shared.xml --unit in").status, 0);
        LetTheFileSettle();
        askedWhileOpen = m_asked.size();
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, dialog.ControlCenter(IDOK));
    });
    window.OpenRule(kFilletRadiusRule);
    EXPECT_EQ(askedWhileOpen, 0u);
    LetTheFileSettle();
    ASSERT_EQ(m_asked.size(), 1u);
    EXPECT_THAT(m_asked[0], HasSubstr("unsaved changes"));
    EXPECT_EQ(window.Status().Units(), QStringLiteral("in, deg"));
    EXPECT_FALSE(window.IsModified());
}

TEST_F(Editor, TheWindowSizeAndColumnWidthsAreKeptBetweenRuns) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(m_folder.Path().string()));
    {
        MainWindow window;
        window.resize(700, 450);
        window.Table().setColumnWidth(RulesTableModel::Name, 97);
        EXPECT_TRUE(window.close());
    }
    MainWindow window;
    window.RestoreLayout();
    EXPECT_EQ(window.size(), QSize(700, 450));
    EXPECT_EQ(window.Table().columnWidth(RulesTableModel::Name), 97);
}

// --help, --version and the pictures need no display: the program picks the offscreen platform
// itself.
TEST_F(Editor, HelpVersionAndScreenshotsWorkWithoutADisplay) {
    const std::string studio =
        "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" +
        (std::filesystem::path(VERITOR_STAGE_DIR) / "bin/veritor-studio").string() + "' ";
    const CommandResult help = RunShell(studio + "--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, HasSubstr("usage: veritor-studio"));
    const std::string rulesVersion = RunVeritorRules(m_folder.Path(), "--version").out;
    EXPECT_EQ(RunShell(studio + "--version").out,
              "veritor-studio" + rulesVersion.substr(rulesVersion.find(' ')));
    const std::filesystem::path picture = m_folder.Path() / "draft.png";
    const CommandResult shot =
        RunShell(studio + "--screenshot 'Draft Angle' '" + picture.string() + "' 2>&1");
    EXPECT_EQ(shot.status, 0) << shot.out;
    EXPECT_GT(std::filesystem::file_size(picture), 0u);
}

}  // namespace
}  // namespace editortest
