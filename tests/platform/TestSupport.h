#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

// Sets an environment variable (or removes it, for nullopt) for the lifetime of the object and
// then puts back what was there, so that one test's language or registry never leaks into the
// next when the whole program runs in one process.
class ScopedEnvironment {
public:
    ScopedEnvironment(std::string name, const std::optional<std::string>& value)
        : m_name(std::move(name)) {
        if (const char* old = std::getenv(m_name.c_str())) {
            m_old = old;
        }
        Apply(value);
    }
    ~ScopedEnvironment() { Apply(m_old); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    void Apply(const std::optional<std::string>& value) {
        if (value) {
            ::setenv(m_name.c_str(), value->c_str(), 1);
        } else {
            ::unsetenv(m_name.c_str());
        }
    }

    std::string m_name;
    std::optional<std::string> m_old;
};

// A fresh folder under the system's temporary folder, removed with everything in it. Its path
// is canonical: code that finds files from its own real path compares equal to it.
class TemporaryFolder {
public:
    TemporaryFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "veritor-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            ADD_FAILURE() << "cannot create a temporary folder from " << pattern;
            return;
        }
        m_path = std::filesystem::canonical(pattern);
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

    // Writes bytes to the relative path, creating the folders on the way; returns the full path.
    std::filesystem::path Write(const std::filesystem::path& relative,
                                std::string_view bytes) const {
        const std::filesystem::path file = m_path / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }

    // Copies a file to the relative path, creating the folders on the way; returns the full path.
    std::filesystem::path Copy(const std::filesystem::path& source,
                               const std::filesystem::path& relative) const {
        const std::filesystem::path file = m_path / relative;
        std::filesystem::create_directories(file.parent_path());
        std::filesystem::copy_file(source, file, std::filesystem::copy_options::overwrite_existing);
        return file;
    }

private:
    std::filesystem::path m_path;
};
