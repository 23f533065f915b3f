// Work shared among threads: every piece runs once, and a piece that throws
// reaches the caller instead of ending the process.
#include <gtest/gtest.h>

#include <atomic>
#include <new>
#include <vector>

#include "parallel/side_by_side.hpp"

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
        std::vector<std::atomic<int>> runs(40);
        EXPECT_THROW(xlat::RunSideBySide(runs.size(), threads,
                                         [&](size_t k) {
                                             ++runs[k];
                                             if (k == 3) throw std::bad_alloc();
                                         }),
                     std::bad_alloc)
            << threads;
        // Other threads may finish any number of pieces before the failure
        // is seen, but none runs a piece twice.
        for (size_t k = 0; k < runs.size(); ++k) EXPECT_LE(runs[k], 1) << k << " on " << threads;
        EXPECT_EQ(runs[3], 1) << threads;
        if (threads == 1) {
            // Alone, the calling thread stops at the failure.
            for (size_t k = 4; k < runs.size(); ++k) EXPECT_EQ(runs[k], 0) << k;
        }
    }
}

}  // namespace
