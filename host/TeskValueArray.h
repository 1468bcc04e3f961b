#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <type_traits>

// The host's growable array of values. It grows by a step that itself grows (by 3 while below
// 10, then to 1.2 times itself), so the capacities after Reset run 10, 11, 15, 22, 32, 44, ...
// A pointer element is owned by the array: the array deletes what a slot points to when the
// value is removed, reset or destroyed. That is how a rule owns its parameters and
// constraints and how a parameter owns its heap strings and string lists.
template <typename T>
class TeskValueArray {
    static_assert(std::is_trivially_copyable_v<T>, "slots are zero-filled and copied as bytes");

public:
    TeskValueArray() { Reset(); }
    ~TeskValueArray() { ReleaseValues(); }
    TeskValueArray(const TeskValueArray&) = delete;
    TeskValueArray& operator=(const TeskValueArray&) = delete;

    int GetCount() const { return m_nCount; }
    int GetCapacity() const { return m_nCapacity; }
    int GetGrowBy() const { return m_nGrowBy; }

    // No bounds check: callers keep 0 <= index < GetCount().
    T& ElementAt(int index) { return m_pData[index]; }
    const T& ElementAt(int index) const { return m_pData[index]; }

    void Add(const T& value) {
        if (m_nCount == m_nCapacity) {
            Grow();
        }
        m_pData[m_nCount++] = value;
    }

    // Removes the value at index; the freed slot at the end keeps its old bits.
    bool RemoveAt(int index) {
        if (index < 0 || index >= m_nCount) {
            return false;
        }
        Release(m_pData[index]);
        std::memmove(&m_pData[index], &m_pData[index + 1],
                     sizeof(T) * static_cast<std::size_t>(m_nCount - index - 1));
        --m_nCount;
        return true;
    }

    // Ten zeroed slots, no values, growth step 1.
    void Reset() {
        ReleaseValues();
        if (m_nCapacity != kInitialCapacity) {
            m_pData = std::make_unique<T[]>(kInitialCapacity);
            m_nCapacity = kInitialCapacity;
        }
        std::memset(static_cast<void*>(m_pData.get()), 0, sizeof(T) * kInitialCapacity);
        m_nCount = 0;
        m_nGrowBy = 1;
    }

private:
    static constexpr int kInitialCapacity = 10;

    static void Release(T& value) {
        if constexpr (std::is_pointer_v<T>) {
            delete value;
            value = nullptr;
        }
    }

    void ReleaseValues() {
        for (int i = 0; i < m_nCount; ++i) {
            Release(m_pData[i]);
        }
        m_nCount = 0;
    }

    void Grow() {
        const int capacity = m_nCapacity + m_nGrowBy;
        m_nGrowBy = m_nGrowBy < 10 ? m_nGrowBy + 3 : static_cast<int>(m_nGrowBy * 1.2);
        auto data = std::make_unique<T[]>(static_cast<std::size_t>(capacity));  // zero-filled
        std::memcpy(static_cast<void*>(data.get()), m_pData.get(),
                    sizeof(T) * static_cast<std::size_t>(m_nCount));
        m_pData = std::move(data);
        m_nCapacity = capacity;
    }

    std::unique_ptr<T[]> m_pData;
    std::int32_t m_nCount = 0;
    std::int32_t m_nCapacity = 0;
    std::int32_t m_nGrowBy = 1;
};
