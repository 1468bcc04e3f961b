#pragma once

#include <list>

#include "platform/CString.h"

// The dialog library's list of strings, walked with positions from head to tail.
class CStringList {
    using Items = std::list<CString>;

public:
    // An opaque place in the list; a null position is the end of the walk.
    class POSITION {
    public:
        POSITION() = default;
        POSITION(std::nullptr_t) {}  // NOLINT: compares and assigns like the platform's pointer
        explicit operator bool() const { return m_list != nullptr; }
        bool operator==(const POSITION&) const = default;

    private:
        friend class CStringList;
        POSITION(const Items* list, Items::const_iterator it) : m_list(list), m_it(it) {}
        const Items* m_list = nullptr;
        Items::const_iterator m_it{};
    };

    explicit CStringList(int blockSize = 10) : m_nBlockSize(blockSize) {}

    int GetCount() const { return static_cast<int>(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }
    int GetBlockSize() const { return m_nBlockSize; }

    POSITION AddTail(const CString& text);
    POSITION AddHead(const CString& text);
    void RemoveAll() { m_items.clear(); }

    const CString& GetHead() const { return m_items.front(); }
    const CString& GetTail() const { return m_items.back(); }
    POSITION GetHeadPosition() const;
    // Returns the string at pos and moves pos to the next one (null after the tail).
    const CString& GetNext(POSITION& pos) const;
    const CString& GetAt(POSITION pos) const { return *pos.m_it; }
    POSITION Find(const CString& text) const;
    void SetAt(POSITION pos, const CString& text);

private:
    POSITION Make(Items::const_iterator it) const;

    int m_nBlockSize;
    Items m_items;
};

using POSITION = CStringList::POSITION;
