#include "parallel/side_by_side.hpp"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <vector>

#if !defined(__GLIBCXX__) || defined(_GLIBCXX_HAS_GTHREADS)
#define XLAT_HAS_THREADS 1
#include <thread>
#endif

namespace xlat {

unsigned CoreCount() {
#ifdef XLAT_HAS_THREADS
    return std::max(1u, std::thread::hardware_concurrency());
#else
    return 1;
#endif
}

void RunSideBySide(size_t count, unsigned threads, const std::function<void(size_t)>& work) {
    std::atomic<size_t> next{0};
    std::exception_ptr failure;
    std::mutex failureLock;
    auto takeWork = [&] {
        try {
            for (size_t k = next++; k < count; k = next++) work(k);
        } catch (...) {
            // An exception must not leave a thread: it ends the process.
            next = count;
            std::lock_guard<std::mutex> hold(failureLock);
            if (!failure) failure = std::current_exception();
        }
    };
#ifdef XLAT_HAS_THREADS
    std::vector<std::thread> helpers;
    const size_t extra = std::min<size_t>(count, std::max(1u, threads)) - (count > 0 ? 1 : 0);
    try {
        for (size_t i = 0; i < extra; ++i) helpers.emplace_back(takeWork);
    } catch (...) {
        // No thread to be had: the calling thread does the rest alone.
    }
    takeWork();
    for (std::thread& helper : helpers) helper.join();
#else
    (void)threads;
    takeWork();
#endif
    if (failure) std::rethrow_exception(failure);
}

}  // namespace xlat
