// The program's large blocks come from their own mappings; these tests run
// with that allocator (it is linked into the test program as well).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace {

constexpr size_t kMB = size_t{1} << 20;

// Whether the program's own allocator is linked in (on Linux, outside
// sanitizer builds); elsewhere its tests are skipped, so that every
// platform runs the same tests.
#if defined(__linux__) && !defined(__SANITIZE_ADDRESS__)
constexpr bool kOwnAllocator = true;
#else
constexpr bool kOwnAllocator = false;
#endif
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitizer = true;
#else
constexpr bool kSanitizer = false;
#endif

TEST(LargePages, LargeAndSmallBlocksHoldTheirContent) {
    // Sizes on both sides of the 1 MB line and of the 2 MB page.
    for (size_t size : {size_t{1}, kMB - 1, kMB, kMB + 1, 2 * kMB, 2 * kMB + 1, 7 * kMB + 3}) {
        std::vector<unsigned char> block(size);
        for (size_t i = 0; i < size; i += 4093) block[i] = static_cast<unsigned char>(i);
        block[size - 1] = 0x5a;
        for (size_t i = 0; i + 1 < size; i += 4093) ASSERT_EQ(block[i], static_cast<unsigned char>(i)) << size;
        EXPECT_EQ(block[size - 1], 0x5a);
    }
}

TEST(LargePages, LargeBlocksStartOnALargePage) {
    if (!kOwnAllocator) GTEST_SKIP() << "the system's allocator";
    std::vector<char> large(kMB);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(large.data()) % (2 * kMB), 0u);
}

TEST(LargePages, AFreedBlockServesTheNextOfAboutItsSize) {
    if (!kOwnAllocator) GTEST_SKIP() << "the system's allocator";
    // The passes free one text and make the next of about the same size.
    char* first = new char[3 * kMB];
    first[0] = 'a';
    const auto firstAt = reinterpret_cast<uintptr_t>(first);
    delete[] first;
    char* second = new char[3 * kMB + 100];
    EXPECT_EQ(reinterpret_cast<uintptr_t>(second), firstAt);
    second[3 * kMB + 99] = 'b';
    delete[] second;
    // A request far smaller than the kept block gets a block of its own
    // (the kept one would hold memory for nothing).
    char* large = new char[16 * kMB];
    const auto largeAt = reinterpret_cast<uintptr_t>(large);
    delete[] large;
    char* small = new char[kMB];
    EXPECT_NE(reinterpret_cast<uintptr_t>(small), largeAt);
    delete[] small;
}

TEST(LargePages, ManyLargeBlocksAtOnce) {
    // More blocks than the allocator keeps track of: the rest come from the
    // ordinary heap, and every one is freed by the right party.
    std::vector<std::unique_ptr<char[]>> blocks;
    // (Only some are written: each written block costs a whole large page.)
    for (int i = 0; i < 300; ++i) blocks.emplace_back(new char[kMB + static_cast<size_t>(i)]);
    for (int i = 0; i < 300; i += 23) std::memset(blocks[static_cast<size_t>(i)].get(), i, 64);
    for (int i = 0; i < 300; i += 23) EXPECT_EQ(blocks[static_cast<size_t>(i)][63], static_cast<char>(i));
    blocks.clear();
    std::string grown;
    for (int i = 0; i < 20; ++i) grown.append(kMB / 2, 'x');  // grows through many large blocks
    EXPECT_EQ(grown.size(), 10 * kMB);
    EXPECT_EQ(grown.back(), 'x');
}

TEST(LargePages, ImpossibleSizesFailCleanly) {
    if (kSanitizer) GTEST_SKIP() << "the sanitizer's allocator stops the program on such sizes";
    volatile size_t huge = SIZE_MAX - 4096;  // hidden from the compiler's size checks
    EXPECT_EQ(::operator new(huge, std::nothrow), nullptr);
    EXPECT_THROW((void)::operator new(huge), std::bad_alloc);
    ::operator delete(nullptr);
}

}  // namespace
