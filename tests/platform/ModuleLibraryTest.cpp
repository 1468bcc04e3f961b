#include "platform/ModuleLibrary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/platform/TestSupport.h"

namespace {

const std::string kEnglishLibrary =
    std::string(VERITOR_STAGE_DIR) + "/Lang/english/TeskIMRulesResu.so";

CString Wide(const std::string& path) {
    return CString(std::wstring(path.begin(), path.end()));
}

// Opens a library for one test and closes it again.
class Library {
public:
    explicit Library(const std::string& path) : m_handle(AfxLoadLibrary(Wide(path))) {}
    ~Library() {
        if (m_handle) {
            EXPECT_TRUE(AfxFreeLibrary(m_handle));
        }
    }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
    HINSTANCE Handle() const { return m_handle; }

private:
    HINSTANCE m_handle;
};

TEST(LoadString, ReadsTheStagedEnglishTable) {
    const Library english(kEnglishLibrary);
    ASSERT_NE(english.Handle(), nullptr) << kEnglishLibrary;
    EXPECT_EQ(LoadString(english.Handle(), 2000), L"mm");
    EXPECT_EQ(LoadString(english.Handle(), 2003), L"Å");  // stored as UTF-8
    EXPECT_FALSE(LoadString(english.Handle(), 2139).IsEmpty());
    for (UINT missing : {0u, 1u, 1999u, 99999u, 0xFFFFFFFFu}) {
        EXPECT_TRUE(LoadString(english.Handle(), missing).IsEmpty()) << missing;
    }
    EXPECT_TRUE(LoadString(nullptr, 2000).IsEmpty());
}

TEST(LoadString, SharedObjectWithoutStringTableGivesEmptyTexts) {
    const Library plain(VERITOR_PLAIN_LIBRARY);
    ASSERT_NE(plain.Handle(), nullptr);
    EXPECT_TRUE(LoadString(plain.Handle(), 2000).IsEmpty());
}

TEST(LoadString, MemberLoadUsesTheCurrentResourceHandle) {
    const Library english(kEnglishLibrary);
    const HINSTANCE saved = AfxGetResourceHandle();
    AfxSetResourceHandle(english.Handle());
    CString text;
    EXPECT_TRUE(text.LoadString(2000));
    EXPECT_EQ(text, L"mm");
    EXPECT_FALSE(text.LoadString(1));
    EXPECT_TRUE(text.IsEmpty());
    AfxSetResourceHandle(nullptr);
    EXPECT_FALSE(text.LoadString(2000));
    AfxSetResourceHandle(saved);
}

// What is no sound library gives null and never reaches the loader, which a file cut short
// would kill with SIGBUS; each such file is named on standard error once, a missing one not at
// all.
TEST(AfxLoadLibrary, FilesThatAreNotSoundLibrariesGiveNullAndAreNamedOnce) {
    const TemporaryFolder folder;
    const std::filesystem::path truncated = folder.Path() / "truncated.so";
    std::filesystem::copy_file(kEnglishLibrary, truncated);
    std::filesystem::resize_file(truncated, std::filesystem::file_size(truncated) / 2);
    const std::filesystem::path headerOnly = folder.Path() / "header.so";
    std::filesystem::copy_file(kEnglishLibrary, headerOnly);
    std::filesystem::resize_file(headerOnly, 64);
    const struct {
        std::string path;
        std::string told;  // on standard error; empty: nothing
    } cases[] = {
        {folder.Write("text.so", "2000 \"mm\"\n").string(), "not a library (no ELF header)"},
        {truncated.string(), "cut short"},
        {headerOnly.string(), "cut short: 64 bytes"},
        {folder.Path().string(), "not a regular file"},
        {(folder.Path() / "absent.so").string(), ""},
    };
    for (const auto& library : cases) {
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(AfxLoadLibrary(Wide(library.path)), nullptr) << library.path;
        EXPECT_EQ(AfxLoadLibrary(Wide(library.path)), nullptr) << library.path;
        const std::string told = ::testing::internal::GetCapturedStderr();
        if (library.told.empty()) {
            EXPECT_EQ(told, "") << library.path;
        } else {
            EXPECT_EQ(told.find(library.path + ": not loaded: " + library.told), 0u) << told;
            EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1) << told;
        }
    }
    EXPECT_EQ(AfxLoadLibrary(L""), nullptr);
    EXPECT_EQ(AfxLoadLibrary(nullptr), nullptr);
    EXPECT_FALSE(AfxFreeLibrary(nullptr));
}

TEST(ModuleFileNameContaining, NamesTheRealFileHoldingTheAddress) {
    const std::string platformLibrary =
        std::filesystem::canonical(std::string(VERITOR_STAGE_DIR) + "/bin/veritorplatform.so")
            .string();
    EXPECT_EQ(ModuleFileNameContaining(reinterpret_cast<const void*>(&AfxLoadLibrary)),
              Wide(platformLibrary));
    const CString self = ModuleFileNameContaining(reinterpret_cast<const void*>(&kEnglishLibrary));
    EXPECT_EQ(self, Wide(std::filesystem::canonical("/proc/self/exe").string()));
    EXPECT_TRUE(ModuleFileNameContaining(nullptr).IsEmpty());
}

}  // namespace
