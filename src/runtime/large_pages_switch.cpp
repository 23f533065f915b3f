#include "runtime/large_pages.hpp"

#include <atomic>

namespace xlat {

namespace {

// Read by operator new, which may run before any other global is set up.
constinit std::atomic<bool> largePages{true};

}  // namespace

void UseLargePages(bool on) { largePages.store(on, std::memory_order_relaxed); }

bool LargePagesOn() { return largePages.load(std::memory_order_relaxed); }

}  // namespace xlat
