#include "bench/BenchFolder.h"

#include <stdlib.h>

#include <stdexcept>
#include <string>

BenchFolder::BenchFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "veritor-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder from " + pattern);
    }
    // Canonical, because the module finds its language folder from its own real path.
    m_path = std::filesystem::canonical(pattern);
}

BenchFolder::~BenchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}
