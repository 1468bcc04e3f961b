#include "platform/Registry.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <cwctype>
#include <filesystem>
#include <optional>
#include <sstream>

#include "platform/Utf.h"

namespace {

struct OpenKey {
    platform::RegistryValues values;
};

HKEY__* const kCurrentUserRoot = reinterpret_cast<HKEY__*>(static_cast<std::uintptr_t>(0x80000001));
constexpr std::wstring_view kCurrentUserName = L"hkey_current_user";

std::wstring Lower(std::wstring_view text) {
    std::wstring lower(text);
    for (wchar_t& c : lower) {
        c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    }
    return lower;
}

std::wstring DecodeText(std::string_view bytes) {
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        std::wstring wide;
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
            const auto low = static_cast<unsigned char>(bytes[i]);
            const auto high = static_cast<unsigned char>(bytes[i + 1]);
            wide += static_cast<wchar_t>(low | (high << 8));
        }
        return wide;
    }
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        bytes.remove_prefix(3);
    }
    return platform::WideFromUtf8(bytes);
}

std::vector<std::wstring> SplitLines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    std::wstringstream stream(text);
    std::wstring line;
    while (std::getline(stream, line)) {
        if (!line.empty() && line.back() == L'\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

std::wstring_view TrimSpaces(std::wstring_view text) {
    while (!text.empty() && std::iswspace(static_cast<wint_t>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::iswspace(static_cast<wint_t>(text.back()))) {
        text.remove_suffix(1);
    }
    return text;
}

// Reads a quoted text with \" and \\ escapes from the start of text; advances past it.
std::optional<std::wstring> ReadQuoted(std::wstring_view& text) {
    if (text.empty() || text.front() != L'"') {
        return std::nullopt;
    }
    std::wstring out;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] == L'\\' && i + 1 < text.size()) {
            out += text[++i];
        } else if (text[i] == L'"') {
            text.remove_prefix(i + 1);
            return out;
        } else {
            out += text[i];
        }
    }
    return std::nullopt;
}

std::optional<platform::RegistryValue> ReadDword(std::wstring_view digits) {
    digits = TrimSpaces(digits);
    if (digits.empty() || digits.size() > 8) {
        return std::nullopt;
    }
    DWORD number = 0;
    for (wchar_t c : digits) {
        if (!std::iswxdigit(static_cast<wint_t>(c))) {
            return std::nullopt;
        }
        const DWORD digit =
            std::iswdigit(static_cast<wint_t>(c))
                ? static_cast<DWORD>(c - L'0')
                : static_cast<DWORD>(std::towlower(static_cast<wint_t>(c)) - L'a' + 10);
        number = (number << 4) | digit;
    }
    platform::RegistryValue value{REG_DWORD, std::vector<BYTE>(sizeof number)};
    std::memcpy(value.data.data(), &number, sizeof number);
    return value;
}

std::optional<platform::RegistryValue> ReadString(std::wstring_view text) {
    auto quoted = ReadQuoted(text);
    if (!quoted || !TrimSpaces(text).empty()) {
        return std::nullopt;
    }
    platform::RegistryValue value{REG_SZ, {}};
    quoted->push_back(L'\0');
    const auto* bytes = reinterpret_cast<const BYTE*>(quoted->data());
    value.data.assign(bytes, bytes + quoted->size() * sizeof(wchar_t));
    return value;
}

std::optional<platform::RegistryValue> ReadBinary(std::wstring_view hexList) {
    platform::RegistryValue value{REG_BINARY, {}};
    std::wstringstream stream{std::wstring(hexList)};
    std::wstring byte;
    while (std::getline(stream, byte, L',')) {
        const std::wstring_view digits = TrimSpaces(byte);
        if (digits.empty() || digits.size() > 2 ||
            !std::iswxdigit(static_cast<wint_t>(digits[0])) ||
            (digits.size() == 2 && !std::iswxdigit(static_cast<wint_t>(digits[1])))) {
            return std::nullopt;
        }
        value.data.push_back(
            static_cast<BYTE>(std::wcstoul(std::wstring(digits).c_str(), nullptr, 16)));
    }
    return value;
}

