#include "check/geometry/PartFile.h"

#include <fcntl.h>
#include <fmt/format.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "check/CheckError.h"

namespace check {

std::uintmax_t CheckPartFile(const std::filesystem::path& path, std::uintmax_t maxBytes) {
    const std::string name = path.string();
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        throw CheckError(fmt::format("{}: cannot be read: {}", name, std::strerror(errno)));
    }
    if (S_ISDIR(status.st_mode)) {
        throw CheckError(name + ": is a folder, not a part");
    }
    if (!S_ISREG(status.st_mode)) {
        throw CheckError(name + ": not a regular file (a pipe, device or socket)");
    }
    // Only now is it opened: a regular file opens at once. Non-blocking all the same, in case it
    // was replaced since.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        throw CheckError(fmt::format("{}: cannot be read: {}", name, std::strerror(errno)));
    }
    ::close(descriptor);
    const auto size = static_cast<std::uintmax_t>(status.st_size);
    if (size == 0) {
        throw CheckError(name + ": is empty");
    }
    if (size > maxBytes) {
        throw CheckError(fmt::format("{}: larger than {} bytes", name, maxBytes));
    }
    return size;
}

}  // namespace check
