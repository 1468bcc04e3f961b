#include "platform/CStringList.h"

#include <algorithm>

CStringList::POSITION CStringList::Make(Items::const_iterator it) const {
    return it == m_items.end() ? POSITION() : POSITION(&m_items, it);
}

CStringList::POSITION CStringList::AddTail(const CString& text) {
    m_items.push_back(text);
    return Make(std::prev(m_items.end()));
}

CStringList::POSITION CStringList::AddHead(const CString& text) {
    m_items.push_front(text);
    return Make(m_items.begin());
}

CStringList::POSITION CStringList::GetHeadPosition() const {
    return Make(m_items.begin());
}

const CString& CStringList::GetNext(POSITION& pos) const {
    const CString& text = *pos.m_it;
    pos = Make(std::next(pos.m_it));
    return text;
}

CStringList::POSITION CStringList::Find(const CString& text) const {
    return Make(std::find(m_items.begin(), m_items.end(), text));
}

void CStringList::SetAt(POSITION pos, const CString& text) {
    // An empty erase turns the position's read-only iterator into a writable one.
    *m_items.erase(pos.m_it, pos.m_it) = text;
}
