// A registry file from outside: parsed, then read through the registry functions the module
// calls and used to choose the module's language. Every value the parser keeps must come back
// unchanged through those functions.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include "app/LanguageSelection.h"
#include "platform/Registry.h"

namespace {

// Values and keys checked per input: each open reads the whole file again.
constexpr int kKeysChecked = 4;
constexpr int kValuesChecked = 8;
constexpr std::wstring_view kCurrentUser = L"hkey_current_user\\";

std::string g_registryFile;

void RemoveRegistryFile() {
    ::unlink(g_registryFile.c_str());
}

[[noreturn]] void Fail(const char* problem, const std::wstring& key, const std::wstring& name) {
    std::fprintf(stderr, "%s: key \"%ls\", value \"%ls\"\n", problem, key.c_str(), name.c_str());
    std::abort();
}

void CheckValue(HKEY key, const std::wstring& path, const std::wstring& name,
                const platform::RegistryValue& expected) {
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != expected.type || size != expected.data.size()) {
        Fail("the value's type or size differs from the file", path, name);
    }
    std::basic_string<BYTE> data(size + 1, BYTE{0xA5});
    if (size > 0) {
        DWORD small = size - 1;
        if (RegQueryValueExW(key, name.c_str(), nullptr, nullptr, data.data(), &small) !=
                ERROR_MORE_DATA ||
            small != size || data[0] != 0xA5) {
            Fail("a short buffer is not refused untouched", path, name);
        }
    }
    if (RegQueryValueExW(key, name.c_str(), nullptr, nullptr, data.data(), &size) !=
            ERROR_SUCCESS ||
        !std::equal(expected.data.begin(), expected.data.end(), data.begin()) ||
        data[size] != 0xA5) {
        Fail("the value's data differs from the file", path, name);
    }
}

// Names holding a NUL cannot be asked for through the C-string interface.
bool Nameable(const std::wstring& name) {
    return name.find(L'\0') == std::wstring::npos;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    std::string pattern = "/tmp/veritor-fuzz-registry-XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        std::perror("mkstemp");
        std::abort();
    }
    ::close(fd);
    g_registryFile = pattern;
    std::atexit(RemoveRegistryFile);
    ::setenv("VERITOR_REGISTRY", g_registryFile.c_str(), 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const platform::RegistryKeys keys = platform::ParseRegistryFile(bytes);
    std::ofstream(g_registryFile, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));

    int keysChecked = 0;
    for (const auto& [path, values] : keys) {
        if (!path.starts_with(kCurrentUser) || !Nameable(path) || keysChecked++ >= kKeysChecked) {
            continue;
        }
        const std::wstring subKey = path.substr(kCurrentUser.size());
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
            Fail("a key of the file does not open", path, L"");
        }
        int valuesChecked = 0;
        for (const auto& [name, value] : values) {
            if (Nameable(name) && valuesChecked++ < kValuesChecked) {
                CheckValue(key, path, name, value);
            }
        }
        RegCloseKey(key);
    }

    const CString language = DetermineLanguage();
    if (language.IsEmpty() || LanguageFolderFor(language).IsEmpty()) {
        std::fprintf(stderr, "no language chosen\n");
        std::abort();
    }
    return 0;
}
