#include "driver/passes.hpp"
#include "runtime/strings.hpp"

namespace xlat {

namespace {

// Removes the blank between two string literals that stand side by side
// ("ab" "cd" becomes "abcd"). A quote-blank-quote whose first quote opens a
// literal (an odd count of quotes up to it) is a literal of one blank and
// stays. Nothing is joined when the first such place is inside a literal.
std::string JoinAdjacentLiterals(const std::string& line) {
    size_t first = line.find("\" \"");
    if (first == std::string::npos) return line;
    if (Tally(std::string_view(line).substr(0, first + 1), "\"") % 2 != 0) return line;
    std::string out;
    out.reserve(line.size());
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
    return out;
}

}  // namespace

void EmitLine(Translator& t) {
    t.lineComment = Trim(t.lineComment);
    if (!t.lineComment.empty()) {
        long gap = 60 - static_cast<long>(t.lineText.size() % 10);
        t.lineText += StringOf(gap, ' ');
        t.lineText += '\'';
        t.lineText += t.lineComment;
    }
    if (t.backslashInString) t.Write("$IPRINT_OFF");
    if (!Trim(t.lineText).empty()) t.Write(JoinAdjacentLiterals(t.lineText));
    if (t.backslashInString) {
        t.Write("$IPRINT_ON");
        t.backslashInString = 0;
    }
    t.lineComment.clear();
    t.lineText.clear();
}

}  // namespace xlat
