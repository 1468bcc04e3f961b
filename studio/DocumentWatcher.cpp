#include "studio/DocumentWatcher.h"

#include <QFileInfo>

namespace {

// A writer's truncate and write, or a rename over the file, arrive as several notices.
constexpr int kSettleMilliseconds = 150;

}  // namespace

DocumentWatcher::DocumentWatcher(QObject* parent) : QObject(parent) {
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMilliseconds);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, [this] { m_settle.start(); });
    connect(&m_settle, &QTimer::timeout, this, [this] {
        Rewatch();
        emit FileChanged();
    });
}

void DocumentWatcher::Watch(const std::optional<std::filesystem::path>& path) {
    const QStringList watched = m_watcher.files();
    if (!watched.isEmpty()) {
        m_watcher.removePaths(watched);
    }
    m_settle.stop();
    m_path =
        path ? QFileInfo(QString::fromStdString(path->string())).absoluteFilePath() : QString();
    Rewatch();
}

void DocumentWatcher::Rewatch() {
    if (!m_path.isEmpty() && !m_watcher.files().contains(m_path) && QFileInfo::exists(m_path)) {
        m_watcher.addPath(m_path);
    }
}
