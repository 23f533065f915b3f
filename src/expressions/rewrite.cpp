#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>

#include "driver/passes.hpp"
#include "expressions/expressions.hpp"
#include "runtime/strings.hpp"

namespace xlat {

namespace {

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

bool IsChar(const std::string& token, char c) { return token.size() == 1 && token[0] == c; }

// Replaces the word "return" outside string literals, only where it stands
// as a whole word.
std::string ReplaceReturnWord(std::string_view text) {
    constexpr std::string_view kWord = "return";
    std::string out;
    out.reserve(text.size() + 8);
    bool inLiteral = false;
    size_t i = 0;
    while (i < text.size()) {
        if (!inLiteral && text.compare(i, kWord.size(), kWord) == 0 && (i == 0 || !IsWordChar(text[i - 1])) &&
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

namespace {

struct OperatorRule {
    std::string_view pattern;
    std::string_view replacement;
};

constexpr OperatorRule kBeforeReturn[] = {
    {"( ", "("},   {" )", ")"},   {"ASC (", "ASC("}, {"[ ", "["},   {" ]", "]"},   {" [", "["},
    {"= >", "=>"}, {"< =", "<="}, {"- >", "->"},     {"==", "="},   {"!=", "<>"},  {"- -", "--"},
    {" --", "--"}, {"-- ", "--"}, {"* ", "*"},       {"+ +", "++"}, {" ++", "++"}, {"++ ", "++"},
};
constexpr OperatorRule kAfterReturn[] = {
    {"!", " NOT "}, {"||", " OR "}, {"&&", " AND "}, {"| ", "|"}, {"& ", "&"},
};
// Only for lines of more than one token.
constexpr OperatorRule kListsAndCalls[] = {{" ,", ","}, {") )", "))"}};

// Every character that a pattern holds has a bit of its own, so that the
// characters a line holds fit in one word.
using CharMask = std::uint32_t;

constexpr std::array<CharMask, 256> MakeCharBits() {
    std::array<CharMask, 256> bits{};
    int next = 0;
    auto add = [&](const auto& rules) {
        for (const OperatorRule& rule : rules)
            for (char c : rule.pattern)
                if (bits[static_cast<unsigned char>(c)] == 0)
                    bits[static_cast<unsigned char>(c)] = CharMask{1} << next++;
    };
    add(kBeforeReturn);
    add(kAfterReturn);
    add(kListsAndCalls);
    add(std::array{OperatorRule{"return", ""}});  // the word looked for between the tables
    return bits;
}

constexpr std::array<CharMask, 256> kCharBits = MakeCharBits();

constexpr CharMask MaskOf(std::string_view text) {
    CharMask mask = 0;
    for (char c : text) mask |= kCharBits[static_cast<unsigned char>(c)];
    return mask;
}

// A rule with the characters its pattern needs and those its replacement
// brings, worked out once.
struct MaskedRule {
    OperatorRule rule;
    CharMask need;
    CharMask brings;
};

template <size_t N>
constexpr std::array<MaskedRule, N> Masked(const OperatorRule (&rules)[N]) {
    std::array<MaskedRule, N> masked{};
    for (size_t i = 0; i < N; ++i) masked[i] = {rules[i], MaskOf(rules[i].pattern), MaskOf(rules[i].replacement)};
    return masked;
}

constexpr auto kMaskedBeforeReturn = Masked(kBeforeReturn);
constexpr auto kMaskedAfterReturn = Masked(kAfterReturn);
constexpr auto kMaskedListsAndCalls = Masked(kListsAndCalls);
constexpr CharMask kReturnMask = MaskOf("return");
constexpr CharMask kFunctionResultMask = MaskOf("FUNCTION =");
constexpr CharMask kExitSubMask = MaskOf(" EXIT SUB");

// Runs the rules in order. Most patterns cannot occur in a given line: the
// characters it holds skip them without a search. A replacement only
// removes characters or adds those of its text, so noting the latter keeps
// the mask a safe superset.
template <size_t N>
void ApplyRules(std::string& line, const std::array<MaskedRule, N>& rules, CharMask& present) {
    for (const MaskedRule& masked : rules) {
        if ((masked.need & ~present) != 0) continue;
        ReplaceUnquotedInPlace(line, masked.rule.pattern, masked.rule.replacement);
        present |= masked.brings;
    }
}

void ApplyOperatorTable(Translator& t) {
    std::string& line = t.lineText;
    CharMask present = MaskOf(line);
    ApplyRules(line, kMaskedBeforeReturn, present);
    if ((kReturnMask & ~present) == 0 && Contains(line, "return")) {
        line = ReplaceReturnWord(line);
        present |= kFunctionResultMask;
    }
    ApplyRules(line, kMaskedAfterReturn, present);
    if (EndsWith(line, "FUNCTION =")) {
        size_t at = FindUnquoted(line, "FUNCTION =");
        if (at != std::string_view::npos) line.resize(at);
        line += " EXIT SUB";
        present |= kExitSubMask;
    }
    if (t.lastToken != 0) ApplyRules(line, kMaskedListsAndCalls, present);
}

}  // namespace

PassResult RewriteExpression(Translator& t) {
    // Bitwise operators. A "&" after "(", ")", ":", "," or "=" is taken for
    // the address-of operator and stays. (The look past the last token reads
    // whatever the slots there hold.)
    for (int i = 0; i <= t.lastToken; ++i) {
        if (IsChar(t.TokAt(i + 1), '&')) {
            const std::string& before = t.TokAt(i);
            if ((before.empty() || std::string_view("():,=").find(before.back()) == std::string_view::npos) &&
                !IsChar(t.TokAt(i + 2), '='))
                t.Tok(i + 1) = "BAND";
        }
        const std::string& token = t.TokAt(i);
        if (token.size() != 1 || (token[0] != '|' && token[0] != '^')) continue;
        if (!IsChar(t.TokAt(i + 1), '=')) t.Tok(i) = token[0] == '|' ? "BOR" : "XOR";
    }
    t.lineText.clear();
    t.CompactTokens();
    if (t.lastToken >= 0 && IsChar(t.TokAt(t.lastToken), ':')) --t.lastToken;
    std::string& text = t.lineText;
    size_t size = 0;
    for (int i = 0; i <= t.lastToken; ++i) size += t.TokAt(i).size() + 1;
    text.resize(size);
    char* out = text.data();
    for (int i = 0; i <= t.lastToken; ++i) {
        const std::string& token = t.TokAt(i);
        if (!token.empty() && token[0] == '"' && token.find('\\') != std::string::npos) t.backslashInString = 1;
        if (!IsChar(token, ';')) {
            out = std::copy(token.begin(), token.end(), out);
        } else if (i < t.lastToken) {
            *out++ = ':';
        }
        *out++ = ' ';
    }
    text.resize(static_cast<size_t>(out - text.data()));
    // Trailing blanks and colons go.
    size_t end = text.size();
    while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == ':')) --end;
    text.resize(end);
    ApplyOperatorTable(t);
    EmitLine(t);
    return PassResult::LineDone;
}

int FindMatchingParen(const Translator& t, int index) {
    int depth = 0;
    if (t.TokAt(index) == "("sv) {
        for (int i = index; i <= t.lastToken; ++i) {
            if (t.TokAt(i) == "("sv) ++depth;
            if (t.TokAt(i) == ")"sv) {
                --depth;
                if (depth == 0) return i;
            }
        }
    } else if (t.TokAt(index) == ")"sv) {
        for (int i = index; i >= 0; --i) {
            if (t.TokAt(i) == "("sv) {
                ++depth;
                if (depth == 0) return i;
            }
            if (t.TokAt(i) == ")"sv) --depth;
        }
    }
    return index;
}

void FindAssignmentSpan(const Translator& t, int index, int& start, int& end) {
    start = end = index;
    if (t.TokAt(index) != "="sv) return;
    int depth = 0;
    for (int i = index; i >= 0; --i) {
        const std::string& token = t.TokAt(i);
        if (token == "("sv) ++depth;
        if (token == ")"sv) --depth;
        if ((token == "("sv && depth == 1) || token == "=="sv) {
            start = i;
            break;
        }
    }
    depth = 0;
    for (int i = index; i <= t.lastToken; ++i) {
        const std::string& token = t.TokAt(i);
        if (token == "("sv) ++depth;
        if (token == ")"sv) --depth;
        if ((token == ")"sv && depth == -1) || token == "=="sv) {
            end = i;
            break;
        }
    }
}

}  // namespace xlat
