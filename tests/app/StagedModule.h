#pragma once

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "app/CTeskCommonRulesApp.h"
#include "tests/platform/TestSupport.h"

// What a test puts into a language folder as its TeskIMRulesResu.so.
enum class ResourceLibrary {
    English,        // the staged English library
    NotALibrary,    // a text file under the library's name
    NoStringTable,  // a shared object without a string table
};

// A staged installation in a temporary folder: bin/ with a copy of the module, Lang/<folder>/
// with the resource libraries a case needs, and a registry file. Locale and registry are set
// for the lifetime of the object; the copy of the module is loaded on Start and unloaded on
// Stop (or at the end), so that its start-up and shut-down run inside the test.
class StagedModule {
public:
    StagedModule()
        : m_registry(std::in_place, "VERITOR_REGISTRY", (m_root.Path() / "absent.reg").string()),
          m_lcAll(std::in_place, "LC_ALL", "C"),
          m_lcMessages("LC_MESSAGES", std::nullopt),
          m_lang(std::in_place, "LANG", "C") {
        m_modulePath = m_root.Copy(std::string(VERITOR_STAGE_DIR) + "/bin/TeskCommonRulesu.so",
                                   "bin/TeskCommonRulesu.so");
    }
    ~StagedModule() { Stop(); }
    StagedModule(const StagedModule&) = delete;
    StagedModule& operator=(const StagedModule&) = delete;

    std::filesystem::path Root() const { return m_root.Path(); }
    const std::filesystem::path& ModulePath() const { return m_modulePath; }
    std::filesystem::path LanguageLibrary(const std::string& folder) const {
        return Root() / "Lang" / folder / "TeskIMRulesResu.so";
    }

    void AddLanguage(const std::string& folder, ResourceLibrary kind = ResourceLibrary::English) {
        const std::filesystem::path relative =
            std::filesystem::path("Lang") / folder / "TeskIMRulesResu.so";
        switch (kind) {
            case ResourceLibrary::English:
                m_root.Copy(std::string(VERITOR_STAGE_DIR) + "/Lang/english/TeskIMRulesResu.so",
                            relative);
                break;
            case ResourceLibrary::NotALibrary:
                m_root.Write(relative, "2139 \"not a library\"\n");
                break;
            case ResourceLibrary::NoStringTable:
                m_root.Copy(VERITOR_PLAIN_LIBRARY, relative);
                break;
        }
    }

    // Writes the registry file from these lines (keys and values, without the header).
    void SetRegistry(const std::string& lines) {
        const std::filesystem::path file =
            m_root.Write("user.reg", "Windows Registry Editor Version 5.00\n\n" + lines);
        m_registry.emplace("VERITOR_REGISTRY", file.string());
    }

    // The locale that names both the user's language and the system locale.
    void SetLocale(const std::string& locale) {
        m_lcAll.emplace("LC_ALL", locale);
        m_lang.emplace("LANG", locale);
    }

    // Loads the module; its application object starts while it loads.
    CTeskCommonRulesApp* Start() {
        m_handle = dlopen(m_modulePath.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!m_handle) {
            ADD_FAILURE() << "cannot load " << m_modulePath << ": " << dlerror();
            return nullptr;
        }
        m_ppTheApp = Symbol<CTeskCommonRulesApp**>("g_pTheApp");
        return m_ppTheApp ? *m_ppTheApp : nullptr;
    }

    // Unloads the module; its application object shuts down while it unloads.
    void Stop() {
        if (m_handle) {
            EXPECT_EQ(dlclose(m_handle), 0);
            m_handle = nullptr;
            m_ppTheApp = nullptr;
        }
    }

    CTeskCommonRulesApp* App() const { return m_ppTheApp ? *m_ppTheApp : nullptr; }

    // An export or variable of the loaded module, by name.
    template <typename T>
    T Symbol(const char* name) const {
        void* symbol = m_handle ? dlsym(m_handle, name) : nullptr;
        EXPECT_NE(symbol, nullptr) << name;
        return reinterpret_cast<T>(symbol);
    }

private:
    TemporaryFolder m_root;
    std::filesystem::path m_modulePath;
    std::optional<ScopedEnvironment> m_registry;
    std::optional<ScopedEnvironment> m_lcAll;
    ScopedEnvironment m_lcMessages;
    std::optional<ScopedEnvironment> m_lang;
    void* m_handle = nullptr;
    CTeskCommonRulesApp** m_ppTheApp = nullptr;
};

// True while the process holds the library at this path.
inline bool IsLoaded(const std::filesystem::path& library) {
    void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (!handle) {
        return false;
    }
    dlclose(handle);
    return true;
}

// Registry lines for the module's language value and the host's "Use English language".
inline std::string OptionsLanguage(unsigned value) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08x", value);
    return std::string(
               "[HKEY_CURRENT_USER\\SOFTWARE\\Halvard\\KVL_PRODUCT\\Veritor\\Add-in]\n"
               "\"OptionsLanguage\"=dword:") +
           digits + "\n";
}

inline std::string HostUsesEnglish(const std::string& version, unsigned value) {
    return "[HKEY_CURRENT_USER\\SOFTWARE\\Corvid\\" + version +
           "\\General]\n\"Use English language\"=dword:" + std::to_string(value) + "\n";
}
