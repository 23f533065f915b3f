// End-to-end cases: every tests/e2e/cases/NAME.c is translated and compared
// with NAME.bas, the exact indented BASIC expected. Optional files beside it:
//   NAME.dat      extra type names, as the user's type-name file holds them;
//   NAME.verdict  "open" for a conversion with blocks left open, or the exact
//                 message of a fatal stop (then NAME.bas is the text written
//                 before the stop, unindented).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "driver/convert.hpp"
#include "indenter/indent.hpp"

namespace fs = std::filesystem;

namespace {

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> CaseNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(fs::path(XLAT_TEST_DATA) / "e2e" / "cases"))
        if (entry.path().extension() == ".c") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

class EndToEnd : public ::testing::TestWithParam<std::string> {};

TEST_P(EndToEnd, TranslatesExactly) {
    const fs::path dir = fs::path(XLAT_TEST_DATA) / "e2e" / "cases";
    const std::string name = GetParam();
    const std::string source = ReadText(dir / (name + ".c"));
    const std::string typeNames = fs::exists(dir / (name + ".dat")) ? ReadText(dir / (name + ".dat")) : "";
    std::string verdict = fs::exists(dir / (name + ".verdict")) ? ReadText(dir / (name + ".verdict")) : "";
    while (!verdict.empty() && (verdict.back() == '\n' || verdict.back() == '\r')) verdict.pop_back();

    xlat::Conversion result = xlat::TranslateSource(source, typeNames);
    std::string actual;
    if (result.verdict == xlat::Verdict::Fatal) {
        EXPECT_EQ(result.message, verdict) << "unexpected fatal stop";
        actual = result.text;
    } else {
        EXPECT_EQ(result.verdict == xlat::Verdict::OpenBlocks ? "open" : "", verdict);
        actual = xlat::IndentOutput(result.text);
    }
    EXPECT_EQ(actual, ReadText(dir / (name + ".bas")));
}

INSTANTIATE_TEST_SUITE_P(Cases, EndToEnd, ::testing::ValuesIn(CaseNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string n = info.param;
                             for (char& c : n)
                                 if (!isalnum(static_cast<unsigned char>(c))) c = '_';
                             return n;
                         });

}  // namespace
