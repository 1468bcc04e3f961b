// What the main window does with the desktop around it: files dropped on it, its document
// changed on disk by someone else, its size and column widths kept between runs.
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QMimeData>
#include <QSettings>
#include <QTableView>
#include <QTimer>
#include <QUndoStack>

#include "studio/DocumentStatusBar.h"
#include "studio/MainWindow.h"

namespace {

constexpr int kAskAgainMilliseconds = 300;
const QString kGeometryKey = QStringLiteral("mainWindow/geometry");
const QString kColumnsKey = QStringLiteral("mainWindow/columns");

enum class DroppedKind { Document, Part, Other };

DroppedKind KindOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QStringLiteral("xml")) {
        return DroppedKind::Document;
    }
    for (const char* part : {"step", "stp", "iges", "igs", "stl"}) {
        if (suffix == QLatin1String(part)) {
            return DroppedKind::Part;
        }
    }
    return DroppedKind::Other;
}

// The one local file of a drop the window can take, or none.
QString DroppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1 ||
        !data->urls().front().isLocalFile()) {
        return {};
    }
    const QString path = data->urls().front().toLocalFile();
    return KindOf(path) == DroppedKind::Other ? QString() : path;
}

}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = DroppedFile(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    OpenDropped(path.toStdString());
}

bool MainWindow::OpenDropped(const std::filesystem::path& path) {
    switch (KindOf(QString::fromStdString(path.string()))) {
        case DroppedKind::Document:
            return MaySetAside() && OpenFile(path);
        case DroppedKind::Part:
            ChooseAndCheckPart(path);
            return true;
        case DroppedKind::Other:
            break;
    }
    return false;
}

void MainWindow::ReloadChangedFile() {
    if (m_askingToReload) {
        return;
    }
    // A dialog open on the document, or a check reading it, would be left holding a document
    // gone: the question waits until they are done.
    if (m_holdingDocument > 0 || QApplication::activeModalWidget()) {
        QTimer::singleShot(kAskAgainMilliseconds, this, [this] { ReloadChangedFile(); });
        return;
    }
    const std::optional<std::string> onDisk = m_document->ChangedOnDisk();
    if (!onDisk || *onDisk == m_declinedReload) {
        return;
    }
    const QString name = QString::fromStdString(m_document->DisplayName());
    const QString text =
        IsModified() ? tr("%1 has been changed on disk by someone else, and this window holds "
                          "unsaved changes to it. Reload it from disk and discard them?")
                           .arg(name)
                     : tr("%1 has been changed on disk by someone else. Reload it?").arg(name);
    m_askingToReload = true;
    const auto answer =
        Ask(tr("Document changed on disk"), text, {}, QMessageBox::Yes | QMessageBox::No);
    m_askingToReload = false;
    if (answer != QMessageBox::Yes) {
        m_declinedReload = *onDisk;
        m_status->ShowAction(tr("Changed on disk, not reloaded"));
        return;
    }
    const std::filesystem::path path = *m_document->Path();
    const int row = CurrentRule();
    try {
        Show(StudioDocument::Open(path));
    } catch (const std::exception& error) {
        Fail(QString::fromUtf8(error.what()));
        return;
    }
    SelectRule(row);
    m_status->ShowAction(tr("Reloaded %1").arg(QString::fromStdString(path.string())));
}

void MainWindow::SaveLayout() const {
    QSettings settings;
    settings.setValue(kGeometryKey, saveGeometry());
    settings.setValue(kColumnsKey, m_table->horizontalHeader()->saveState());
}

void MainWindow::RestoreLayout() {
    const QSettings settings;
    restoreGeometry(settings.value(kGeometryKey).toByteArray());
    m_table->horizontalHeader()->restoreState(settings.value(kColumnsKey).toByteArray());
}
