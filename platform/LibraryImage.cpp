#include "platform/LibraryImage.h"

#include <elf.h>
#include <fcntl.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fmt/format.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace platform {
namespace {

using Header = ElfW(Ehdr);
using ProgramHeader = ElfW(Phdr);

// Far more than any library has; a larger count is a damaged header.
constexpr std::size_t kMostProgramHeaders = 4096;

class ImageFile {
public:
    explicit ImageFile(const std::string& path)
        : m_fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)) {}
    ~ImageFile() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    ImageFile(const ImageFile&) = delete;
    ImageFile& operator=(const ImageFile&) = delete;

    int Descriptor() const { return m_fd; }
    bool Read(void* into, std::size_t size, std::uint64_t offset) const {
        return ::pread(m_fd, into, size, static_cast<off_t>(offset)) == static_cast<ssize_t>(size);
    }

private:
    int m_fd;
};

std::optional<LibraryImageProblem> Problem(std::string what) {
    return LibraryImageProblem{false, std::move(what)};
}

// The end of a stretch of the file, or nothing when offset and size overflow.
std::optional<std::uint64_t> EndOf(std::uint64_t offset, std::uint64_t count, std::uint64_t size) {
    if (size != 0 && count > (UINT64_MAX - offset) / size) {
        return std::nullopt;
    }
    return offset + count * size;
}

std::optional<LibraryImageProblem> CheckHeaders(const ImageFile& file, std::uint64_t fileSize) {
    Header header{};
    if (fileSize < sizeof header || !file.Read(&header, sizeof header, 0) ||
        std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0) {
        return Problem("not a library (no ELF header)");
    }
    if (header.e_ident[EI_CLASS] != (sizeof(void*) == 8 ? ELFCLASS64 : ELFCLASS32) ||
        header.e_phentsize != sizeof(ProgramHeader) || header.e_phnum > kMostProgramHeaders) {
        return Problem("not a library of this machine");
    }
    const std::optional<std::uint64_t> programHeadersEnd =
        EndOf(header.e_phoff, header.e_phnum, sizeof(ProgramHeader));
    const std::optional<std::uint64_t> sectionHeadersEnd =
        EndOf(header.e_shoff, header.e_shnum, header.e_shentsize);
    if (!programHeadersEnd || !sectionHeadersEnd) {
        return Problem("damaged ELF headers");
    }
    std::uint64_t reach = std::max(*programHeadersEnd, *sectionHeadersEnd);
    if (*programHeadersEnd <= fileSize) {
        std::vector<ProgramHeader> segments(header.e_phnum);
        if (!file.Read(segments.data(), segments.size() * sizeof(ProgramHeader), header.e_phoff)) {
            return Problem("cannot be read: " + std::string(std::strerror(errno)));
        }
        for (const ProgramHeader& segment : segments) {
            const std::optional<std::uint64_t> end = EndOf(segment.p_offset, 1, segment.p_filesz);
            if (!end) {
                return Problem("damaged ELF headers");
            }
            reach = std::max(reach, *end);
        }
    }
    if (reach > fileSize) {
        return Problem(
            fmt::format("cut short: {} bytes where its headers reach byte {}", fileSize, reach));
    }
    return std::nullopt;
}

}  // namespace

std::optional<LibraryImageProblem> CheckLibraryImage(const std::string& path) {
    const ImageFile file(path);
    if (file.Descriptor() < 0) {
        return errno == ENOENT ? std::optional(LibraryImageProblem{true, "no such file"})
                               : Problem("cannot be read: " + std::string(std::strerror(errno)));
    }
    struct stat status {};
    if (::fstat(file.Descriptor(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return Problem("not a regular file");
    }
    return CheckHeaders(file, static_cast<std::uint64_t>(status.st_size));
}

}  // namespace platform
