#include "bench/InstructionCounter.h"

#include <linux/perf_event.h>
#include <sys/ioctl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstring>

std::unique_ptr<InstructionCounter> InstructionCounter::Open() {
    perf_event_attr attributes;
    std::memset(&attributes, 0, sizeof attributes);
    attributes.type = PERF_TYPE_HARDWARE;
    attributes.size = sizeof attributes;
    attributes.config = PERF_COUNT_HW_INSTRUCTIONS;
    attributes.disabled = 1;
    // User space only: a paranoid setting of 2, the common default, allows no more.
    attributes.exclude_kernel = 1;
    attributes.exclude_hv = 1;
    const long descriptor = ::syscall(SYS_perf_event_open, &attributes, 0, -1, -1, 0);
    if (descriptor < 0) {
        return nullptr;
    }
    return std::unique_ptr<InstructionCounter>(
        new InstructionCounter(static_cast<int>(descriptor)));
}

InstructionCounter::~InstructionCounter() {
    ::close(m_descriptor);
}

void InstructionCounter::Start() {
    ::ioctl(m_descriptor, PERF_EVENT_IOC_RESET, 0);
    ::ioctl(m_descriptor, PERF_EVENT_IOC_ENABLE, 0);
}

std::uint64_t InstructionCounter::Stop() {
    ::ioctl(m_descriptor, PERF_EVENT_IOC_DISABLE, 0);
    std::uint64_t count = 0;
    return ::read(m_descriptor, &count, sizeof count) == sizeof count ? count : 0;
}
