#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <filesystem>
#include <optional>

// Watches the open document's file and reports, once things have settled, that something
// wrote it. A save replaces the file by renaming a new one over it, which ends the watch of the
// old one: the path is watched again after each change. Whether the
// change is anyone else's is for the receiver to tell, from the file's content.
class DocumentWatcher : public QObject {
    Q_OBJECT

public:
    explicit DocumentWatcher(QObject* parent = nullptr);

    // The file to watch from now on; none watches nothing.
    void Watch(const std::optional<std::filesystem::path>& path);

signals:
    void FileChanged();

private:
    void Rewatch();

    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QString m_path;
};
