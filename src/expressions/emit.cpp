#include <algorithm>

#include "expressions/expressions.hpp"
#include "runtime/strings.hpp"

namespace xlat {

namespace {

// Writes `line` as one output line with the blank between two string
// literals that stand side by side removed ("ab" "cd" becomes "abcd"). A
// quote-blank-quote whose first quote opens a literal (an odd count of
// quotes up to it) is a literal of one blank and stays. Nothing is joined
// when the first such place is inside a literal.
void WriteJoiningAdjacentLiterals(Translator& t, const std::string& line) {
    size_t first = line.find("\" \"");
    if (first == std::string::npos ||
        std::count(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(first) + 1, '"') % 2 != 0) {
        t.Write(line);
        return;
    }
    std::string& out = t.out;
    out.reserve(out.size() + line.size() + 1);
    long quotesBefore = 0;
    size_t i = 0;
    while (i < line.size()) {
        if (line.compare(i, 3, "\" \"") == 0 && (quotesBefore + 1) % 2 == 0) {
            // The three characters go; the character that moves into their
            // place is not tested again as the start of a pair.
            i += 3;
            if (i < line.size()) {
                if (line[i] == '"') ++quotesBefore;
                out += line[i++];
            }
            continue;
        }
        if (line[i] == '"') ++quotesBefore;
        out += line[i++];
    }
    out += '\n';
}

}  // namespace

void EmitLine(Translator& t) {
    const std::string_view comment = TrimView(t.lineComment);
    if (!comment.empty()) {
        long gap = 60 - static_cast<long>(t.lineText.size() % 10);
        t.lineText.append(static_cast<size_t>(gap), ' ');
        t.lineText += '\'';
        t.lineText += comment;
    }
    if (t.backslashInString) t.Write("$IPRINT_OFF");
    if (!TrimView(t.lineText).empty()) WriteJoiningAdjacentLiterals(t, t.lineText);
    if (t.backslashInString) {
        t.Write("$IPRINT_ON");
        t.backslashInString = 0;
    }
    t.lineComment.clear();
    t.lineText.clear();
}

}  // namespace xlat
