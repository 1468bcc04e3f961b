#pragma once

#include "platform/CString.h"

// The dialog library's application object. A library has one, with static storage; its entry
// point (CLibraryEntryPoint below) starts it when the library is loaded and stops it when the
// library is unloaded.
class CWinApp {
public:
    explicit CWinApp(const wchar_t* appName = nullptr) : m_strAppName(appName) {}
    virtual ~CWinApp() = default;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }

    const CString& GetAppName() const { return m_strAppName; }

private:
    CString m_strAppName;
};

// The library's entry point: define one right after the application object, in the same
// source file, so that it is constructed after the object and destroyed before it.
class CLibraryEntryPoint {
public:
    explicit CLibraryEntryPoint(CWinApp& app) : m_app(app) { m_app.InitInstance(); }
    ~CLibraryEntryPoint() { m_app.ExitInstance(); }
    CLibraryEntryPoint(const CLibraryEntryPoint&) = delete;
    CLibraryEntryPoint& operator=(const CLibraryEntryPoint&) = delete;

private:
    CWinApp& m_app;
};
