#include "document/ModuleHost.h"

#include <dlfcn.h>

#include <stdexcept>

#include "document/StagedFiles.h"

ModuleHost::ModuleHost(const std::filesystem::path& modulePath) : m_path(modulePath) {
    m_handle = dlopen(modulePath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m_handle) {
        const char* reason = dlerror();
        throw std::runtime_error(modulePath.string() + ": cannot load the rule module: " +
                                 (reason ? reason : "unknown reason"));
    }
    m_getModuleName = reinterpret_cast<GetModuleTextFn>(Find("GetModuleName"));
    m_getModuleSummary = reinterpret_cast<GetModuleTextFn>(Find("GetModuleSummary"));
    m_ppTheApp = static_cast<CTeskCommonRulesApp**>(Find("g_pTheApp"));
}

ModuleHost::~ModuleHost() {
    if (m_handle) {
        dlclose(m_handle);
    }
}

void* ModuleHost::Find(const char* name) const {
    void* symbol = dlsym(m_handle, name);
    if (!symbol) {
        throw std::runtime_error(m_path.string() + ": the rule module does not export " + name);
    }
    return symbol;
}

CString ModuleHost::ModuleName() const {
    CString name;
    m_getModuleName(&name);
    return name;
}

CString ModuleHost::ModuleSummary() const {
    CString summary;
    m_getModuleSummary(&summary);
    return summary;
}

const CTeskCommonRulesApp* ModuleHost::Application() const {
    return *m_ppTheApp;
}

std::filesystem::path ModuleHost::StagedModulePath() {
    return BesideThisProgram("TeskCommonRulesu.so");
}
