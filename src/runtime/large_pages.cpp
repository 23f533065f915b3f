// Memory for the program's large blocks (the source, its normalised text,
// the output and its pieces) comes straight from the system in 2 MB pages.
//
// A run over a large source touches tens of megabytes of new memory; with
// the usual 4 KB pages the first touch of each page is a fault, and on a
// virtual machine these faults took about a quarter of the run. Blocks
// of 1 MB and more are therefore mapped on their own, aligned to 2 MB and
// marked for large pages; smaller blocks go to malloc as usual.
//
// This file replaces the global operator new and delete, so it is linked
// only into the programs (the command and the benchmark), not the library
// or the tests, and not into sanitizer builds, whose own allocator checks
// every block.

#if defined(__linux__) && !defined(__SANITIZE_ADDRESS__) && !defined(XLAT_PLAIN_ALLOCATOR)

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <new>

namespace {

constexpr size_t kLargeBlock = size_t{1} << 20;
constexpr size_t kLargePage = size_t{2} << 20;
// The blocks mapped here and still in use; a program holds only a handful
// at a time. When the list is full, blocks come from malloc.
constexpr size_t kMaxMapped = 256;

struct Mapped {
    void* start;
    size_t length;
};

std::mutex mappedLock;
Mapped mapped[kMaxMapped];
size_t mappedCount = 0;

size_t RoundUp(size_t n, size_t unit) { return (n + unit - 1) / unit * unit; }

// A block of `size` bytes on its own 2 MB-aligned mapping, or nullptr.
void* MapLarge(size_t size) {
    if (size > SIZE_MAX - 2 * kLargePage) return nullptr;
    const size_t length = RoundUp(size, kLargePage);
    const size_t reach = length + kLargePage;  // room to align the start
    void* raw = mmap(nullptr, reach, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) return nullptr;
    const auto base = reinterpret_cast<uintptr_t>(raw);
    const uintptr_t start = RoundUp(base, kLargePage);
    if (start > base) munmap(raw, start - base);
    if (base + reach > start + length)
        munmap(reinterpret_cast<void*>(start + length), base + reach - (start + length));
    void* block = reinterpret_cast<void*>(start);
    madvise(block, length, MADV_HUGEPAGE);  // only a hint: 4 KB pages if refused
    {
        std::lock_guard<std::mutex> hold(mappedLock);
        if (mappedCount < kMaxMapped) {
            mapped[mappedCount++] = {block, length};
            return block;
        }
    }
    munmap(block, length);
    return nullptr;
}

// Unmaps `p` when it is one of the mapped blocks.
bool UnmapLarge(void* p) {
    if (reinterpret_cast<uintptr_t>(p) % kLargePage != 0) return false;  // never a mapped block
    size_t length = 0;
    {
        std::lock_guard<std::mutex> hold(mappedLock);
        for (size_t i = 0; i < mappedCount; ++i) {
            if (mapped[i].start != p) continue;
            length = mapped[i].length;
            mapped[i] = mapped[--mappedCount];
            break;
        }
    }
    if (length == 0) return false;
    munmap(p, length);
    return true;
}

void* Allocate(size_t size) {
    if (size >= kLargeBlock)
        if (void* block = MapLarge(size)) return block;
    for (;;) {
        if (void* block = std::malloc(size ? size : 1)) return block;
        std::new_handler handler = std::get_new_handler();
        if (!handler) throw std::bad_alloc();
        handler();
    }
}

void Release(void* p) noexcept {
    if (p && !UnmapLarge(p)) std::free(p);
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
