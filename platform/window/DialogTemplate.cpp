#include "platform/window/DialogTemplate.h"

#include <dlfcn.h>

#include <algorithm>

#include "platform/Utf.h"

namespace {

DialogTemplateOverride* g_pLatestOverride = nullptr;

CString FromUtf8(const char* text) {
    return CString(platform::WideFromUtf8(text ? text : ""));
}

CRect RectOf(std::int32_t x, std::int32_t y, std::int32_t cx, std::int32_t cy) {
    return {x, y, x + cx, y + cy};
}

DialogTemplate Convert(const TeskDialogTemplate& source) {
    DialogTemplate result;
    result.id = source.id;
    result.style = source.style;
    result.exStyle = source.exStyle;
    result.rect = RectOf(source.x, source.y, source.cx, source.cy);
    result.caption = FromUtf8(source.caption);
    result.fontName = FromUtf8(source.fontName);
    result.fontPoints = static_cast<int>(source.fontPoints);
    for (std::uint32_t i = 0; source.items && i < source.itemCount; ++i) {
        const TeskDialogItem& item = source.items[i];
        result.items.push_back({item.id, static_cast<DialogItemKind>(item.kind), item.style,
                                item.exStyle, RectOf(item.x, item.y, item.cx, item.cy),
                                FromUtf8(item.caption)});
    }
    return result;
}

}  // namespace

bool DialogTemplate::RemoveItem(int itemId) {
    return std::erase_if(
               items, [itemId](const DialogItemTemplate& item) { return item.id == itemId; }) > 0;
}

std::optional<DialogTemplate> LoadDialogTemplate(HINSTANCE library, UINT id) {
    for (const DialogTemplateOverride* entry = g_pLatestOverride; entry;
         entry = entry->m_previous) {
        if (entry->m_template.id == id) {
            return entry->m_template;
        }
    }
    if (!library) {
        return std::nullopt;
    }
    const auto* table = static_cast<const TeskDialogTable*>(dlsym(library, kDialogTableSymbol));
    if (!table || !table->templates) {
        return std::nullopt;
    }
    const TeskDialogTemplate* begin = table->templates;
    const TeskDialogTemplate* end = begin + table->count;
    const auto* found = std::lower_bound(
        begin, end, id, [](const TeskDialogTemplate& entry, UINT key) { return entry.id < key; });
    if (found == end || found->id != id) {
        return std::nullopt;
    }
    return Convert(*found);
}

DialogTemplateOverride::DialogTemplateOverride(DialogTemplate dialogTemplate)
    : m_template(std::move(dialogTemplate)), m_previous(g_pLatestOverride) {
    g_pLatestOverride = this;
}

DialogTemplateOverride::~DialogTemplateOverride() {
    // Overrides end in the reverse order of their making; one ended early is unlinked.
    for (DialogTemplateOverride** link = &g_pLatestOverride; *link; link = &(*link)->m_previous) {
        if (*link == this) {
            *link = m_previous;
            break;
        }
    }
}
