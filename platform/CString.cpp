#include "platform/CString.h"

#include <fmt/args.h>
#include <algorithm>
#include <clocale>
#include <cwctype>
#include <functional>
#include <optional>
#include <ostream>
#include <vector>

#include "platform/ModuleLibrary.h"
#include "platform/Utf.h"

namespace {

std::size_t Clamp(int value, std::size_t limit) {
    if (value <= 0) {
        return 0;
    }
    return std::min(static_cast<std::size_t>(value), limit);
}

int FoundAt(std::size_t pos) {
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

bool IsSpace(wchar_t c) {
    return std::iswspace(static_cast<wint_t>(c)) != 0;
}

// A format of plain text, "%s" and "%%" only, with a text for every "%s", filled in as printf
// fills it in (a text ends at its first null); nothing when the format is anything else.
// Descriptions are composed this way over and over, and their formats are all of this kind.
std::optional<std::wstring> SubstitutedTexts(std::wstring_view format,
                                             std::initializer_list<CString> texts) {
    // One allocation for the whole description instead of one at every doubling.
    std::size_t length = format.size();
    for (const CString& text : texts) {
        length += static_cast<std::size_t>(text.GetLength());
    }
    std::wstring out;
    out.reserve(length);
    const CString* next = texts.begin();
    for (std::size_t pos = 0; pos < format.size();) {
        const std::size_t percent = std::min(format.find(L'%', pos), format.size());
        out.append(format.substr(pos, percent - pos));
        if (percent == format.size()) {
            break;
        }
        const wchar_t conversion = percent + 1 < format.size() ? format[percent + 1] : L'\0';
        if (conversion == L'%') {
            out += L'%';
        } else if (conversion == L's' && next != texts.end()) {
            out.append(std::wstring_view((next++)->GetString()));
        } else {
            return std::nullopt;
        }
        pos = percent + 2;
    }
    return out;
}

// Both texts in one allocation, made to measure.
CString Joined(std::wstring_view left, std::wstring_view right) {
    std::wstring text;
    text.reserve(left.size() + right.size());
    text.append(left).append(right);
    return CString(std::move(text));
}

}  // namespace

int CString::Compare(const wchar_t* other) const {
    return m_str.compare(other ? other : L"");
}

// The C locale's mapping knows only ASCII; the platform ignores the case of every letter,
// accented ones included.
wchar_t FoldCase(wchar_t ch) {
    static const locale_t unicode = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
    const auto wide = static_cast<wint_t>(ch);
    return static_cast<wchar_t>(unicode ? ::towlower_l(wide, unicode) : std::towlower(wide));
}

int CString::CompareNoCase(const wchar_t* other) const {
    const std::wstring_view right(other ? other : L"");
    const std::size_t common = std::min(m_str.size(), right.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto a = FoldCase(m_str[i]);
        const auto b = FoldCase(right[i]);
        if (a != b) {
            return a < b ? -1 : 1;
        }
    }
    if (m_str.size() == right.size()) {
        return 0;
    }
    return m_str.size() < right.size() ? -1 : 1;
}

int CString::Find(wchar_t ch, int start) const {
    if (start < 0 || static_cast<std::size_t>(start) > m_str.size()) {
        return -1;
    }
    return FoundAt(m_str.find(ch, static_cast<std::size_t>(start)));
}

int CString::Find(const wchar_t* sub, int start) const {
    if (!sub || start < 0 || static_cast<std::size_t>(start) > m_str.size()) {
        return -1;
    }
    return FoundAt(m_str.find(sub, static_cast<std::size_t>(start)));
}

int CString::ReverseFind(wchar_t ch) const {
    return FoundAt(m_str.rfind(ch));
}

CString CString::Left(int count) const {
    return CString(m_str.substr(0, Clamp(count, m_str.size())));
}

CString CString::Right(int count) const {
    const std::size_t n = Clamp(count, m_str.size());
    return CString(m_str.substr(m_str.size() - n));
}

CString CString::Mid(int first) const {
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const {
    const std::size_t from = Clamp(first, m_str.size());
    return CString(m_str.substr(from, Clamp(count, m_str.size() - from)));
}

CString CString::SpanIncluding(const wchar_t* charSet) const {
    const std::size_t end = m_str.find_first_not_of(charSet ? charSet : L"");
    return CString(m_str.substr(0, end));
}

CString& CString::Trim() {
    return TrimRight().TrimLeft();
}

CString& CString::TrimLeft() {
    m_str.erase(m_str.begin(), std::find_if_not(m_str.begin(), m_str.end(), IsSpace));
    return *this;
}

CString& CString::TrimRight() {
    m_str.erase(std::find_if_not(m_str.rbegin(), m_str.rend(), IsSpace).base(), m_str.end());
    return *this;
}

CString& CString::TrimLeft(wchar_t ch) {
    m_str.erase(0, std::min(m_str.find_first_not_of(ch), m_str.size()));
    return *this;
}

CString& CString::TrimRight(wchar_t ch) {
    const std::size_t keep = m_str.find_last_not_of(ch);
    m_str.erase(keep == std::wstring::npos ? 0 : keep + 1);
    return *this;
}

CString& CString::MakeUpper() {
    std::transform(m_str.begin(), m_str.end(), m_str.begin(), [](wchar_t c) {
        return static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    });
    return *this;
}

CString& CString::MakeLower() {
    std::transform(m_str.begin(), m_str.end(), m_str.begin(), [](wchar_t c) {
        return static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    });
    return *this;
}

bool CString::LoadString(UINT id) {
    m_str = ::LoadString(AfxGetResourceHandle(), id).str();
    return !m_str.empty();
}

void CString::FormatTexts(const wchar_t* format, std::initializer_list<CString> texts) {
    if (std::optional<std::wstring> text =
            SubstitutedTexts(std::wstring_view(format ? format : L""), texts)) {
        m_str = std::move(*text);
        return;
    }
    // The store refers to the texts, which outlive the formatting, instead of copying each.
    std::vector<const wchar_t*> pointers;
    pointers.reserve(texts.size());
    for (const CString& text : texts) {
        pointers.push_back(text.GetString());
    }
    fmt::dynamic_format_arg_store<fmt::wprintf_context> store;
    store.reserve(pointers.size(), 0);
    for (const wchar_t* const& pointer : pointers) {
        store.push_back(std::cref(pointer));
    }
    m_str = FormatArgs(format, store);
}

std::wstring CString::FormatArgs(const wchar_t* format, fmt::wprintf_args args) {
    const std::wstring_view pattern(format ? format : L"");
    try {
        return fmt::vsprintf(pattern, args);
    } catch (const fmt::format_error&) {
        return std::wstring(pattern);
    }
}

CString operator+(const CString& left, const CString& right) {
    return Joined(left.str(), right.str());
}
CString operator+(const CString& left, const wchar_t* right) {
    return Joined(left.str(), right ? right : L"");
}
CString operator+(const wchar_t* left, const CString& right) {
    return Joined(left ? left : L"", right.str());
}
CString operator+(const CString& left, wchar_t right) {
    return CString(left.str() + right);
}

std::ostream& operator<<(std::ostream& out, const CString& text) {
    return out << platform::Utf8FromWide(text.str());
}
