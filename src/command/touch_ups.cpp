#include "command/touch_ups.hpp"

#include <algorithm>
#include <vector>

#include "runtime/strings.hpp"

namespace xlat {

namespace {

enum class Kind { RawLine, Macro, OpenBlock, Reconciled };

struct TouchUp {
    long line;
    Kind kind;
    std::string what;
};

// What is wrong with a line written through behind "!" and what to do.
std::string RawLineNote(const std::string& text) {
    const std::string_view c = std::string_view(text).substr(1);
    if (StartsWith(c, "#")) {
        const std::string word(c.substr(0, c.find(' ')));
        return "\"" + word +
               "\" kept as C behind \"!\": BASIC cannot test this condition; "
               "rewrite it with $IF or $IFDEF, or keep only the branch you need";
    }
    if (c == "}") return "end of a block kept as C behind \"!\": close it as you rewrite the line that opened it";
    if (c.find('?') != std::string_view::npos)
        return "conditional operator (? :) kept as C behind \"!\": rewrite the line with IF ... ELSE ... END IF";
    return "line kept as C behind \"!\": rewrite it in BASIC";
}

std::vector<TouchUp> CollectTouchUps(const Conversion& result) {
    std::vector<TouchUp> list;
    for (const RawLine& raw : result.rawLines) list.push_back({raw.line, Kind::RawLine, RawLineNote(raw.text)});
    // The marks come in pairs; a macro begins at the first of each.
    for (size_t i = 0; i < result.headerLines.size(); i += 2)
        list.push_back({result.headerLines[i], Kind::Macro,
                        "macro kept as C between $HEADER lines: rewrite it as a SUB, FUNCTION or CONST, "
                        "or write it out where it is used"});
    for (const OpenBlock& block : result.openBlocks) {
        std::string what = "block opened here is never closed";
        if (!block.closer.empty()) what += " (no \"" + block.closer + "\")";
        what += ": add the missing \"}\" to the C, or close it in the BASIC";
        list.push_back({block.line, Kind::OpenBlock, what});
    }
    for (long line : result.reconciledBranches)
        list.push_back({line, Kind::Reconciled,
                        "conditional-compilation branches reconciled here: check that the BASIC suits every branch"});
    std::stable_sort(list.begin(), list.end(), [](const TouchUp& a, const TouchUp& b) { return a.line < b.line; });
    return list;
}

std::string Count(size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

void WriteTouchUps(const std::string& fileName, const Conversion& result, std::ostream& out) {
    const std::vector<TouchUp> list = CollectTouchUps(result);
    size_t counts[4] = {};
    for (const TouchUp& touchUp : list) {
        out << fileName << "(" << touchUp.line << "): " << touchUp.what << "\n";
        ++counts[static_cast<int>(touchUp.kind)];
    }
    out << fileName << ": " << Count(counts[0], "line", "lines") << " kept as C, "
        << Count(counts[1], "macro", "macros") << " kept as C, " << Count(counts[2], "block", "blocks")
        << " left open, " << Count(counts[3], "branch", "branches") << " reconciled\n";
}

}  // namespace xlat
