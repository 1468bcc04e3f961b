#include "platform/ModuleLibrary.h"

#include <dlfcn.h>
#include <link.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <unordered_map>

#include "platform/LibraryImage.h"
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

// The UTF-8 text with this id; null when the table lacks it.
const char* FindText(const TeskStringTable* table, UINT id) {
    if (!table || !table->entries) {
        return nullptr;
    }
    const TeskResourceString* begin = table->entries;
    const TeskResourceString* end = begin + table->count;
    const auto* found = std::lower_bound(
        begin, end, id, [](const TeskResourceString& entry, UINT key) { return entry.id < key; });
    return found == end || found->id != id ? nullptr : found->text;
}

// A library open through AfxLoadLibrary keeps its string table and the texts read from it:
// the same texts are read over and over (every rule element names its attributes with them),
// so each is looked up and converted from UTF-8 once. The entry goes with the last
// AfxFreeLibrary of the handle; a library opened some other way is read afresh every time.
class OpenedLibrary {
public:
    explicit OpenedLibrary(HINSTANCE library) : m_library(library) {}

    void Open() { ++m_opens; }
    // True when this was the last open of the handle.
    bool Close() { return --m_opens == 0; }

    const CString& Text(UINT id) {
        const auto [entry, added] = m_texts.try_emplace(id);
        if (added) {
            if (!m_tableFound) {
                m_table = StringTableOf(m_library);
                m_tableFound = true;
            }
            if (const char* text = FindText(m_table, id)) {
                entry->second = CString(platform::WideFromUtf8(text));
            }
        }
        return entry->second;
    }

private:
    HINSTANCE m_library;
    int m_opens = 0;
    const TeskStringTable* m_table = nullptr;
    bool m_tableFound = false;
    std::unordered_map<UINT, CString> m_texts;
};

// Never destroyed: modules free their libraries while the process shuts down, in an order
// that static destruction does not know.
std::map<HINSTANCE, OpenedLibrary>& OpenedLibraries() {
    static auto& libraries = *new std::map<HINSTANCE, OpenedLibrary>();
    return libraries;
}

std::mutex& OpenedLibrariesMutex() {
    static auto& mutex = *new std::mutex();
    return mutex;
}

// A library that is there but cannot be loaded is named on standard error, once for each file:
// the caller falls back silently, as a program does when a library is missing.
void TellNotLoaded(const std::string& file, const std::string& why) {
    static auto& told = *new std::set<std::string>();
    const std::lock_guard lock(OpenedLibrariesMutex());
    if (told.insert(file).second) {
        std::cerr << file << ": not loaded: " << why << "\n";
    }
}

}  // namespace

HINSTANCE AfxLoadLibrary(const wchar_t* path) {
    if (!path || !*path) {
        return nullptr;
    }
    const std::string file = platform::Utf8FromWide(path);
    if (const auto problem = platform::CheckLibraryImage(file)) {
        if (!problem->missing) {
            TellNotLoaded(file, problem->what);
        }
        return nullptr;
    }
    const auto library = static_cast<HINSTANCE>(dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL));
    if (!library) {
        const char* reason = dlerror();
        TellNotLoaded(file, reason ? reason : "the loader refused it");
    }
    if (library) {
        const std::lock_guard lock(OpenedLibrariesMutex());
        OpenedLibraries().try_emplace(library, library).first->second.Open();
    }
    return library;
}

bool AfxFreeLibrary(HINSTANCE library) {
    if (!library) {
        return false;
    }
    {
        const std::lock_guard lock(OpenedLibrariesMutex());
        const auto opened = OpenedLibraries().find(library);
        if (opened != OpenedLibraries().end() && opened->second.Close()) {
            OpenedLibraries().erase(opened);
        }
    }
    return dlclose(library) == 0;
}

HINSTANCE AfxGetResourceHandle() {
    return g_hResourceHandle;
}

void AfxSetResourceHandle(HINSTANCE library) {
    g_hResourceHandle = library;
}

CString LoadString(HINSTANCE library, UINT id) {
    if (!library) {
        return {};
    }
    {
        const std::lock_guard lock(OpenedLibrariesMutex());
        const auto opened = OpenedLibraries().find(library);
        if (opened != OpenedLibraries().end()) {
            return opened->second.Text(id);
        }
    }
    const char* text = FindText(StringTableOf(library), id);
    return text ? CString(platform::WideFromUtf8(text)) : CString();
}

const CString& LoadStringReference(HINSTANCE library, UINT id) {
    static const CString none;
    const std::lock_guard lock(OpenedLibrariesMutex());
    const auto opened = OpenedLibraries().find(library);
    return opened == OpenedLibraries().end() ? none : opened->second.Text(id);
}

namespace {

// The name of the loaded library whose segments hold the address. Only the segments are
// searched, not the symbols near the address as dladdr does, which takes a module's start
// far longer.
struct LibrarySearch {
    std::uintptr_t address;
    const char* name = nullptr;
};

int FindLibraryHolding(dl_phdr_info* library, std::size_t, void* data) {
    auto* search = static_cast<LibrarySearch*>(data);
    for (int i = 0; i < library->dlpi_phnum; ++i) {
        const ElfW(Phdr)& segment = library->dlpi_phdr[i];
        const std::uintptr_t start = library->dlpi_addr + segment.p_vaddr;
        if (segment.p_type == PT_LOAD && search->address >= start &&
            search->address - start < segment.p_memsz) {
            search->name = library->dlpi_name;
            return 1;
        }
    }
    return 0;
}

// The program itself is listed without a name; dladdr names it.
const char* LoadedFileName(const void* address) {
    LibrarySearch search{reinterpret_cast<std::uintptr_t>(address)};
    dl_iterate_phdr(&FindLibraryHolding, &search);
    if (search.name && *search.name) {
        return search.name;
    }
    Dl_info info{};
    return search.name && dladdr(address, &info) != 0 ? info.dli_fname : nullptr;
}

}  // namespace

CString ModuleFileNameContaining(const void* address) {
    const char* name = LoadedFileName(address);
    if (!name) {
        return {};
    }
    std::unique_ptr<char, decltype(&std::free)> resolved(realpath(name, nullptr), &std::free);
    return CString(platform::WideFromUtf8(resolved ? resolved.get() : name));
}
