#include "platform/Registry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <random>

#include "tests/platform/TestSupport.h"

namespace {

constexpr const char* kHeader = "Windows Registry Editor Version 5.00\n";
constexpr const wchar_t* kKey = L"hkey_current_user\\software\\veritor";

// The 32-bit number stored under kKey, or nothing when the parse dropped it.
std::optional<DWORD> Dword(const platform::RegistryKeys& keys, const wchar_t* name) {
    const auto key = keys.find(kKey);
    if (key == keys.end()) {
        return std::nullopt;
    }
    const auto value = key->second.find(name);
    if (value == key->second.end() || value->second.type != REG_DWORD ||
        value->second.data.size() != 4) {
        return std::nullopt;
    }
    DWORD number = 0;
    std::memcpy(&number, value->second.data.data(), sizeof number);
    return number;
}

std::string Utf16WithBom(std::string_view ascii) {
    std::string bytes = "\xFF\xFE";
    for (char c : ascii) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

TEST(RegistryParse, TableOfExportTexts) {
    struct Case {
        const char* what;
        std::string text;
        std::optional<DWORD> value;  // of "v" under kKey
    };
    const std::string key = "[HKEY_CURRENT_USER\\Software\\Veritor]\n";
    const Case cases[] = {
        {"plain", kHeader + key + "\"v\"=dword:0000040c\n", 0x40C},
        {"upper-case digits", kHeader + key + "\"v\"=dword:0000040C\n", 0x40C},
        {"all bits", kHeader + key + "\"v\"=dword:ffffffff\n", 0xFFFFFFFF},
        {"short digits", kHeader + key + "\"v\"=dword:1\n", 1},
        {"spaces around", kHeader + key + "  \"v\" = dword:00000002  \n", 2},
        {"old header", "REGEDIT4\n" + key + "\"v\"=dword:00000003\n", 3},
        {"blank lines before the header", "\n  \n" + std::string(kHeader) + key + "\"v\"=dword:4\n",
         4},
        {"CRLF",
         "Windows Registry Editor Version 5.00\r\n[HKEY_CURRENT_USER\\Software\\Veritor]\r\n"
         "\"v\"=dword:00000005\r\n",
         5},
        {"UTF-8 byte-order mark", "\xEF\xBB\xBF" + std::string(kHeader) + key + "\"v\"=dword:6\n",
         6},
        {"UTF-16 with byte-order mark",
         Utf16WithBom(
             "Windows Registry Editor Version 5.00\r\n[HKEY_CURRENT_USER\\Software\\Veritor]\r\n"
             "\"v\"=dword:0000040c\r\n"),
         0x40C},
        {"names without case",
         kHeader + std::string("[hkey_current_user\\SOFTWARE\\vERITOR]\n\"V\"=dword:7\n"), 7},
        {"last one wins", kHeader + key + "\"v\"=dword:1\n\"v\"=dword:8\n", 8},
        {"comments and malformed lines around it",
         kHeader + key + "; comment\n\"broken=dword:1\nnonsense\n=dword:2\n\"w\"\n\"v\"=dword:9\n",
         9},
        {"no header", key + "\"v\"=dword:1\n", std::nullopt},
        {"header not first", "junk\n" + std::string(kHeader) + key + "\"v\"=dword:1\n",
         std::nullopt},
        {"empty text", "", std::nullopt},
        {"nine digits", kHeader + key + "\"v\"=dword:000000001\n", std::nullopt},
        {"not hexadecimal", kHeader + key + "\"v\"=dword:0000004g\n", std::nullopt},
        {"no digits", kHeader + key + "\"v\"=dword:\n", std::nullopt},
        {"value before any key", kHeader + std::string("\"v\"=dword:1\n"), std::nullopt},
        {"key line not closed",
         kHeader + std::string("[HKEY_CURRENT_USER\\Software\\Veritor\n\"v\"=dword:1\n"),
         std::nullopt},
        {"deletion section",
         kHeader + std::string("[-HKEY_CURRENT_USER\\Software\\Veritor]\n\"v\"=dword:1\n"),
         std::nullopt},
        {"string where a number is asked for", kHeader + key + "\"v\"=\"1\"\n", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Dword(platform::ParseRegistryFile(c.text), L"v"), c.value) << c.what;
    }
}

TEST(RegistryParse, StringAndBinaryValues) {
    const std::string text = std::string(kHeader) +
                             "[HKEY_CURRENT_USER\\Software\\Veritor]\n"
                             "\"Path\"=\"C:\\\\Lang\\\\\\\"x\\\"\"\n"
                             "@=\"default\"\n"
                             "\"Bytes\"=hex:01,ff,\\\n"
                             "  0a\n"
                             "\"After\"=dword:2\n";
    const platform::RegistryKeys keys = platform::ParseRegistryFile(text);
    const platform::RegistryValues& values = keys.at(kKey);

    const platform::RegistryValue& path = values.at(L"path");
    EXPECT_EQ(path.type, REG_SZ);
    const std::wstring expected = L"C:\\Lang\\\"x\"";
    ASSERT_EQ(path.data.size(), (expected.size() + 1) * sizeof(wchar_t));
    EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(path.data.data())), expected);

