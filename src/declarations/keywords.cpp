#include "driver/passes.hpp"
#include "statements/flow_helpers.hpp"

namespace xlat {

namespace {

bool HasTokenFrom(const Translator& t, std::string_view text, int from) {
    for (int i = from; i <= t.lastToken; ++i)
        if (t.TokAt(i) == text) return true;
    return false;
}

// True when a token starting with `c` could be one of the words below.
bool MayBeKeyword(char c) {
    switch (c) {
        case 'b': case 'c': case 'd': case 'g': case 'i': case 'F': case '?': return true;
        default: return false;
    }
}

}  // namespace

// Single C keywords rewritten wherever they stand; a line with the
// conditional operator goes out as raw C.
int TranslateKeywords(Translator& t) {
    for (int i = t.lastToken; i >= 0; --i) {
        if (t.TokAt(i).empty() || !MayBeKeyword(t.TokAt(i)[0])) continue;
        if (t.TokAt(i) == "delete"sv) {
            t.Tok(i) = "free(";
            t.InsertToken(")", i + 2);
        }
        if (t.TokAt(i) == "break"sv) t.Tok(i) = "EXIT LOOP";
        if (t.TokAt(i) == "continue"sv) t.Tok(i) = "ITERATE";
        if (t.TokAt(i) == "int"sv) t.Tok(i) = "INTEGER";
        if (t.TokAt(i) == "goto"sv) t.Tok(i) = "GOTO";
        if (t.TokAt(i) == "FAR"sv && t.TokAt(i + 1) == "*"sv) t.Tok(i).clear();
        if (t.TokAt(i) == "?"sv && HasTokenFrom(t, ":", i)) {
            WriteRawLine(t);
            ApplyRawBraces(t);
            t.lineText.clear();
            return 0;
        }
    }
    if (t.TokAt(0) == "inline"sv && t.IsTypeName(t.TokAt(1))) t.Tok(0).clear();
    t.CompactTokens();
    return 1;
}

}  // namespace xlat
