// The command run with too little memory for its file: it must say so and
// fail cleanly, leaving an earlier .bas as it was, not abort.
#include <gtest/gtest.h>

// Run where memory can be limited from the shell and the program's own
// allocator is in (not on Windows, not in sanitizer builds); skipped
// elsewhere, so that every platform runs the same tests.
#if !defined(_WIN32) && !defined(__SANITIZE_ADDRESS__)
#define XLAT_LIMITS_MEMORY 1
#include <sys/wait.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "test_dir.hpp"

namespace fs = std::filesystem;

namespace {

[[maybe_unused]] std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(LowMemory, TheCommandReportsItAndKeepsTheOldOutput) {
#ifndef XLAT_LIMITS_MEMORY
    GTEST_SKIP() << "memory cannot be limited here";
#else
    const fs::path dir = NewTestDir("low_memory");
    {
        std::ofstream source(dir / "big.c", std::ios::binary);
        for (int i = 0; i < 100000; ++i)
            source << "int f" << i << "(int a) {\n    if (a > 3) { a = a + 1; }\n    return a * 2;\n}\n";
    }
    std::ofstream(dir / "big.bas", std::ios::binary) << "an earlier translation\n";

    // 20 MB of address space: enough to start, far too little for 5 MB of C.
    const std::string command =
        "cd '" + dir.string() + "' && ulimit -v 20000 && exec '" XLAT_BINARY "' big.c > out.txt 2> err.txt";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status)) << "the command did not end by itself";
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(ReadAll(dir / "err.txt"), "Sorry: not enough memory to translate this file\n");
    EXPECT_EQ(ReadAll(dir / "big.bas"), "an earlier translation\n");
    fs::remove_all(dir);
#endif
}

}  // namespace