    EXPECT_EQ(values.at(L"").type, REG_SZ);
    EXPECT_EQ(values.at(L"bytes").type, REG_BINARY);
    EXPECT_EQ(values.at(L"bytes").data, (std::vector<BYTE>{0x01, 0xFF, 0x0A}));
    EXPECT_EQ(Dword(keys, L"after"), 2u);
}

// The file is the user's to edit: whatever bytes it holds, reading it must neither crash nor
// lose the well-formed lines around the damage.
TEST(RegistryParse, GarbageAndVeryLongLinesAreSkipped) {
    std::mt19937 random(20240607);
    std::string garbage = "x";  // never a key line
    for (int i = 0; i < 200000; ++i) {
        const char byte = static_cast<char>(random() & 0xFF);
        garbage += byte == '\n' || byte == '\r' ? 'x' : byte;
    }
    garbage += 'x';  // never a continuation backslash
    const std::string longName(1 << 20, 'n');
    const std::string text = std::string(kHeader) + "[HKEY_CURRENT_USER\\Software\\Veritor]\n" +
                             garbage + "\n" + std::string(1 << 20, 'z') + "\n" + "\"" + longName +
                             "\"=dword:1\n" + "\"long\"=dword:" + std::string(1 << 16, '0') + "\n" +
                             "\"v\"=dword:0000000a\n";
    const platform::RegistryKeys keys = platform::ParseRegistryFile(text);
    EXPECT_EQ(Dword(keys, L"v"), 10u);
    EXPECT_EQ(Dword(keys, std::wstring(longName.begin(), longName.end()).c_str()), 1u);
    EXPECT_EQ(Dword(keys, L"long"), std::nullopt);

    // Nothing but noise, and noise after a header: an empty registry, no crash.
    EXPECT_TRUE(platform::ParseRegistryFile(garbage).empty());
    platform::ParseRegistryFile(kHeader + garbage);
    platform::ParseRegistryFile("\xFF\xFE" + garbage);  // odd byte count as UTF-16
}

TEST(RegistryFilePath, ExplicitFileThenConfigFolderThenHome) {
    const ScopedEnvironment home("HOME", "/home/someone");
    {
        const ScopedEnvironment file("VERITOR_REGISTRY", "/x/explicit.reg");
        const ScopedEnvironment config("XDG_CONFIG_HOME", "/x/config");
        EXPECT_EQ(platform::RegistryFilePath(), "/x/explicit.reg");
    }
    for (const std::optional<std::string>& unset :
         {std::optional<std::string>(), std::optional<std::string>("")}) {
        const ScopedEnvironment file("VERITOR_REGISTRY", unset);
        {
            const ScopedEnvironment config("XDG_CONFIG_HOME", "/x/config");
            EXPECT_EQ(platform::RegistryFilePath(), "/x/config/veritor/user.reg");
        }
        const ScopedEnvironment config("XDG_CONFIG_HOME", unset);
        EXPECT_EQ(platform::RegistryFilePath(), "/home/someone/.config/veritor/user.reg");
    }
}

class RegistryFile : public ::testing::Test {
protected:
    void Use(const std::string& text) {
        m_file.emplace("VERITOR_REGISTRY", m_folder.Write("user.reg", text).string());
    }

    TemporaryFolder m_folder;
    std::optional<ScopedEnvironment> m_file;
};

