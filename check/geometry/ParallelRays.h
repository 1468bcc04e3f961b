#pragma once

#include <cstddef>
#include <functional>
#include <stop_token>

namespace check {

// Casts the rays of many samples on several threads: trace(i) for every i below count, in
// batches that the threads take in turn. Each trace writes its own sample's result, so what comes
// out does not depend on the number of threads or their order.
class ParallelRays {
public:
    // threads: how many threads trace; 0 for one per core. A stop requested on stop ends the
    // work between batches, which take a few milliseconds each.
    explicit ParallelRays(unsigned threads, std::stop_token stop = {});

    // progress(done, count) is called now and then, on the calling thread. An exception a trace
    // throws stops the work and is thrown here once every thread has stopped; a stop requested
    // throws CheckCancelled the same way.
    void ForEach(std::size_t count, const std::function<void(std::size_t)>& trace,
                 const std::function<void(std::size_t, std::size_t)>& progress) const;

    unsigned Threads() const { return m_threads; }

    static constexpr std::size_t kBatch = 512;

private:
    unsigned m_threads;
    std::stop_token m_stop;
};

}  // namespace check
