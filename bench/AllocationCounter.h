#pragma once

#include <cstddef>

// Counts the heap the program holds: every operator new and, once hooked, every allocation of
// pugixml (which allocates with malloc). Sizes are the allocator's usable sizes, so the count
// is what the blocks really take.
namespace allocation {

// Routes pugixml's allocations through the counter; call before any document exists.
void CountPugixml();

std::size_t HeldBytes();

// What is held above the level at construction, and the most that was held since then.
class Watch {
public:
    Watch();
    // Negative when more was released than allocated since construction.
    std::ptrdiff_t Held() const;
    std::size_t Peak() const;

private:
    std::size_t m_base;
};

}  // namespace allocation
