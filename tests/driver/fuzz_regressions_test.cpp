// Inputs that once crashed, hung or upset a sanitizer while fuzzing: each
// must translate to the end (any verdict) and indent.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "driver/convert.hpp"
#include "indenter/indent.hpp"

namespace fs = std::filesystem;

TEST(FuzzRegressions, EveryKeptInputTranslates) {
    const fs::path dir = fs::path(XLAT_TEST_DATA) / ".." / "fuzz" / "regressions";
    int count = 0;
    for (const auto& entry : fs::directory_iterator(dir)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        SCOPED_TRACE(entry.path().filename().string());
        xlat::Conversion result = xlat::TranslateSource(text.str(), "HFONT\nFILE\n");
        std::string indented = xlat::IndentOutput(result.text);
        EXPECT_EQ(result.verdict == xlat::Verdict::Fatal, !result.message.empty());
        ++count;
    }
    EXPECT_GT(count, 0);
}
