#pragma once

#include <cstdint>

class CString;
class CStringList;
class CTeskRule;
class TeskXMLDocument;
class TeskXMLNode;

// The seven functions a host finds by name in the module.
extern "C" {
void SetXMLDoc(TeskXMLDocument* document);
void SetDBModuleList(const CStringList* modules);
void GetAllRules(void* first, void* second, std::int32_t count);
void GetModuleName(CString* name);
void GetModuleSummary(CString* summary);
void GetRule(TeskXMLNode* element, void* first, void* second, std::int32_t count);
void DeleteRule(CTeskRule** rule);
}

// Their shapes, for hosts that look them up with dlsym.
using SetXMLDocFn = void (*)(TeskXMLDocument*);
using SetDBModuleListFn = void (*)(const CStringList*);
using GetAllRulesFn = void (*)(void*, void*, std::int32_t);
using GetModuleTextFn = void (*)(CString*);
using GetRuleFn = void (*)(TeskXMLNode*, void*, void*, std::int32_t);
using DeleteRuleFn = void (*)(CTeskRule**);
