#pragma once

#include <filesystem>
#include <string_view>

// A fresh folder under the system's temporary folder for the files a test, benchmark or fuzz
// replay works on, removed with everything in it. Its path is canonical: code that finds files
// from its own real path compares equal to it.
class TemporaryFolder {
public:
    // The folder's name starts with the prefix; throws std::runtime_error when it cannot be made.
    explicit TemporaryFolder(std::string_view prefix = "veritor-test");
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

    // Writes bytes to the relative path, creating the folders on the way; returns the full path.
    std::filesystem::path Write(const std::filesystem::path& relative,
                                std::string_view bytes) const;
    // Copies a file to the relative path, creating the folders on the way; returns the full path.
    std::filesystem::path Copy(const std::filesystem::path& source,
                               const std::filesystem::path& relative) const;

private:
    std::filesystem::path m_path;
};
