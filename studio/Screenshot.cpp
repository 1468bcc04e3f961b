#include "studio/Screenshot.h"

#include <QApplication>
#include <QStyleFactory>
#include <iostream>

#include "platform/Utf.h"
#include "studio/DialogScreen.h"
#include "studio/DialogWidget.h"
#include "studio/MainWindow.h"
#include "studio/StudioDocument.h"

void UseSteadyAppearance() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setCursorFlashTime(0);
}

QImage DialogScreenshot(StudioDocument& document, const std::string& ruleName) {
    for (LoadedRule& loaded : document.Rules()) {
        if (!loaded.rule || platform::Utf8FromWide(loaded.rule->m_strName.str()) != ruleName) {
            continue;
        }
        QImage picture;
        DialogScreen screen(nullptr, [&picture](DialogWidget& dialog) {
            dialog.Sync();
            picture = dialog.grab().toImage();
            dialog.close();
        });
        loaded.rule->EditRule();
        if (screen.DialogsRun() == 0) {
            throw DocumentError("the rule \"" + ruleName + "\" has no editing dialog");
        }
        return picture;
    }
    throw DocumentError("no rule named \"" + ruleName + "\" in " + document.DisplayName());
}

namespace {

int Write(const QImage& picture, const std::filesystem::path& out) {
    if (!picture.save(QString::fromStdString(out.string()), "PNG")) {
        std::cerr << "veritor-studio: " << out.string() << ": cannot be written\n";
        return 1;
    }
    return 0;
}

}  // namespace

int WriteWindowScreenshot(const std::filesystem::path& out,
                          const std::optional<std::filesystem::path>& file) {
    MainWindow window;
    window.SetPrompt(
        [](const QString&, const QString& text, const QString&, QMessageBox::StandardButtons) {
            std::cerr << "veritor-studio: " << text.toStdString() << "\n";
            return QMessageBox::Cancel;
        });
    if (file && !window.OpenFile(*file)) {
        return 1;
    }
    window.show();
    return Write(window.grab().toImage(), out);
}

int WriteDialogScreenshot(const std::string& ruleName, const std::filesystem::path& out,
                          const std::optional<std::filesystem::path>& file) {
    try {
        std::unique_ptr<StudioDocument> document =
            file ? StudioDocument::Open(*file) : StudioDocument::New(false);
        return Write(DialogScreenshot(*document, ruleName), out);
    } catch (const std::exception& error) {
        std::cerr << "veritor-studio: " << error.what() << "\n";
        return 1;
    }
}
