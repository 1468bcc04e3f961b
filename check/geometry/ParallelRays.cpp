#include "check/geometry/ParallelRays.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

#include "check/CheckCancelled.h"

namespace check {

ParallelRays::ParallelRays(unsigned threads, std::stop_token stop)
    : m_threads(threads > 0 ? threads : std::max(1u, std::thread::hardware_concurrency())),
      m_stop(std::move(stop)) {}

void ParallelRays::ForEach(std::size_t count, const std::function<void(std::size_t)>& trace,
                           const std::function<void(std::size_t, std::size_t)>& progress) const {
    std::atomic<std::size_t> next{0};
    std::atomic<std::size_t> done{0};
    std::atomic<bool> failed{false};
    std::exception_ptr failure;
    std::mutex failureLock;
    // Traces the next batch; false when none is left or the work failed.
    const auto traceBatch = [&] {
        const std::size_t first = next.fetch_add(kBatch);
        if (first >= count || failed.load()) {
            return false;
        }
        try {
            if (m_stop.stop_requested()) {
                throw CheckCancelled();
            }
            const std::size_t end = std::min(count, first + kBatch);
            for (std::size_t i = first; i < end; ++i) {
                trace(i);
            }
            done.fetch_add(end - first);
            return true;
        } catch (...) {
            const std::lock_guard lock(failureLock);
            if (!failure) {
                failure = std::current_exception();
            }
            failed = true;
            return false;
        }
    };
    const unsigned helpers =
        static_cast<unsigned>(std::min<std::size_t>(m_threads - 1, count / kBatch));
    std::vector<std::jthread> threads;
    threads.reserve(helpers);
    for (unsigned t = 0; t < helpers; ++t) {
        threads.emplace_back([&] {
            while (traceBatch()) {
            }
        });
    }
    // The calling thread traces too, and tells the progress between its batches.
    while (traceBatch()) {
        if (progress) {
            progress(done.load(), count);
        }
    }
    threads.clear();
    if (failure) {
        std::rethrow_exception(failure);
    }
}

}  // namespace check
