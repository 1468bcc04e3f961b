#pragma once

#include <cstdint>
#include <memory>

// Counts the instructions this thread runs in user space, with the kernel's performance
// counters. Many virtual machines and containers have none, or forbid them: then Open gives
// nothing and scripts/bench counts instructions under callgrind instead.
class InstructionCounter {
public:
    static std::unique_ptr<InstructionCounter> Open();
    ~InstructionCounter();
    InstructionCounter(const InstructionCounter&) = delete;
    InstructionCounter& operator=(const InstructionCounter&) = delete;

    void Start();
    // The instructions since Start.
    std::uint64_t Stop();

private:
    explicit InstructionCounter(int descriptor) : m_descriptor(descriptor) {}

    int m_descriptor;
};
