// SplitStatement brings every line into the shape the statement passes
// expect: one complete statement per line, a block header ending in its "{",
// and a "}" only as the first token of a line. Statements spread over several
// input lines are joined, text after a brace is cut off into pendingText, and
// the character literals of punctuation become codes first so that a '{' or
// a ';' is never taken for real punctuation.
#include <utility>

#include "driver/cut_at_delimiters.hpp"
#include "driver/passes.hpp"
#include "lines/directives.hpp"
#include "runtime/strings.hpp"

namespace xlat {

namespace {

// Punctuation literals and their codes, replaced in this order: the escaped
// apostrophe and backslash come first, and '{' before '"' so that a line
// testing for both keeps the brace literal when the quote literal stands
// before it.
constexpr const char* kCharLiterals[][2] = {
    {"'\\''", "39"}, {"'\\\\'", "92"}, {"' '", "32"},  {"'='", "61"}, {"')'", "41"},
    {"'('", "40"},   {"'{'", "123"},   {"'}'", "125"}, {"';'", "59"}, {"':'", "58"},
    {"'['", "91"},   {"']'", "93"},    {"'*'", "42"},  {"'+'", "43"}, {"','", "44"},
    {"'-'", "45"},   {"'%'", "37"},    {"'&'", "38"},  {"'!'", "33"}, {"'<'", "60"},
    {"'>'", "62"},   {"'\"'", "34"},   {"'\\\"'", "34"},
};

constexpr std::string_view kSplitDelimiters = " ){};";  // see IsSplitDelimiter

// How a statement that is not finished on its line is joined with the text
// that follows it.
enum class Join {
    WithBlank,     // the line ends inside a statement or after a control header
    WithoutBlank,  // a parameter list runs on (its parentheses do not balance)
};

bool IsSplitDelimiter(char c) { return c == ' ' || c == ')' || c == '{' || c == '}' || c == ';'; }

// Tokens from..lastToken, each followed by a blank.
std::string TokensFrom(const Translator& t, int from) {
    std::string text;
    for (int i = from; i <= t.lastToken; ++i) {
        text += t.TokAt(i);
        text += ' ';
    }
    return text;
}

// Whether tokens from..lastToken, written by TokensFrom, come back as the
// same tokens when the text is cut again: every token is a delimiter of its
// own or holds no delimiter, blank or quote (a joined " AND " does).
bool ArePlainTokens(const Translator& t, int from) {
    for (int i = from; i <= t.lastToken; ++i) {
        const std::string& token = t.TokAt(i);
        if (token.size() == 1 && token[0] != ' ' && IsSplitDelimiter(token[0])) continue;
        if (token.empty() || token.find_first_of(" ){};\"\t\n\v\f\r") != std::string::npos) return false;
    }
    return true;
}

// Cuts tokens from..lastToken off the line and puts them in front of
// pendingText, so that they come back as the next line.
void MoveToPending(Translator& t, int from) {
    if (t.pendingText.empty()) {
        t.pendingText = TokensFrom(t, from);
        if (ArePlainTokens(t, from)) t.pendingText.MarkPlainTokens();
    } else {
        t.pendingText = TokensFrom(t, from) + t.pendingText;
    }
    t.lastToken = from - 1;
}

// A comment of a line that is joined with the next is written first, on a
// line of its own.
void WriteJoinComment(Translator& t, Join how) {
    if (t.lineComment.empty()) return;
    t.Write2(how == Join::WithBlank ? "' " : "'", t.lineComment);
    t.lineComment.clear();
}

// A conditional directive that interrupts a statement ("case 1:" followed by
// "#if SHORT") is translated at once, on its own line; so is a directive that
// it sends on (the one that ends an "#if 0" branch). Returns the text that
// the directive sent on and that is not a directive itself.
std::string RunInterruptingDirective(Translator& t, Join how, const std::string& directive) {
    WriteJoinComment(t, how);
    std::string line = directive;
    for (;;) {
        RunDirectiveNow(t, line);
        line = Trim(t.pendingText);
        t.pendingText.clear();
        if (!IsDirectiveLine(line) || !ProbeDirective(line).consumed) return line;
    }
}

bool InterruptsStatement(std::string_view line) { return StartsWith(line, "#if ") || StartsWith(line, "#elif "); }

// The next text of the statement: what is still waiting in pendingText (it
// follows this line directly), or else the next input line.
std::string NextStatementText(Translator& t, Join how) {
    std::string waiting = Trim(t.pendingText);
    t.pendingText.clear();
    if (!waiting.empty()) return waiting;
    for (;;) {
        if (t.AtEnd()) t.Fatal("Sorry. Got Lost trying to format source", "statement not finished at end of file");
        std::string next = Trim(t.ReadLine());
        if (!InterruptsStatement(next)) return next;
        waiting = RunInterruptingDirective(t, how, next);
        if (!waiting.empty()) return waiting;
    }
}

// Puts the line and the text that continues it into pendingText as one line;
// the driver takes it as the next line and runs every pass on it again. A
// comment of the line is written first, on a line of its own.
int JoinWithNextLine(Translator& t, Join how) {
    std::string joined = t.lineText;
    std::string next = NextStatementText(t, how);
    if (how == Join::WithBlank) joined += ' ';
    joined += next;
    t.pendingText = std::move(joined);
    t.lineText.clear();
    WriteJoinComment(t, how);
    return 0;
}

// The first and the last token that cutting `text` at kSplitDelimiters
// gives, found in one scan without building the tokens: a statement joined
// over many lines is tested again after every line, and most of the time
// all the test needs is its last token.
struct OuterTokens {
    std::string_view first;
    std::string_view last;
};

OuterTokens FindOuterTokens(std::string_view text) {
    OuterTokens found;
    auto note = [&found](std::string_view token) {
        if (found.first.empty()) found.first = token;
        found.last = token;
    };
    CutAtDelimiters(text, IsSplitDelimiter, note, [&note](char c, std::string_view delimiter) {
        if (c != ' ') note(delimiter);
    });
    return found;
}

bool EndsStatement(std::string_view token) { return token == ")" || token == "{" || token == "}" || token == ";"; }

// A line that starts a declaration or a definition: a type name, a storage
// word, struct, const or inline.
bool StartsDefinition(const Translator& t) {
    const std::string& first = t.TokAt(0);
    return t.IsTypeName(first) || IsVoidOrStorage(first) || first == "struct" || first == "const" ||
           first == "inline";
}

// The index of the "{" of a one-line function definition (`void f(void) {
// g(); }`) when more tokens follow it, else -1.
int OneLineBodyBrace(const Translator& t) {
    if (!StartsDefinition(t)) return -1;
    for (int i = 1; i < t.lastToken; ++i)
        if (t.TokAt(i) == ")" && t.TokAt(i + 1) == "{") return i + 1 < t.lastToken ? i + 1 : -1;
    return -1;
}

// For a line that is only the first piece of the pending text (ending in
// the first "}" after its first token, the rest of the line being plain
// tokens): whether the steps below cut it where they would cut the whole
// line. They do unless a definition's "{" may stand further on.
bool PieceCutsAsWholeLine(const Translator& t) {
    if (t.lastToken < 1 || t.TokAt(t.lastToken) != "}") return false;
    return !StartsDefinition(t) || OneLineBodyBrace(t) > 0;
}

}  // namespace

int SplitStatement(Translator& t) {
    const bool goesOn = std::exchange(t.lineGoesOn, false);
    if (Contains(t.lineText, "'"))
        for (const auto& literal : kCharLiterals) ReplaceOutsideQuotes(t.lineText, literal[0], literal[1]);
    ConvertCharLiterals(t);
    // Unfinished statements are joined before the line is cut into tokens
    // (joining the tokens of operators never gives a token that ends one).
    OuterTokens outer = FindOuterTokens(t.lineText);
    if (!outer.last.empty() && !StartsWith(outer.first, "#") && !EndsStatement(outer.last))
        return JoinWithNextLine(t, Join::WithBlank);

    if (!Tokenize(t, kSplitDelimiters)) return 0;
    if (StartsWith(t.TokAt(0), "#")) return 1;
    if (goesOn && !PieceCutsAsWholeLine(t)) {
        // The whole line is cut as it always is.
        t.lineText += ' ';
        t.lineText += TrimView(t.pendingText);
        t.pendingText.clear();
        return SplitStatement(t);
    }
    const std::string last = t.TokAt(t.lastToken);
    if (!EndsStatement(last)) return JoinWithNextLine(t, Join::WithBlank);
    if (last == ")") {
        if (t.TokAt(0) != "static" && !t.IsTypeName(t.TokAt(0))) return JoinWithNextLine(t, Join::WithBlank);
        if (Tally(t.lineText, "(") != Tally(t.lineText, ")")) return JoinWithNextLine(t, Join::WithoutBlank);
    }

    if (t.lastToken == 0) return 1;
    if (t.TokAt(0) == "{") {
        MoveToPending(t, 1);
        t.lineText.assign(1, '{');  // not = "{": GCC 12 warns wrongly of an overlap here
        return 1;
    }
    // A one-line function definition: the head keeps its "{" and the body
    // follows as lines of its own.
    if (int brace = OneLineBodyBrace(t); brace > 0) {
        MoveToPending(t, brace + 1);
        t.JoinTokens();
        return 1;
    }
    for (int k = 1; k <= t.lastToken; ++k) {
        if (t.TokAt(k) == "}") {
            MoveToPending(t, k);
            t.JoinTokens();
            break;
        }
    }
    // "} else" and a "}" before a directive do not share a line.
    if (t.lastToken >= 1 && t.TokAt(0) == "}" && (t.TokAt(1) == "else" || StartsWith(t.TokAt(1), "#")))
        MoveToPending(t, 1);
    t.JoinTokens();
    return 1;
}

}  // namespace xlat
