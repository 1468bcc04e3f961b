#pragma once

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// A rule document's file, held as a careful editor holds it.
//
// Opening it to change it takes an exclusive advisory lock on the file, waiting while another
// command holds one (as long as the LockWait allows, telling when the wait has lasted a second),
// and once the lock is held checks that the file at the path is still the one it locked (the
// command before may have replaced it; then the new file is locked and read). The lock lasts as
// long as the object, so two commands on one document run one after the other and neither change
// is lost.
//
// Replacing it writes the new text beside the file (".<name>.veritor-save-XXXXXX") and renames it
// over the old one, so the path always shows the old or the new document: through a symbolic link
// onto its target (the link stays), keeping the file's mode, owner and group where the process may
// set them, its access control list and extended attributes where the file system has them,
// syncing the file and then its folder. The file written beside it is removed when the save fails
// or is interrupted by SIGINT, SIGTERM or SIGHUP; one left by a killed save is removed by the next
// save of the document, and no other file ever is. Other hard links to the document keep the old
// text: the rename gives the path a new file.

// How long opening a document waits for another command's lock on it.
struct LockWait {
    // No limit: as long as the other command holds the lock.
    std::optional<std::chrono::milliseconds> limit;
    // Called once when the lock has not come within a second.
    std::function<void()> onWaiting;
};

class DocumentFile {
public:
    // An existing document that is to be changed. Throws DocumentError, naming the file, when it
    // cannot be read or may not be replaced: not a regular file, read-only for its owner (mode
    // 0444, even for root), not writable by this process, on a read-only file system, or still
    // locked by another command when the wait's limit has passed.
    static DocumentFile OpenToChange(const std::filesystem::path& path, const LockWait& wait = {});
    // A document to be written anew; an existing one is locked, not read. A new file follows
    // the umask.
    static DocumentFile OpenToCreate(const std::filesystem::path& path, const LockWait& wait = {});

    DocumentFile(DocumentFile&& other) noexcept;
    DocumentFile& operator=(DocumentFile&&) = delete;
    ~DocumentFile();

    const std::string& Content() const { return m_content; }
    // Throws DocumentError naming the file; the old document is then as it was.
    void Replace(const std::string& text);

private:
    explicit DocumentFile(const std::filesystem::path& path);
    // Locks the file at the target; false when there is none.
    bool LockExisting(const LockWait& wait);
    void WaitForLock(int fd, const LockWait& wait) const;
    void CheckReplaceable() const;
    void ReadContent();
    mode_t NewFileMode() const;

    std::filesystem::path m_path;    // as the person named it, for messages
    std::filesystem::path m_target;  // the file itself, links followed
    int m_lock = -1;                 // the locked file, while there is one
    struct stat m_stat {};
    std::string m_content;
};
