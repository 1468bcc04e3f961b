#include "studio/Screenshot.h"

#include <QApplication>
#include <QPainter>
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

QImage DialogPicture(DialogWidget& dialog) {
    dialog.Sync();
    const QImage picture = dialog.grab().toImage();
    QWidget* list = dialog.DroppedList();
    if (!list) {
        return picture;
    }
    const QPoint listCorner = dialog.mapFromGlobal(list->geometry().topLeft());
    const QRect whole = QRect(QPoint(0, 0), picture.size()).united(QRect(listCorner, list->size()));
    QImage composed(whole.size(), QImage::Format_ARGB32);
    composed.fill(Qt::transparent);
    QPainter painter(&composed);
    painter.drawImage(-whole.topLeft(), picture);
    painter.drawImage(listCorner - whole.topLeft(), list->grab().toImage());
    return composed;
}

QImage DialogScreenshot(StudioDocument& document, const std::string& ruleName) {
    for (LoadedRule& loaded : document.Rules()) {
        if (!loaded.rule || platform::Utf8FromWide(loaded.rule->m_strName.str()) != ruleName) {
            continue;
        }
        QImage picture;
        DialogScreen screen(nullptr, [&picture](DialogWidget& dialog) {
            picture = DialogPicture(dialog);
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
