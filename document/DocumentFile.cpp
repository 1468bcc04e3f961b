#include "document/DocumentFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

#include <fmt/format.h>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <string_view>
#include <thread>
#include <utility>

#include "document/DocumentError.h"
#include "document/FileAttributes.h"

namespace {

constexpr int kInterruptions[] = {SIGINT, SIGTERM, SIGHUP};
constexpr std::chrono::seconds kTellAfter{1};
constexpr std::chrono::milliseconds kLockPoll{10};

// The file being written, for the signal handler: a fixed buffer, as a handler may only read.
char g_temporary[PATH_MAX] = {};

extern "C" void RemoveTemporaryAndDie(int signal) {
    if (g_temporary[0] != '\0') {
        ::unlink(g_temporary);
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// While it lives, an interruption removes the file being written before the process ends. The
// interruptions wait from its start until the file to remove is known, so none falls between the
// file's creation and its protection.
class InterruptionGuard {
public:
    InterruptionGuard() {
        sigset_t interruptions;
        sigemptyset(&interruptions);
        for (const int signal : kInterruptions) {
            sigaddset(&interruptions, signal);
        }
        ::pthread_sigmask(SIG_BLOCK, &interruptions, &m_previousMask);
    }
    ~InterruptionGuard() {
        if (m_protecting) {
            for (std::size_t i = 0; i < std::size(kInterruptions); ++i) {
                ::sigaction(kInterruptions[i], &m_previous[i], nullptr);
            }
        }
        g_temporary[0] = '\0';
        ::pthread_sigmask(SIG_SETMASK, &m_previousMask, nullptr);
    }
    InterruptionGuard(const InterruptionGuard&) = delete;
    InterruptionGuard& operator=(const InterruptionGuard&) = delete;

    // From now on an interruption removes this file; the ones that waited arrive now.
    void Protect(const std::string& temporary) {
        std::strncpy(g_temporary, temporary.c_str(), sizeof g_temporary - 1);
        struct sigaction action {};
        action.sa_handler = &RemoveTemporaryAndDie;
        sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < std::size(kInterruptions); ++i) {
            ::sigaction(kInterruptions[i], &action, &m_previous[i]);
        }
        m_protecting = true;
        ::pthread_sigmask(SIG_SETMASK, &m_previousMask, nullptr);
    }

private:
    sigset_t m_previousMask{};
    struct sigaction m_previous[std::size(kInterruptions)]{};
    bool m_protecting = false;
};

[[noreturn]] void Fail(const std::filesystem::path& path, const std::string& problem) {
    throw DocumentError(fmt::format("{}: {}", path.string(), problem));
}

std::string Reason() {
    return std::strerror(errno);
}

// The files a save writes beside the document: ".<name>.veritor-save-XXXXXX". The marker keeps
// a person's own ".parts.xml.backup" or ".parts.xml.orig01" apart from them.
constexpr std::string_view kTemporaryMarker = ".veritor-save-";
constexpr std::size_t kUniqueLetters = 6;

std::string TemporaryPrefix(const std::string& name) {
    return "." + name + std::string(kTemporaryMarker);
}

bool IsTemporaryOf(const std::string& entry, const std::string& name) {
    const std::string prefix = TemporaryPrefix(name);
    return entry.size() == prefix.size() + kUniqueLetters && entry.starts_with(prefix);
}

// A save holds a lock on the file it writes; one nobody holds was left by a killed save. Only
// regular files are looked at: opening a FIFO named like one would wait for a writer.
void RemoveLeftTemporaries(const std::filesystem::path& folder, const std::string& name) {
    DIR* directory = ::opendir(folder.c_str());
    if (!directory) {
        return;
    }
    while (const dirent* entry = ::readdir(directory)) {
        if (!IsTemporaryOf(entry->d_name, name)) {
            continue;
        }
        const std::filesystem::path left = folder / entry->d_name;
        const int fd = ::open(left.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        struct stat status {};
        if (fd >= 0 && ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            ::unlink(left.c_str());
        }
        if (fd >= 0) {
            ::close(fd);
        }
    }
    ::closedir(directory);
}

bool WriteAll(int fd, const std::string& text) {
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0) {
        ::close(fd);
    }
    return synced;
}

}  // namespace

DocumentFile::DocumentFile(const std::filesystem::path& path) : m_path(path), m_target(path) {
    std::error_code error;
    // A link (or a chain of them) is followed to the file it names, which may not exist yet.
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
    if (!error) {
        m_target = resolved;
    }
}

DocumentFile::DocumentFile(DocumentFile&& other) noexcept
    : m_path(std::move(other.m_path)),
      m_target(std::move(other.m_target)),
      m_lock(std::exchange(other.m_lock, -1)),
      m_stat(other.m_stat),
      m_content(std::move(other.m_content)) {}

DocumentFile::~DocumentFile() {
    if (m_lock >= 0) {
        ::close(m_lock);
    }
}

DocumentFile DocumentFile::OpenToChange(const std::filesystem::path& path, const LockWait& wait) {
    DocumentFile file(path);
    if (!file.LockExisting(wait)) {
        Fail(path, "no such file");
    }
    file.CheckReplaceable();
    file.ReadContent();
    return file;
}

DocumentFile DocumentFile::OpenToCreate(const std::filesystem::path& path, const LockWait& wait) {
    DocumentFile file(path);
    if (file.LockExisting(wait)) {
        file.CheckReplaceable();
    }
    return file;
}

bool DocumentFile::LockExisting(const LockWait& wait) {
    for (;;) {
        const int fd = ::open(m_target.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) {
            if (errno == ENOENT) {
                return false;
            }
            Fail(m_path, "cannot be read: " + Reason());
        }
        struct stat locked {};
        struct stat current {};
        if (::fstat(fd, &locked) != 0 || !S_ISREG(locked.st_mode)) {
            ::close(fd);
            Fail(m_path, "not a regular file");
        }
        WaitForLock(fd, wait);
        // The command that held the lock may have replaced the file meanwhile.
        if (::stat(m_target.c_str(), &current) == 0 && current.st_dev == locked.st_dev &&
            current.st_ino == locked.st_ino) {
            m_lock = fd;
            m_stat = locked;
            return true;
        }
        ::close(fd);
    }
}

// The lock is asked for again and again rather than waited for in the kernel, so that the wait
// can be told about and given up.
void DocumentFile::WaitForLock(int fd, const LockWait& wait) const {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    bool told = false;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            const std::string reason = Reason();
            ::close(fd);
            Fail(m_path, "cannot be locked: " + reason);
        }
        const Clock::duration waited = Clock::now() - start;
        if (wait.limit && waited >= *wait.limit) {
            ::close(fd);
            Fail(m_path, fmt::format("another command is still saving it after {:g} s: not changed",
                                     std::chrono::duration<double>(*wait.limit).count()));
        }
        if (!told && waited >= kTellAfter && wait.onWaiting) {
            wait.onWaiting();
            told = true;
        }
        std::this_thread::sleep_for(kLockPoll);
    }
}

