// Work shared among threads: every piece runs once, and a piece that throws
// reaches the caller instead of ending the process.
#include <gtest/gtest.h>

#include <atomic>
#include <new>
#include <stdexcept>
#include <vector>

#include "runtime/side_by_side.hpp"

namespace {

TEST(SideBySide, EveryPieceRunsOnceOnAnyNumberOfThreads) {
    for (unsigned threads : {1u, 2u, 7u}) {
        std::vector<std::atomic<int>> runs(50);
        xlat::RunSideBySide(runs.size(), threads, [&](size_t k) { ++runs[k]; });
        for (size_t k = 0; k < runs.size(); ++k) EXPECT_EQ(runs[k], 1) << k << " on " << threads;
    }
    xlat::RunSideBySide(0, 2, [](size_t) { FAIL() << "no piece to run"; });
}

TEST(SideBySide, AFailingPieceIsThrownOnTheCallingThread) {
    for (unsigned threads : {1u, 2u, 4u}) {
        std::atomic<int> started{0};
        EXPECT_THROW(xlat::RunSideBySide(40, threads,
                                         [&](size_t k) {
                                             ++started;
                                             if (k == 3) throw std::bad_alloc();
                                         }),
                     std::bad_alloc)
            << threads;
        EXPECT_LT(started, 40) << "pieces after the failure are skipped, on " << threads;
    }
}

}  // namespace
