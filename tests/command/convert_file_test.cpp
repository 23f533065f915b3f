#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "command/convert_file.hpp"
#include "runtime/strings.hpp"
#include "test_dir.hpp"

namespace fs = std::filesystem;
using namespace xlat;

namespace {

class ConvertFileTest : public ::testing::Test {
protected:
    void SetUp() override { dir_ = NewTestDir(::testing::UnitTest::GetInstance()->current_test_info()->name()); }
    void TearDown() override {
        // Read-only files (a read-only source and its backup) cannot be
        // removed everywhere; make them writable first.
        std::error_code ec;
        for (fs::recursive_directory_iterator it(dir_, ec), end; !ec && it != end; it.increment(ec))
            fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, ec);
        fs::remove_all(dir_, ec);
    }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    void WriteFile(const std::string& name, const std::string& text) const {
        std::ofstream(Path(name), std::ios::binary) << text;
    }
    std::string ReadFile(const std::string& name) const {
        std::ifstream in(Path(name), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    // A text file the tool wrote, with the platform's line ends read as "\n".
    std::string ReadOutput(const std::string& name) const {
        std::string text = ReadFile(name), out;
        for (size_t i = 0; i < text.size(); ++i)
            if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
        return out;
    }
    int Run(const std::string& argument) {
        out_.str("");
        err_.str("");
        ConvertOptions options;
        options.programTypeNames = Path("no-such-xlat.dat");
        return ConvertFile(argument, options, out_, err_);
    }

    fs::path dir_;
    std::ostringstream out_, err_;
};

}  // namespace

TEST(StemOf, StopsAtTheFirstDotOfTheFileName) {
    EXPECT_EQ(StemOf("../src/my.prog.c"), "../src/my");
    EXPECT_EQ(StemOf("./foo.c"), "./foo");
    EXPECT_EQ(StemOf("a.b\\c.d.c"), "a.b\\c");
    EXPECT_EQ(StemOf("noext"), "noext");
}

TEST_F(ConvertFileTest, MissingArgumentOrFileIsASyntaxError) {
    EXPECT_EQ(Run(""), 1);
    EXPECT_EQ(out_.str(), "SYNTAX: xlat filename\n");
    EXPECT_EQ(Run(Path("missing.c")), 1);
    EXPECT_EQ(out_.str(), "SYNTAX: xlat filename\n");
    EXPECT_FALSE(fs::exists(Path("missing.bas")));
}

TEST_F(ConvertFileTest, ConvertsBesideTheSourceAndReportsIt) {
    WriteFile("prog.c", "x = a & b | c;\n");
    ASSERT_EQ(Run(Path("prog.c")), 0);
    EXPECT_EQ(ReadOutput("prog.bas"), "x = a BAND b BOR c\n");
    std::string stem = Path("prog");
    EXPECT_EQ(out_.str(),
              "xlat : " + stem + " converted to " + stem + ".bas\nIndenting: " + MCase(stem + ".bas") + "\n");
    EXPECT_EQ(ReadFile("prog(c).BAK"), "x = a & b | c;\n");
    EXPECT_FALSE(fs::exists(Path("prog.out")));
}

TEST_F(ConvertFileTest, BackupsAreNeverOverwritten) {
    WriteFile("p.c", "a = 1;\n");
    ASSERT_EQ(Run(Path("p.c")), 0);
    EXPECT_FALSE(fs::exists(Path("p(tam).BAK")));
    WriteFile("p.c", "b = 2;\n");
    ASSERT_EQ(Run(Path("p.c")), 0);
    EXPECT_EQ(ReadFile("p(c).BAK"), "a = 1;\n");
    EXPECT_EQ(ReadOutput("p(tam).BAK"), "a = 1\n");
    WriteFile("p.c", "c = 3;\n");
    ASSERT_EQ(Run(Path("p.c")), 0);
    EXPECT_EQ(ReadFile("p(c).BAK"), "a = 1;\n");
    EXPECT_EQ(ReadOutput("p(tam).BAK"), "a = 1\n");
    EXPECT_EQ(ReadOutput("p.bas"), "c = 3\n");
}

TEST_F(ConvertFileTest, SourceAndAnyStemOutAreLeftUntouched) {
    WriteFile("s.c", "a = 1;\r\n");
    WriteFile("s.out", "mine");
    fs::permissions(Path("s.c"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    auto before = fs::last_write_time(Path("s.c"));
    ASSERT_EQ(Run(Path("s.c")), 0);
    EXPECT_EQ(ReadFile("s.c"), "a = 1;\r\n");
    EXPECT_EQ(fs::last_write_time(Path("s.c")), before);
    EXPECT_EQ(ReadFile("s.out"), "mine");
    EXPECT_EQ(ReadOutput("s.bas"), "a = 1\n");
}

TEST_F(ConvertFileTest, DotsInTheDirectoryDoNotCutTheStem) {
    fs::create_directories(dir_ / "my.dir");
    WriteFile("my.dir/prog.v2.c", "a = 1;\n");
    ASSERT_EQ(Run(Path("my.dir/prog.v2.c")), 0);
    EXPECT_EQ(ReadOutput("my.dir/prog.bas"), "a = 1\n");
    EXPECT_TRUE(fs::exists(Path("my.dir/prog(c).BAK")));
}

TEST_F(ConvertFileTest, AnUnwritableOutputIsReportedAndTheOldOutputKept) {
    WriteFile("w.c", "a = 1;\n");
    fs::create_directories(dir_ / "w.bas");  // a directory where the output should go
    EXPECT_EQ(Run(Path("w.c")), 1);
    EXPECT_EQ(err_.str(), "Can't open file " + Path("w.bas") + "\n");
    EXPECT_TRUE(fs::is_directory(Path("w.bas")));
    EXPECT_TRUE(fs::exists(Path("w.c")));
}

TEST_F(ConvertFileTest, AFatalStopKeepsTheTextAndSaysWhere) {
    WriteFile("f.c", "a = 1;\n}\n");
    EXPECT_EQ(Run(Path("f.c")), 1);
    EXPECT_EQ(out_.str(), "SYNTAX ERROR IN SOURCE OR BUG\n" + Path("f.c") + "(2): \"}\" with no open block\n");
    EXPECT_EQ(ReadOutput("f.bas"), "a = 1\n");
}

TEST_F(ConvertFileTest, OpenBlocksAreReportedWithTheLineThatOpenedThem) {
    WriteFile("o.c", "x = 0;\nwhile (a) {\nb = 1;\n");
    EXPECT_EQ(Run(Path("o.c")), 1);
    EXPECT_EQ(out_.str(), "Conversion Error Detected. :-(\n" + Path("o.c") +
                              "(2): block left open (no \"WEND\")\nIndenting: " + MCase(Path("o.bas")) + "\n");
    EXPECT_EQ(ReadOutput("o.bas"), "x = 0\nWHILE a\n   b = 1\n");
}

TEST_F(ConvertFileTest, EveryStopSaysWhereAndWhy) {
    struct Stop {
        const char* source;
        std::string message;
        std::string where;
    };
    const Stop stops[] = {
        {"x = 1;\n/* open\nstill open\n", "Sorry: We got lost formating comments", "(2): block comment not closed"},
        {"x = 1;\ny = a +\n", "Sorry. Got Lost trying to format source", "(2): statement not finished at end of file"},
        {"x = 1;\nfor (i = 0;\n", "Sorry. Got Lost trying to format source",
         "(2): for header not closed at end of file"},
    };
    for (const Stop& stop : stops) {
        WriteFile("s.c", stop.source);
        EXPECT_EQ(Run(Path("s.c")), 1) << stop.source;
        EXPECT_EQ(out_.str(), stop.message + "\n" + Path("s.c") + stop.where + "\n") << stop.source;
        EXPECT_EQ(ReadOutput("s.bas").substr(0, 6), "x = 1\n") << stop.source;
    }
}
