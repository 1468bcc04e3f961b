#include "platform/ModuleLibrary.h"

#include <dlfcn.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <memory>

#include "platform/ResourceTable.h"
#include "platform/Utf.h"

namespace {

HINSTANCE g_hResourceHandle = nullptr;

const TeskStringTable* StringTableOf(HINSTANCE library) {
    if (!library) {
        return nullptr;
    }
    return static_cast<const TeskStringTable*>(dlsym(library, kStringTableSymbol));
}

}  // namespace

HINSTANCE AfxLoadLibrary(const wchar_t* path) {
    if (!path || !*path) {
        return nullptr;
    }
    const std::string file = platform::Utf8FromWide(path);
    return static_cast<HINSTANCE>(dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL));
}

bool AfxFreeLibrary(HINSTANCE library) {
    return library && dlclose(library) == 0;
}

HINSTANCE AfxGetResourceHandle() {
    return g_hResourceHandle;
}

void AfxSetResourceHandle(HINSTANCE library) {
    g_hResourceHandle = library;
}

CString LoadString(HINSTANCE library, UINT id) {
    const TeskStringTable* table = StringTableOf(library);
    if (!table || !table->entries) {
        return {};
    }
    const TeskResourceString* begin = table->entries;
    const TeskResourceString* end = begin + table->count;
    const auto* found = std::lower_bound(
        begin, end, id, [](const TeskResourceString& entry, UINT key) { return entry.id < key; });
    if (found == end || found->id != id || !found->text) {
        return {};
    }
    return CString(platform::WideFromUtf8(found->text));
}

CString ModuleFileNameContaining(const void* address) {
    Dl_info info{};
    if (dladdr(address, &info) == 0 || !info.dli_fname) {
        return {};
    }
    std::unique_ptr<char, decltype(&std::free)> resolved(realpath(info.dli_fname, nullptr),
                                                         &std::free);
    return CString(platform::WideFromUtf8(resolved ? resolved.get() : info.dli_fname));
}
