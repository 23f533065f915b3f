#include "runtime/side_by_side.hpp"

#include <algorithm>
#include <atomic>
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
    auto takeWork = [&] {
        for (size_t k = next++; k < count; k = next++) work(k);
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
}

}  // namespace xlat
