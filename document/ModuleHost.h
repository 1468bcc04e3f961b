#pragma once

#include <filesystem>
#include <string>

#include "app/ModuleExports.h"
#include "platform/CString.h"

class CTeskCommonRulesApp;

// Loads the rule module the way the host does: by path, its exports found by name.
class ModuleHost {
public:
    // Throws std::runtime_error naming the file and the problem when the module cannot be
    // loaded or lacks an export.
    explicit ModuleHost(const std::filesystem::path& modulePath);
    ~ModuleHost();
    ModuleHost(const ModuleHost&) = delete;
    ModuleHost& operator=(const ModuleHost&) = delete;

    CString ModuleName() const;
    CString ModuleSummary() const;
    // The module's application object; null when the module did not start.
    const CTeskCommonRulesApp* Application() const;

    // The module beside this program in the staged tree.
    static std::filesystem::path StagedModulePath();

private:
    void* Find(const char* name) const;

    std::filesystem::path m_path;
    void* m_handle = nullptr;
    GetModuleTextFn m_getModuleName = nullptr;
    GetModuleTextFn m_getModuleSummary = nullptr;
    CTeskCommonRulesApp** m_ppTheApp = nullptr;
};