std::optional<platform::RegistryValue> ReadValueData(std::wstring_view data) {
    data = TrimSpaces(data);
    if (data.starts_with(L"dword:")) {
        return ReadDword(data.substr(6));
    }
    if (data.starts_with(L"hex:")) {
        return ReadBinary(data.substr(4));
    }
    return ReadString(data);
}

bool IsHeader(std::wstring_view line) {
    line = TrimSpaces(line);
    return line == L"Windows Registry Editor Version 5.00" || line == L"REGEDIT4";
}

// Joins the continuation lines of hex data ("hex:01,02,\" + next line) into one line each.
std::vector<std::wstring> JoinContinuations(const std::vector<std::wstring>& lines) {
    std::vector<std::wstring> joined;
    bool continuing = false;
    for (const std::wstring& line : lines) {
        std::wstring_view part = continuing ? TrimSpaces(line) : std::wstring_view(line);
        const bool continues = !part.empty() && part.back() == L'\\' && part.find(L"=hex") != 0 &&
                               (continuing || part.find(L"=hex") != std::wstring_view::npos);
        if (continues) {
            part.remove_suffix(1);
        }
        if (continuing) {
            joined.back() += part;
        } else {
            joined.emplace_back(part);
        }
        continuing = continues;
    }
    return joined;
}

}  // namespace

const HKEY HKEY_CURRENT_USER = kCurrentUserRoot;

namespace platform {

std::string RegistryFilePath() {
    if (const char* explicitPath = std::getenv("VERITOR_REGISTRY"); explicitPath && *explicitPath) {
        return explicitPath;
    }
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config) {
        return std::string(config) + "/veritor/user.reg";
    }
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.config/veritor/user.reg";
}

RegistryKeys ParseRegistryFile(std::string_view bytes) {
    RegistryKeys keys;
    const std::vector<std::wstring> lines = JoinContinuations(SplitLines(DecodeText(bytes)));
    auto first = lines.begin();
    while (first != lines.end() && TrimSpaces(*first).empty()) {
        ++first;
    }
    if (first == lines.end() || !IsHeader(*first)) {
        return keys;
    }
    RegistryValues* current = nullptr;
    for (auto it = std::next(first); it != lines.end(); ++it) {
        std::wstring_view line = TrimSpaces(*it);
        if (line.empty() || line.front() == L';') {
            continue;
        }
        if (line.front() == L'[') {
            const bool valid = line.back() == L']' && line.size() > 2 && line[1] != L'-';
            current = valid ? &keys[Lower(line.substr(1, line.size() - 2))] : nullptr;
            continue;
        }
        if (!current) {
            continue;
        }
        std::optional<std::wstring> name;
        if (line.front() == L'@') {
            name = L"";
            line.remove_prefix(1);
        } else {
            name = ReadQuoted(line);
        }
        line = TrimSpaces(line);
        if (!name || line.empty() || line.front() != L'=') {
            continue;
        }
        if (auto value = ReadValueData(line.substr(1))) {
            (*current)[Lower(*name)] = std::move(*value);
        }
    }
    return keys;
}

}  // namespace platform

namespace {

// A registry file is a few kilobytes; anything else at its path (a folder, a pipe that would
// never end, a device, a file of more than a mebibyte) is no registry.
constexpr std::uintmax_t kLargestRegistryFile = 1 << 20;

// Read with the system's calls, not a stream: a stream's buffer throws on a read that fails
// (an I/O error, or a file of the kernel's that refuses reads), and any failure is no registry.
// The file is opened without waiting, so a FIFO put at its path in the meantime cannot hold it.
std::optional<std::string> ReadRegistryBytes(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return std::nullopt;
    }
    std::optional<std::string> bytes;
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
        static_cast<std::uintmax_t>(status.st_size) <= kLargestRegistryFile) {
        bytes.emplace();
        char buffer[8192];
        for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) != 0;) {
            if (n < 0 || bytes->size() + static_cast<std::size_t>(n) > kLargestRegistryFile) {
                bytes.reset();
                break;
            }
            bytes->append(buffer, static_cast<std::size_t>(n));
        }
    }
    ::close(fd);
    return bytes;
}