TEST_F(RegistryFile, QuerySizeProtocol) {
    Use(std::string(kHeader) +
        "[HKEY_CURRENT_USER\\SOFTWARE\\Halvard\\Add-in]\n\"OptionsLanguage\"=dword:"
        "00000407\n\"Name\"=\"ab\"\n\"Empty\"=hex:\n");
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\halvard\\ADD-IN", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    ASSERT_NE(key, nullptr);

    // Asking for the size only.
    DWORD type = 0;
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExW(key, L"optionslanguage", nullptr, &type, nullptr, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(size, 4u);

    // A buffer too small is left alone and the size needed is reported.
    BYTE small[2] = {0xAA, 0xAA};
    size = sizeof small;
    EXPECT_EQ(RegQueryValueExW(key, L"OptionsLanguage", nullptr, nullptr, small, &size),
              ERROR_MORE_DATA);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(small[0], 0xAA);
    EXPECT_EQ(small[1], 0xAA);

    DWORD value = 0;
    size = sizeof value;
    EXPECT_EQ(RegQueryValueExW(key, L"OptionsLanguage", nullptr, &type,
                               reinterpret_cast<BYTE*>(&value), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(value, 0x407u);

    // A text counts its terminator.
    size = 0;
    EXPECT_EQ(RegQueryValueExW(key, L"Name", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(size, 3 * sizeof(wchar_t));

    // An empty value fills nothing of the buffer it is read into.
    BYTE untouched = 0xAA;
    size = sizeof untouched;
    EXPECT_EQ(RegQueryValueExW(key, L"Empty", nullptr, &type, &untouched, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_BINARY);
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(untouched, 0xAA);

    EXPECT_EQ(RegQueryValueExW(key, L"Missing", nullptr, &type, nullptr, &size),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegQueryValueExW(nullptr, L"Name", nullptr, &type, nullptr, &size),
              ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegQueryValueExW(HKEY_CURRENT_USER, L"Name", nullptr, &type, nullptr, &size),
              ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
}

// While a reading lives the file is read once: keys opened meanwhile do not see it change.
TEST_F(RegistryFile, OneReadingServesEveryKeyUntilItEnds) {
    const auto language = [] {
        HKEY key = nullptr;
        DWORD value = 0;
        DWORD size = sizeof value;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Veritor", 0, KEY_READ, &key) !=
            ERROR_SUCCESS) {
            return DWORD{0};
        }
        RegQueryValueExW(key, L"v", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
        RegCloseKey(key);
        return value;
    };
    const auto write = [this](int value) {
        Use(std::string(kHeader) +
            "[HKEY_CURRENT_USER\\Software\\Veritor]\n\"v\"=dword:" + std::to_string(value) + "\n");
    };
    write(1);
    {
        const platform::RegistryReading reading;
        EXPECT_EQ(language(), 1u);
        write(2);
        EXPECT_EQ(language(), 1u);
        {
            const platform::RegistryReading nested;
            EXPECT_EQ(language(), 1u);
        }
        EXPECT_EQ(language(), 1u);
    }
    EXPECT_EQ(language(), 2u);
}

// A file that is missing, is no regular file or cannot be read is an empty registry: /proc's
// memory file is a regular file whose every read fails.
TEST_F(RegistryFile, MissingKeysAndFilesAreNotFound) {
    HKEY key = reinterpret_cast<HKEY>(1);
    const std::string unusable[] = {(m_folder.Path() / "absent.reg").string(),
                                    m_folder.Path().string(), "/proc/self/mem", "/dev/null"};
    for (const std::string& path : unusable) {
        const ScopedEnvironment missing("VERITOR_REGISTRY", path);
        EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, &key),
                  ERROR_FILE_NOT_FOUND)
            << path;
        EXPECT_EQ(key, nullptr) << path;
    }
    Use(std::string(kHeader) + "[HKEY_CURRENT_USER\\Software\\Veritor]\n\"v\"=dword:1\n");
    key = reinterpret_cast<HKEY>(1);
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Other", 0, KEY_READ, &key),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key, nullptr);
    // Only the current user's part of the registry exists.
    EXPECT_EQ(
        RegOpenKeyExW(reinterpret_cast<HKEY>(0x80000002), L"Software\\Veritor", 0, KEY_READ, &key),
        ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, nullptr, 0, KEY_READ, &key), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Veritor", 0, KEY_READ, nullptr),
              ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(nullptr), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), ERROR_INVALID_HANDLE);
}

}  // namespace
