#pragma once

// What the editor's tests share: a fixture answering the window's questions, and ways to reach
// the table and the modal windows as a person does.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "studio/MainWindow.h"
#include "tests/studio/StudioTestSupport.h"

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace editortest {

constexpr int kFilletRadiusRule = 11;
constexpr int kRules = 13;
constexpr int kInch = 3;

// The texts of a column as the table shows them, top to bottom.
inline QStringList ColumnTexts(QTableView& table, int column) {
    QStringList texts;
    for (int row = 0; row < table.model()->rowCount(); ++row) {
        texts << table.model()->index(row, column).data().toString();
    }
    return texts;
}

inline void ClickHeader(QTableView& table, int column) {
    QHeaderView& header = *table.horizontalHeader();
    const QPoint at(header.sectionViewportPosition(column) + header.sectionSize(column) / 2,
                    header.height() / 2);
    QTest::mouseClick(header.viewport(), Qt::LeftButton, {}, at);
}

// The modal window that opens next, once it is up: handed to act, which must close it.
template <typename Window>
void WhenShown(std::function<void(Window&)> act) {
    QTimer::singleShot(0, [act] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr) << "no such window opened";
        act(*window);
    });
}

class Editor : public testing::Test {
protected:
    std::filesystem::path NewDocument(const std::string& name) {
        const CommandResult made = RunVeritorRules(m_folder.Path(), "new " + name);
        EXPECT_EQ(made.status, 0) << made.err;
        return m_folder.Path() / name;
    }
    // Answers every question of the window with this button from now on, keeping the questions
    // asked since.
    void Answer(MainWindow& window, QMessageBox::StandardButton button) {
        m_asked.clear();
        window.SetPrompt([this, button](const QString&, const QString& text, const QString&,
                                        QMessageBox::StandardButtons) {
            m_asked.push_back(text.toStdString());
            return button;
        });
    }
    // Lets the window hear of changes to its file, for longer than they take to settle.
    static void LetTheFileSettle() { QTest::qWait(600); }

    TemporaryFolder m_folder;
    std::vector<std::string> m_asked;
};

}  // namespace editortest