std::optional<platform::RegistryKeys> ReadRegistryFile() {
    const std::optional<std::string> bytes = ReadRegistryBytes(platform::RegistryFilePath());
    if (!bytes) {
        return std::nullopt;
    }
    return platform::ParseRegistryFile(*bytes);
}

// The reading is held through a plain pointer that RegistryReading releases: a thread-local
// object with a destructor would keep this library loaded until the thread ends.
thread_local int t_readings = 0;
thread_local std::optional<platform::RegistryKeys>* t_reading = nullptr;

// The registry as it is now, or as the thread's RegistryReading found it.
std::optional<platform::RegistryKeys> CurrentKeys() {
    if (t_readings == 0) {
        return ReadRegistryFile();
    }
    if (!t_reading) {
        t_reading = new std::optional<platform::RegistryKeys>(ReadRegistryFile());
    }
    return *t_reading;
}

}  // namespace

platform::RegistryReading::RegistryReading() {
    ++t_readings;
}

platform::RegistryReading::~RegistryReading() {
    if (--t_readings == 0) {
        delete t_reading;
        t_reading = nullptr;
    }
}

LONG RegOpenKeyExW(HKEY root, LPCWSTR subKey, DWORD /*options*/, DWORD /*desiredAccess*/,
                   HKEY* result) {
    if (!result) {
        return ERROR_INVALID_HANDLE;
    }
    *result = nullptr;
    if (root != HKEY_CURRENT_USER || !subKey) {
        return ERROR_INVALID_HANDLE;
    }
    auto keys = CurrentKeys();
    if (!keys) {
        return ERROR_FILE_NOT_FOUND;
    }
    const std::wstring path = std::wstring(kCurrentUserName) + L"\\" + Lower(subKey);
    auto found = keys->find(path);
    if (found == keys->end()) {
        return ERROR_FILE_NOT_FOUND;
    }
    *result = reinterpret_cast<HKEY>(new OpenKey{std::move(found->second)});
    return ERROR_SUCCESS;
}

LONG RegQueryValueExW(HKEY key, LPCWSTR valueName, DWORD* /*reserved*/, DWORD* type, BYTE* data,
                      DWORD* dataSize) {
    if (!key || key == HKEY_CURRENT_USER) {
        return ERROR_INVALID_HANDLE;
    }
    const auto& values = reinterpret_cast<const OpenKey*>(key)->values;
    const auto found = values.find(Lower(valueName ? valueName : L""));
    if (found == values.end()) {
        return ERROR_FILE_NOT_FOUND;
    }
    const platform::RegistryValue& value = found->second;
    if (type) {
        *type = value.type;
    }
    const auto needed = static_cast<DWORD>(value.data.size());
    if (!dataSize) {
        return data ? ERROR_INVALID_HANDLE : ERROR_SUCCESS;
    }
    if (data && *dataSize < needed) {
        *dataSize = needed;
        return ERROR_MORE_DATA;
    }
    // An empty value's buffer may be null, and memcpy must never see a null source.
    if (data && needed > 0) {
        std::memcpy(data, value.data.data(), needed);
    }
    *dataSize = needed;
    return ERROR_SUCCESS;
}

LONG RegCloseKey(HKEY key) {
    if (!key || key == HKEY_CURRENT_USER) {
        return ERROR_INVALID_HANDLE;
    }
    delete reinterpret_cast<OpenKey*>(key);
    return ERROR_SUCCESS;
}