void DocumentFile::CheckReplaceable() const {
    if ((m_stat.st_mode & S_IWUSR) == 0) {
        Fail(m_path,
             fmt::format("is read-only (mode {:04o}): not replaced", m_stat.st_mode & 07777));
    }
    if (::access(m_target.c_str(), W_OK) != 0) {
        Fail(m_path, errno == EROFS ? "is on a read-only file system: not replaced"
                                    : "you may not change it: " + Reason());
    }
}

void DocumentFile::ReadContent() {
    m_content.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t n =
            ::pread(m_lock, buffer, sizeof buffer, static_cast<off_t>(m_content.size()));
        if (n < 0) {
            Fail(m_path, "cannot be read: " + Reason());
        }
        if (n == 0) {
            return;
        }
        m_content.append(buffer, static_cast<std::size_t>(n));
    }
}

mode_t DocumentFile::NewFileMode() const {
    if (m_lock >= 0) {
        return m_stat.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void DocumentFile::Replace(const std::string& text) {
    const std::filesystem::path folder =
        m_target.has_parent_path() ? m_target.parent_path() : std::filesystem::path(".");
    const std::string name = m_target.filename().string();
    RemoveLeftTemporaries(folder, name);

    std::string temporary = (folder / (TemporaryPrefix(name) + "XXXXXX")).string();
    InterruptionGuard guard;
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        Fail(m_path, errno == EROFS ? "is on a read-only file system: not replaced"
                                    : "cannot write beside it: " + Reason());
    }
    guard.Protect(temporary);
    ::flock(fd, LOCK_EX);
    bool written = ::fchmod(fd, NewFileMode()) == 0;
    if (m_lock >= 0 && ::fchown(fd, m_stat.st_uid, m_stat.st_gid) != 0) {
        // Without the right to give the file away, keep at least its group where allowed.
        [[maybe_unused]] const int kept = ::fchown(fd, static_cast<uid_t>(-1), m_stat.st_gid);
    }
    if (m_lock >= 0) {
        CopyFileAttributes(m_lock, fd);
    }
    written = written && WriteAll(fd, text) && ::fsync(fd) == 0;
    const std::string reason = written ? std::string() : Reason();
    ::close(fd);
    if (!written || ::rename(temporary.c_str(), m_target.c_str()) != 0) {
        const std::string why = written ? Reason() : reason;
        ::unlink(temporary.c_str());
        Fail(m_path, "cannot be saved: " + why);
    }
    if (!SyncFolder(folder)) {
        Fail(m_path, "saved, but its folder could not be synced: " + Reason());
    }
}
