#include "testing/TemporaryFolder.h"

#include <stdlib.h>

#include <fstream>
#include <stdexcept>
#include <string>

TemporaryFolder::TemporaryFolder(std::string_view prefix) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / (std::string(prefix) + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder from " + pattern);
    }
    m_path = std::filesystem::canonical(pattern);
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::filesystem::path TemporaryFolder::Write(const std::filesystem::path& relative,
                                             std::string_view bytes) const {
    const std::filesystem::path file = m_path / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

std::filesystem::path TemporaryFolder::Copy(const std::filesystem::path& source,
                                            const std::filesystem::path& relative) const {
    const std::filesystem::path file = m_path / relative;
    std::filesystem::create_directories(file.parent_path());
    std::filesystem::copy_file(source, file, std::filesystem::copy_options::overwrite_existing);
    return file;
}
