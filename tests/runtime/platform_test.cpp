// The platform layer, run on Linux and (cross-built) on Windows: the same
// expectations hold on both, apart from the line ends of text files.
#include "runtime/platform.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

TEST(CommandWord, SplitsAtWhiteSpaceAndKeepsQuotedBlanks) {
    const std::string line = "\"C:\\Program Files\\xlat.exe\"  \"my prog.c\"\tnext";
    EXPECT_EQ(xlat::CommandWord(line, 0), "C:\\Program Files\\xlat.exe");
    EXPECT_EQ(xlat::CommandWord(line, 1), "my prog.c");
    EXPECT_EQ(xlat::CommandWord(line, 2), "next");
    EXPECT_EQ(xlat::CommandWord(line, 3), "");
    EXPECT_EQ(xlat::CommandWord("xlat", 1), "");
    EXPECT_EQ(xlat::CommandWord("xlat   ", 1), "");
    // A quoted part inside a word joins it; backslashes stay as typed.
    EXPECT_EQ(xlat::CommandWord("xlat \"C:\\My Files\"\\prog.c", 1), "C:\\My Files\\prog.c");
    EXPECT_EQ(xlat::CommandWord("xlat \"C:\\dir\\\" x.c", 1), "C:\\dir\\");
    EXPECT_EQ(xlat::CommandWord("xlat \"C:\\dir\\\" x.c", 2), "x.c");
}

// Each test works in a fresh folder of its own under the temporary folder.
class PlatformFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir = xlat::TempFileName(xlat::TempDir(), "xpt");
        ASSERT_FALSE(dir.empty());
        fs::remove(dir);
        fs::create_directory(dir);
        dir += "/";
    }
    void TearDown() override { fs::remove_all(dir); }
    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir + name, std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) {
        std::string content;
        EXPECT_TRUE(xlat::ReadWholeFile(dir + name, content)) << name;
        return content;
    }
    std::string dir;
};

TEST_F(PlatformFiles, ExistAndLof) {
    Write("one.c", "12345");
    EXPECT_TRUE(xlat::Exist(dir + "one.c"));
    EXPECT_FALSE(xlat::Exist(dir + "two.c"));
    EXPECT_FALSE(xlat::Exist(""));
    EXPECT_TRUE(xlat::Exist(dir.substr(0, dir.size() - 1)));  // a directory counts
    EXPECT_TRUE(xlat::Exist(dir + "*.c"));
    EXPECT_TRUE(xlat::Exist(dir + "o?e.c"));
    EXPECT_FALSE(xlat::Exist(dir + "*.h"));
    EXPECT_EQ(xlat::Lof(dir + "one.c"), 5);
    EXPECT_EQ(xlat::Lof(dir + "two.c"), 0);
    EXPECT_EQ(xlat::Lof(""), 0);
}

TEST_F(PlatformFiles, MatchingFilesAreTheFilesInNameOrderWithTheirFolder) {
    Write("b2.c", "");
    Write("b1.c", "");
    Write("b10.c", "");
    Write("c1.c", "");
    fs::create_directory(dir + "b3.c");  // a folder is not a file to convert
    const std::vector<std::string> matches = {dir + "b1.c", dir + "b2.c"};
    EXPECT_EQ(xlat::MatchingFiles(dir + "b?.c"), matches);
    EXPECT_EQ(xlat::MatchingFiles(dir + "*.h"), std::vector<std::string>{});
}

TEST_F(PlatformFiles, CopyNeverOverwritesMoveReplaces) {
    Write("a", "first");
    Write("b", "second");
    EXPECT_FALSE(xlat::CopyFileNoOverwrite(dir + "a", dir + "b"));
    EXPECT_EQ(Read("b"), "second");
    EXPECT_TRUE(xlat::CopyFileNoOverwrite(dir + "a", dir + "c"));
    EXPECT_EQ(Read("c"), "first");

    EXPECT_TRUE(xlat::MoveFileReplacing(dir + "a", dir + "b"));
    EXPECT_FALSE(xlat::Exist(dir + "a"));
    EXPECT_EQ(Read("b"), "first");

    EXPECT_TRUE(xlat::DeleteFileNamed(dir + "b"));
    EXPECT_FALSE(xlat::Exist(dir + "b"));
    EXPECT_FALSE(xlat::DeleteFileNamed(dir + "b"));
}

TEST_F(PlatformFiles, TempFileNamesAreNewEmptyFiles) {
    std::string first = xlat::TempFileName(dir, "IND");
    std::string second = xlat::TempFileName(dir, "IND");
    ASSERT_FALSE(first.empty());
    EXPECT_NE(first, second);
    EXPECT_TRUE(xlat::Exist(first));
    EXPECT_EQ(xlat::Lof(first), 0);
    EXPECT_EQ(fs::path(first).filename().string().rfind("IND", 0), 0u);
    EXPECT_TRUE(xlat::TempFileName(dir + "missing/", "IND").empty());
}

TEST_F(PlatformFiles, WriteFileAtomicallyWritesPlatformLineEndsAndLeavesNoTemporary) {
    Write("out.bas", "old text that is longer than the new\n");
    ASSERT_TRUE(xlat::WriteFileAtomically(dir + "out.bas", "A\nB\n"));
#ifdef _WIN32
    EXPECT_EQ(Read("out.bas"), "A\r\nB\r\n");
#else
    EXPECT_EQ(Read("out.bas"), "A\nB\n");
#endif
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir)) ++files;
    EXPECT_EQ(files, 1);
    EXPECT_FALSE(xlat::WriteFileAtomically(dir + "missing/out.bas", "A\n"));
}

TEST_F(PlatformFiles, ReadWholeFileKeepsBytesAndRefusesDirectories) {
    Write("crlf.c", "x\r\ny\n\x1a");
    EXPECT_EQ(Read("crlf.c"), std::string("x\r\ny\n\x1a"));
    std::string content;
    EXPECT_FALSE(xlat::ReadWholeFile(dir + "none.c", content));
    EXPECT_FALSE(xlat::ReadWholeFile(dir.substr(0, dir.size() - 1), content));
}

TEST(AppPath, IsTheFolderOfTheRunningProgram) {
    std::string app = xlat::AppPath();
    ASSERT_FALSE(app.empty());
    EXPECT_TRUE(app.back() == '/' || app.back() == '\\') << app;
    EXPECT_TRUE(fs::is_directory(app)) << app;
    EXPECT_TRUE(fs::exists(app + "xlat_tests.exe") || fs::exists(app + "xlat_tests")) << app;
}

}  // namespace
