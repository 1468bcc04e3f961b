#pragma once

#include <array>
#include <atomic>

#include "platform/CString.h"
#include "platform/CStringList.h"
#include "platform/ModuleLibrary.h"
#include "platform/WinApp.h"

class TeskXMLDocument;

// The module's single application object: the language that was chosen, the two resource
// libraries, the help file and the host's database module list.
class CTeskCommonRulesApp : public CWinApp {
public:
    CTeskCommonRulesApp();
    ~CTeskCommonRulesApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;

    // Chooses the language and its folder, forms the paths from this module's own location
    // and loads the language and English resource libraries.
    void SelectLanguageResources();

    // The text with this id from the English resource library, for language-independent names.
    CString LoadEnglishString(UINT id) const;
    CString GetLanguageFolder() const { return m_strLangFolder; }
    // The language library's text with this id, as LanguageLibraryText gives it.
    const CString& LanguageText(UINT id);

    HINSTANCE m_hLangResDll = nullptr;
    HINSTANCE m_hEnglishResDll = nullptr;
    CString m_strLanguage;
    CString m_strLangFolderPath;
    CStringList m_lstDBModules{10};
    CString m_strHelpFilePath;
    CString m_strLangFolder;

private:
    // The texts of the language library found so far, by id, for the library they came from:
    // element and attribute names are read for every rule, and looking each up again in the
    // platform's table takes a lock and two searches. Ids are below kCachedIds.
    static constexpr UINT kCachedIds = 4096;
    struct TextCache {
        std::atomic<HINSTANCE> library{nullptr};
        std::array<std::atomic<const CString*>, kCachedIds> texts{};
    };
    TextCache& Texts();
    void ForgetTexts();

    // Made at the first text, not at the module's start; owned.
    std::atomic<TextCache*> m_texts{nullptr};
};

// The text with this id from the language library, loaded by its handle; empty while the module
// is not started. The reference stays valid while the module runs.
const CString& LanguageLibraryText(UINT id);

// Module-wide state. Both are exported unmangled so that a host can find them by name.
extern "C" {
// The application object between InitInstance and ExitInstance, null outside.
extern CTeskCommonRulesApp* g_pTheApp;
// The host's rule XML document, not owned; every element the module creates comes from it.
extern TeskXMLDocument* g_pXMLDoc;
}
