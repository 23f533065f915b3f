#include <bitset>
#include <cctype>

#include "driver/passes.hpp"
#include "runtime/strings.hpp"

namespace xlat {

namespace {

bool IsWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// Replaces the word "return" outside string literals, only where it stands
// as a whole word.
std::string ReplaceReturnWord(std::string_view text) {
    constexpr std::string_view kWord = "return";
    std::string out;
    out.reserve(text.size() + 8);
    bool inLiteral = false;
    size_t i = 0;
    while (i < text.size()) {
        if (!inLiteral && text.compare(i, kWord.size(), kWord) == 0 &&
            (i == 0 || !IsWordChar(text[i - 1])) &&
            (i + kWord.size() >= text.size() || !IsWordChar(text[i + kWord.size()]))) {
            out += "FUNCTION =";
            i += kWord.size();
            continue;
        }
        if (text[i] == '"') inLiteral = !inLiteral;
        out += text[i++];
    }
    return out;
}

// Position of the first occurrence of `pattern` outside string literals.
size_t FindUnquoted(std::string_view text, std::string_view pattern) {
    bool inLiteral = false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (!inLiteral && text.compare(i, pattern.size(), pattern) == 0) return i;
        if (text[i] == '"') inLiteral = !inLiteral;
    }
    return std::string_view::npos;
}

}  // namespace

void ApplyOperatorTable(Translator& t) {
    static const std::pair<std::string_view, std::string_view> kBeforeReturn[] = {
        {"( ", "("},  {" )", ")"},  {"ASC (", "ASC("}, {"[ ", "["},  {" ]", "]"},  {" [", "["},
        {"= >", "=>"}, {"< =", "<="}, {"- >", "->"},    {"==", "="}, {"!=", "<>"}, {"- -", "--"},
        {" --", "--"}, {"-- ", "--"}, {"* ", "*"},      {"+ +", "++"}, {" ++", "++"}, {"++ ", "++"},
    };
    static const std::pair<std::string_view, std::string_view> kAfterReturn[] = {
        {"!", " NOT "}, {"||", " OR "}, {"&&", " AND "}, {"| ", "|"}, {"& ", "&"},
    };
    std::string& line = t.lineText;
    // Most patterns cannot occur in a given line: one look at which
    // characters it holds skips them without a search. A replacement only
    // removes characters or adds those of its text, so noting the latter
    // keeps the set a safe superset.
    std::bitset<256> present;
    auto note = [&present](std::string_view text) {
        for (char c : text) present.set(static_cast<unsigned char>(c));
    };
    auto apply = [&](std::string_view pattern, std::string_view replacement) {
        for (char c : pattern)
            if (!present.test(static_cast<unsigned char>(c))) return;
        ReplaceUnquotedInPlace(line, pattern, replacement);
        note(replacement);
    };
    note(line);
    for (auto [pattern, replacement] : kBeforeReturn) apply(pattern, replacement);
    if (Contains(line, "return")) {
        line = ReplaceReturnWord(line);
        note("FUNCTION =");
    }
    for (auto [pattern, replacement] : kAfterReturn) apply(pattern, replacement);
    if (EndsWith(line, "FUNCTION =")) {
        size_t at = FindUnquoted(line, "FUNCTION =");
        if (at != std::string_view::npos) line.resize(at);
        line += " EXIT SUB";
    }
    if (t.lastToken != 0) {
        ReplaceUnquotedInPlace(line, " ,", ",");
        ReplaceUnquotedInPlace(line, ") )", "))");
    }
}

void RewriteExpression(Translator& t) {
    // Bitwise operators. A "&" after "(", ")", ":", "," or "=" is taken for
    // the address-of operator and stays.
    for (int i = 0; i <= t.lastToken; ++i) {
        const std::string& before = t.TokAt(i);
        if (t.TokAt(i + 1) == "&" && (before.empty() || std::string_view("():,=").find(before.back()) ==
                                                            std::string_view::npos) &&
            t.TokAt(i + 2) != "=") {
            t.Tok(i + 1) = "BAND";
        }
        if (t.TokAt(i) == "|" && t.TokAt(i + 1) != "=") t.Tok(i) = "BOR";
        if (t.TokAt(i) == "^" && t.TokAt(i + 1) != "=") t.Tok(i) = "XOR";
    }
    t.lineText.clear();
    t.CompactTokens();
    if (t.lastToken >= 0 && t.TokAt(t.lastToken) == ":") --t.lastToken;
    std::string text;
    for (int i = 0; i <= t.lastToken; ++i) {
        const std::string& token = t.TokAt(i);
        if (!token.empty() && token[0] == '"' && Contains(token, "\\")) t.backslashInString = 1;
        if (token != ";") {
            text += token;
        } else if (i < t.lastToken) {
            text += ':';
        }
        text += ' ';
    }
    t.lineText = RTrim(RTrim(text, ' '), ':');
    ApplyOperatorTable(t);
    EmitLine(t);
}

int FindMatchingParen(const Translator& t, int index) {
    int depth = 0;
    if (t.TokAt(index) == "(") {
        for (int i = index; i <= t.lastToken; ++i) {
            if (t.TokAt(i) == "(") ++depth;
            if (t.TokAt(i) == ")") {
                --depth;
                if (depth == 0) return i;
            }
        }
    } else if (t.TokAt(index) == ")") {
        for (int i = index; i >= 0; --i) {
            if (t.TokAt(i) == "(") {
                ++depth;
                if (depth == 0) return i;
            }
            if (t.TokAt(i) == ")") --depth;
        }
    }
    return index;
}

void FindAssignmentSpan(const Translator& t, int index, int& start, int& end) {
    start = end = index;
    if (t.TokAt(index) != "=") return;
    int depth = 0;
    for (int i = index; i >= 0; --i) {
        const std::string& token = t.TokAt(i);
        if (token == "(") ++depth;
        if (token == ")") --depth;
        if ((token == "(" && depth == 1) || token == "==") {
            start = i;
            break;
        }
    }
    depth = 0;
    for (int i = index; i <= t.lastToken; ++i) {
        const std::string& token = t.TokAt(i);
        if (token == "(") ++depth;
        if (token == ")") --depth;
        if ((token == ")" && depth == -1) || token == "==") {
            end = i;
            break;
        }
    }
}

}  // namespace xlat
