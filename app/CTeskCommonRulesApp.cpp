#include "app/CTeskCommonRulesApp.h"

#include "app/LanguageSelection.h"

#include <memory>

extern "C" {
CTeskCommonRulesApp* g_pTheApp = nullptr;
TeskXMLDocument* g_pXMLDoc = nullptr;
}

namespace {

constexpr const wchar_t* kResourceLibraryName = L"TeskIMRulesResu.so";
constexpr const wchar_t* kHelpFileName = L"veritor.chm";
constexpr const wchar_t* kFallbackFolder = L"english";

// The path without its last component.
CString ParentOf(const CString& path) {
    const int slash = path.ReverseFind(L'/');
    return slash < 0 ? CString() : path.Left(slash);
}

}  // namespace

CTeskCommonRulesApp::CTeskCommonRulesApp() = default;

CTeskCommonRulesApp::~CTeskCommonRulesApp() {
    m_lstDBModules.RemoveAll();
    delete m_texts.load();
}

BOOL CTeskCommonRulesApp::InitInstance() {
    CWinApp::InitInstance();
    SelectLanguageResources();
    g_pTheApp = this;
    return TRUE;
}

int CTeskCommonRulesApp::ExitInstance() {
    ForgetTexts();
    for (HINSTANCE* library : {&m_hLangResDll, &m_hEnglishResDll}) {
        if (*library) {
            // The current resource handle is process-wide: never leave it naming a closed library.
            if (AfxGetResourceHandle() == *library) {
                AfxSetResourceHandle(nullptr);
            }
            AfxFreeLibrary(*library);
            *library = nullptr;
        }
    }
    g_pTheApp = nullptr;
    return CWinApp::ExitInstance();
}

void CTeskCommonRulesApp::SelectLanguageResources() {
    ForgetTexts();
    if (m_strLanguage.IsEmpty()) {
        m_strLanguage = DetermineLanguage();
    }
    m_strLangFolder = LanguageFolderFor(m_strLanguage);

    // The module lives in bin/; Lang/ stands beside bin/.
    const CString langRoot = ParentOf(ParentOf(ModuleFileNameContaining(this))) + L"/Lang/";
    m_strLangFolderPath = langRoot + m_strLangFolder;
    m_strHelpFilePath = m_strLangFolderPath + L"/" + kHelpFileName;

    m_hLangResDll = AfxLoadLibrary(m_strLangFolderPath + L"/" + kResourceLibraryName);
    if (!m_hLangResDll) {
        m_strLangFolderPath = langRoot + kFallbackFolder;
        m_strHelpFilePath = m_strLangFolderPath + L"/" + kHelpFileName;
        m_strLangFolder = kFallbackFolder;
        m_hLangResDll = AfxLoadLibrary(m_strLangFolderPath + L"/" + kResourceLibraryName);
    }
    m_hEnglishResDll = AfxLoadLibrary(langRoot + kFallbackFolder + L"/" + kResourceLibraryName);
    if (m_hLangResDll) {
        AfxSetResourceHandle(m_hLangResDll);
    }
}

CString CTeskCommonRulesApp::LoadEnglishString(UINT id) const {
    const HINSTANCE saved = AfxGetResourceHandle();
    AfxSetResourceHandle(m_hEnglishResDll);
    CString text = LoadString(AfxGetResourceHandle(), id);
    if (saved) {
        AfxSetResourceHandle(saved);
    }
    return text;
}

const CString& CTeskCommonRulesApp::LanguageText(UINT id) {
    if (id >= kCachedIds) {
        return LoadStringReference(m_hLangResDll, id);
    }
    TextCache& texts = Texts();
    // The handle is a public member: a text of another library is never handed out.
    if (texts.library.load(std::memory_order_acquire) != m_hLangResDll) {
        ForgetTexts();
        texts.library.store(m_hLangResDll, std::memory_order_release);
    }
    std::atomic<const CString*>& cached = texts.texts[id];
    const CString* text = cached.load(std::memory_order_acquire);
    if (!text) {
        text = &LoadStringReference(m_hLangResDll, id);
        cached.store(text, std::memory_order_release);
    }
    return *text;
}

CTeskCommonRulesApp::TextCache& CTeskCommonRulesApp::Texts() {
    TextCache* texts = m_texts.load(std::memory_order_acquire);
    if (!texts) {
        auto made = std::make_unique<TextCache>();
        // Another thread may have made one first; then its cache is used.
        texts = m_texts.compare_exchange_strong(texts, made.get(), std::memory_order_acq_rel)
                    ? made.release()
                    : texts;
    }
    return *texts;
}

void CTeskCommonRulesApp::ForgetTexts() {
    TextCache* texts = m_texts.load(std::memory_order_acquire);
    if (!texts) {
        return;
    }
    for (std::atomic<const CString*>& text : texts->texts) {
        text.store(nullptr, std::memory_order_relaxed);
    }
    texts->library.store(nullptr, std::memory_order_release);
}

const CString& LanguageLibraryText(UINT id) {
    static const CString none;
    return g_pTheApp ? g_pTheApp->LanguageText(id) : none;
}

namespace {

// The library's application object and, right after it, the entry point that starts it on
// load and stops it on unload.
CTeskCommonRulesApp theApp;
CLibraryEntryPoint theEntryPoint(theApp);

}  // namespace
