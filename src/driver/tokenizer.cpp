#include "driver/cut_at_delimiters.hpp"
#include "driver/passes.hpp"
#include "runtime/strings.hpp"

namespace xlat {

namespace {

// Cuts `text` at the delimiter characters outside double-quoted literals.
// Every delimiter becomes a token of its own and empty pieces are dropped.
void SplitIntoTokens(Translator& t, std::string_view text, std::string_view delimiters) {
    bool isDelimiterByte[256] = {};
    for (char c : delimiters) isDelimiterByte[static_cast<unsigned char>(c)] = true;
    auto isDelimiter = [&](char c) { return isDelimiterByte[static_cast<unsigned char>(c)]; };
    int count = 0;
    CutAtDelimiters(
        text, isDelimiter, [&](std::string_view piece) { t.Tok(count++).assign(piece); },
        [&](char c, std::string_view) { t.Tok(count++).assign(1, c); });
    t.lastToken = count - 1;
}

// Compound assignments and shifts are kept as one token, so that they come
// out as written and are never taken for "=", "<" or ">".
void JoinCompoundOperators(Translator& t) {
    for (int p = 0; p < t.lastToken; ++p) {
        std::string& a = t.Tok(p);
        if (a.size() != 1 && (a.empty() || a.back() != '^')) continue;  // no operator below
        const std::string& b = t.TokAt(p + 1);
        if ((a == "<" || a == ">") && b == a) {
            a += b;
            t.Tok(p + 1).clear();
            if (t.TokAt(p + 2) == "=") {
                a += "=";
                t.Tok(p + 2).clear();
            }
        } else if ((a == "+" || a == "-" || a == "/" || a == "%") && b == "=") {
            a += "=";
            t.Tok(p + 1).clear();
        } else if (!a.empty() && a.back() == '^' && b == "=") {
            a += "=";
            t.Tok(p + 1).clear();
        }
    }
}

void JoinTwoCharacterOperators(Translator& t) {
    for (int p = 0; p < t.lastToken; ++p) {
        std::string& a = t.Tok(p);
        if (a.size() != 1) continue;  // every pair below starts with one character
        std::string& b = t.Tok(p + 1);
        if (a == "=" && b == "=") { a = "=="; b.clear(); }
        if (a == "&" && b == "&") { a = " AND "; b.clear(); }
        if (a == "!" && b == "=") { a = "!="; b.clear(); }
        if (a == "<" && b == "=") { a = "<="; b.clear(); }
        if (a == ">" && b == "=") { a = ">="; b.clear(); }
        if (a == "-" && b == ">" && p > 0 && p < t.lastToken - 1) {
            t.Tok(p - 1) += "->" + t.TokAt(p + 2);
            t.Tok(p).clear();
            t.Tok(p + 1).clear();
            t.Tok(p + 2).clear();
        }
    }
}

}  // namespace

int Tokenize(Translator& t, std::string_view delimiters) {
    t.ClearTokens();
    SplitIntoTokens(t, t.lineText, delimiters);
    if (t.lastToken < 0) {
        EmitLine(t);
        return 0;
    }
    if (delimiters == kMainDelimiters) JoinCompoundOperators(t);
    JoinTwoCharacterOperators(t);
    t.CompactTokens();
    return 1;
}

}  // namespace xlat
