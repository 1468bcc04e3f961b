#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/WinTypes.h"

// A read-only registry, read from a registry export file in the Windows ".reg" text format.
// The file is $VERITOR_REGISTRY, else $XDG_CONFIG_HOME/veritor/user.reg, else
// ~/.config/veritor/user.reg. A missing or unreadable file is an empty registry; key and value
// names compare without case; a line that cannot be read is skipped.
struct HKEY__;
using HKEY = HKEY__*;

extern const HKEY HKEY_CURRENT_USER;

constexpr LONG ERROR_SUCCESS = 0;
constexpr LONG ERROR_FILE_NOT_FOUND = 2;
constexpr LONG ERROR_INVALID_HANDLE = 6;
constexpr LONG ERROR_MORE_DATA = 234;

constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;
constexpr DWORD KEY_READ = 0x20019;

LONG RegOpenKeyExW(HKEY root, LPCWSTR subKey, DWORD options, DWORD desiredAccess, HKEY* result);
LONG RegQueryValueExW(HKEY key, LPCWSTR valueName, DWORD* reserved, DWORD* type, BYTE* data,
                      DWORD* dataSize);
LONG RegCloseKey(HKEY key);

namespace platform {

struct RegistryValue {
    DWORD type = 0;
    std::vector<BYTE> data;
};

// Keys by full path ("hkey_current_user\software\..."), values by name, all in lower case.
using RegistryValues = std::map<std::wstring, RegistryValue>;
using RegistryKeys = std::map<std::wstring, RegistryValues>;

std::string RegistryFilePath();

// While one lives, the thread reads the registry file once and opens every key from that
// reading: a module reads several values as it starts, and one reading keeps them consistent.
class RegistryReading {
public:
    RegistryReading();
    ~RegistryReading();
    RegistryReading(const RegistryReading&) = delete;
    RegistryReading& operator=(const RegistryReading&) = delete;
};
// Reads the bytes of a registry export (UTF-8, or UTF-16 with its byte-order mark).
RegistryKeys ParseRegistryFile(std::string_view bytes);

}  // namespace platform
