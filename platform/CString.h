#pragma once

#include <fmt/printf.h>
#include <compare>
#include <initializer_list>
#include <iosfwd>
#include <string>
#include <string_view>
#include <type_traits>

#include "platform/WinTypes.h"

// The dialog library's wide string. Formatting follows its convention (%s takes a wide
// string), but a format that does not fit its arguments yields the format text itself
// instead of reading arguments that were never passed: format texts come from translators.
class CString {
public:
    CString() = default;
    CString(const wchar_t* text) : m_str(text ? text : L"") {}  // NOLINT: implicit as on Windows
    CString(std::wstring text) : m_str(std::move(text)) {}      // NOLINT
    CString(std::wstring_view text) : m_str(text) {}            // NOLINT
    CString(wchar_t ch, int repeat) : m_str(repeat > 0 ? repeat : 0, ch) {}

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    const wchar_t* GetString() const { return m_str.c_str(); }
    operator const wchar_t*() const { return m_str.c_str(); }  // NOLINT: as on Windows
    const std::wstring& str() const { return m_str; }
    wchar_t GetAt(int index) const { return m_str.at(static_cast<std::size_t>(index)); }

    CString& operator+=(const CString& other) {
        m_str += other.m_str;
        return *this;
    }
    CString& operator+=(const wchar_t* other) {
        m_str += other ? other : L"";
        return *this;
    }
    CString& operator+=(wchar_t ch) {
        m_str += ch;
        return *this;
    }

    int Compare(const wchar_t* other) const;
    int CompareNoCase(const wchar_t* other) const;

    int Find(wchar_t ch, int start = 0) const;
    int Find(const wchar_t* sub, int start = 0) const;
    int ReverseFind(wchar_t ch) const;
    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString SpanIncluding(const wchar_t* charSet) const;

    CString& Trim();
    CString& TrimLeft();
    CString& TrimLeft(wchar_t ch);
    CString& TrimRight();
    CString& TrimRight(wchar_t ch);
    CString& MakeUpper();
    CString& MakeLower();

    // Loads the string with this id from the current resource handle; false when absent.
    bool LoadString(UINT id);

    template <typename... Args>
    void Format(const wchar_t* format, const Args&... args) {
        m_str = FormatArgs(format, fmt::make_wprintf_args(Project(args)...));
    }

    // Formats with a run-time list of texts, each taking one %s in order.
    void FormatTexts(const wchar_t* format, std::initializer_list<CString> texts);

private:
    template <typename T>
    static decltype(auto) Project(const T& arg) {
        if constexpr (std::is_same_v<T, CString>) {
            return arg.GetString();
        } else {
            return (arg);
        }
    }
    static std::wstring FormatArgs(const wchar_t* format, fmt::wprintf_args args);

    std::wstring m_str;
};

CString operator+(const CString& left, const CString& right);
CString operator+(const CString& left, const wchar_t* right);
CString operator+(const wchar_t* left, const CString& right);
CString operator+(const CString& left, wchar_t right);

inline bool operator==(const CString& a, const CString& b) {
    return a.str() == b.str();
}
inline bool operator==(const CString& a, const wchar_t* b) {
    return a.Compare(b) == 0;
}
inline bool operator==(const wchar_t* a, const CString& b) {
    return b.Compare(a) == 0;
}
inline std::strong_ordering operator<=>(const CString& a, const CString& b) {
    return a.str() <=> b.str();
}

// For diagnostics and test output: the text as UTF-8.
std::ostream& operator<<(std::ostream& out, const CString& text);

// A letter as texts compare without case (CompareNoCase): every letter's case is folded, accented
// ones included ("É" as "é").
wchar_t FoldCase(wchar_t ch);
