#include "bench/AllocationCounter.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <pugixml.hpp>

namespace {

std::atomic<std::size_t> g_held{0};
std::atomic<std::size_t> g_peak{0};

void* Counted(void* block) {
    if (block) {
        const std::size_t held =
            g_held.fetch_add(malloc_usable_size(block), std::memory_order_relaxed) +
            malloc_usable_size(block);
        std::size_t peak = g_peak.load(std::memory_order_relaxed);
        while (held > peak && !g_peak.compare_exchange_weak(peak, held)) {
        }
    }
    return block;
}

void Release(void* block) {
    if (block) {
        g_held.fetch_sub(malloc_usable_size(block), std::memory_order_relaxed);
        std::free(block);
    }
}

void* CountedMalloc(std::size_t size) {
    return Counted(std::malloc(size));
}

}  // namespace

void* operator new(std::size_t size) {
    if (void* block = Counted(std::malloc(size == 0 ? 1 : size))) {
        return block;
    }
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept {
    Release(block);
}

void operator delete(void* block, std::size_t) noexcept {
    Release(block);
}

namespace allocation {

void CountPugixml() {
    pugi::set_memory_management_functions(&CountedMalloc, &Release);
}

std::size_t HeldBytes() {
    return g_held.load(std::memory_order_relaxed);
}

Watch::Watch() : m_base(HeldBytes()) {
    g_peak.store(m_base, std::memory_order_relaxed);
}

std::ptrdiff_t Watch::Held() const {
    return static_cast<std::ptrdiff_t>(HeldBytes()) - static_cast<std::ptrdiff_t>(m_base);
}

std::size_t Watch::Peak() const {
    return g_peak.load(std::memory_order_relaxed) - m_base;
}

}  // namespace allocation
