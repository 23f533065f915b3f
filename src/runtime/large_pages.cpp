// Memory for the program's large blocks (the source, its normalised text,
// the output and its pieces) comes straight from the system in 2 MB pages.
//
// A run over a large source touches tens of megabytes of new memory; with
// the usual 4 KB pages the first touch of each page is a fault, and on a
// virtual machine these faults took about a quarter of the run. Blocks
// of 1 MB and more are therefore mapped on their own, aligned to 2 MB and
// marked for large pages; smaller blocks go to malloc as usual.
//
// Freed blocks are kept a while for reuse (see kMaxKept): memory the
// process has touched once costs nothing to touch again. Blocks not taken
// here (large pages switched off, see large_pages.hpp, or no mapping to be
// had) come from malloc, which gives large ones back when they are freed
// (GiveLargeBlocksBack).
//
// This file replaces the global operator new and delete, so it is linked
// into the programs (the command, the benchmark and the tests) and not into
// the library; sanitizer builds leave it out, as their own allocator checks
// every block.

#if defined(__linux__) && !defined(__SANITIZE_ADDRESS__)

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <new>

#include "runtime/large_pages.hpp"

namespace {

constexpr size_t kLargeBlock = size_t{1} << 20;
constexpr size_t kLargePage = size_t{2} << 20;
// The blocks mapped here and in use; a program holds only a handful at a
// time. When the list is full, blocks come from malloc.
constexpr size_t kMaxInUse = 256;
// Freed blocks kept for reuse: the passes over a large text free one text
// and make the next of about the same size, and a kept block is used again
// without new page faults. A block is reused only for a request of at
// least half its size, and a request that none fits returns them all to
// the system, so that kept blocks never hold much memory for long.
constexpr size_t kMaxKept = 2;

struct Mapped {
    void* start = nullptr;
    size_t length = 0;
};

struct Blocks {
    std::mutex lock;
    Mapped inUse[kMaxInUse];
    size_t inUseCount = 0;
    Mapped kept[kMaxKept];
    size_t keptCount = 0;
};

// Set up before any other code of the program runs, as operator new may be
// called while other files initialise their own globals.
constinit Blocks blocks;

size_t RoundUp(size_t n, size_t unit) { return (n + unit - 1) / unit * unit; }

// A new 2 MB-aligned mapping of `length` bytes (a multiple of 2 MB), or nullptr.
void* MapAligned(size_t length) {
    const size_t reach = length + kLargePage;  // room to align the start
    void* raw = mmap(nullptr, reach, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) return nullptr;
    const auto base = reinterpret_cast<uintptr_t>(raw);
    const uintptr_t start = RoundUp(base, kLargePage);
    if (start > base) munmap(raw, start - base);
    if (base + reach > start + length) munmap(reinterpret_cast<void*>(start + length), base + reach - (start + length));
    void* block = reinterpret_cast<void*>(start);
    madvise(block, length, MADV_HUGEPAGE);  // only a hint: 4 KB pages if refused
    return block;
}

// A block of at least `size` bytes: a kept one that fits, or a new mapping;
// nullptr when neither can be had or too many blocks are in use.
void* TakeLarge(size_t size) {
    if (size > SIZE_MAX - 2 * kLargePage) return nullptr;
    const size_t length = RoundUp(size, kLargePage);
    Mapped block, unfit[kMaxKept];
    size_t unfitCount = 0;
    {
        std::lock_guard<std::mutex> hold(blocks.lock);
        if (blocks.inUseCount == kMaxInUse) return nullptr;
        size_t best = kMaxKept;
        for (size_t i = 0; i < blocks.keptCount; ++i) {
            const size_t kept = blocks.kept[i].length;
            if (kept >= length && kept / 2 <= length && (best == kMaxKept || kept < blocks.kept[best].length)) best = i;
        }
        if (best != kMaxKept) {
            block = blocks.kept[best];
            blocks.kept[best] = blocks.kept[--blocks.keptCount];
        } else {
            for (size_t i = 0; i < blocks.keptCount; ++i) unfit[unfitCount++] = blocks.kept[i];
            blocks.keptCount = 0;
        }
    }
    for (size_t i = 0; i < unfitCount; ++i) munmap(unfit[i].start, unfit[i].length);
    if (!block.start) {
        block = {MapAligned(length), length};
        if (!block.start) return nullptr;
    }
    std::lock_guard<std::mutex> hold(blocks.lock);
    if (blocks.inUseCount == kMaxInUse) {  // filled up meanwhile
        munmap(block.start, block.length);
        return nullptr;
    }
    blocks.inUse[blocks.inUseCount++] = block;
    return block.start;
}

// Takes back `p` when it is one of the mapped blocks: it is kept for reuse,
// and the oldest kept block goes back to the system when there are too many.
bool GiveBackLarge(void* p) {
    if (reinterpret_cast<uintptr_t>(p) % kLargePage != 0) return false;  // never a mapped block
    Mapped dropped;
    {
        std::lock_guard<std::mutex> hold(blocks.lock);
        size_t i = 0;
        while (i < blocks.inUseCount && blocks.inUse[i].start != p) ++i;
        if (i == blocks.inUseCount) return false;
        const Mapped block = blocks.inUse[i];
        blocks.inUse[i] = blocks.inUse[--blocks.inUseCount];
        if (blocks.keptCount == kMaxKept) {
            dropped = blocks.kept[0];
            for (size_t k = 1; k < kMaxKept; ++k) blocks.kept[k - 1] = blocks.kept[k];
            --blocks.keptCount;
        }
        blocks.kept[blocks.keptCount++] = block;
    }
    if (dropped.start) munmap(dropped.start, dropped.length);
    return true;
}

void* Allocate(size_t size) {
    if (size >= kLargeBlock && xlat::LargePagesOn())
        if (void* block = TakeLarge(size)) return block;
    for (;;) {
        if (void* block = std::malloc(size ? size : 1)) return block;
        std::new_handler handler = std::get_new_handler();
        if (!handler) throw std::bad_alloc();
        handler();
    }
}

void Release(void* p) noexcept {
    if (p && !GiveBackLarge(p)) std::free(p);
}

}  // namespace

void* operator new(size_t size) { return Allocate(size); }
void* operator new[](size_t size) { return Allocate(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, size_t) noexcept { Release(p); }
void operator delete[](void* p, size_t) noexcept { Release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { Release(p); }

#endif
