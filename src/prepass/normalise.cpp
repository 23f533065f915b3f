// Source normaliser: the result stays in memory, any size is accepted, line
// feeds become CRLF first, and rules 5 and 6 are repeated until stable.
#include "prepass/normalise.hpp"

#include <array>
#include <cstring>
#include <memory>
#include <vector>

#include "prepass/char_finder.hpp"
#include "prepass/literal_tracker.hpp"
#include "prepass/pattern.hpp"

namespace xlat {

namespace {

// The rule texts with the placeholders replaced ("CRLF$" by carriage return
// and line feed, "DQ$" by the double quote, "SQ$" by the apostrophe). Every
// backslash of the C++ literal below that is doubled is one backslash of the
// pattern text.
constexpr std::array<NormaliseRule, kNormaliseRuleCount> kRules = {{
    // 1: struct definition with declarators: declarators first
    // (never a function returning a struct pointer, an initialised structure
    // variable, or a body with an inner brace pair).
    {"(\r\n[ ]*struct)([^{;(=]*[{][^{}]*[}])([^;]+[;])", "\\1\\3\\2", false, ';'},
    // 2: the same for typedef struct, a blank after "typedef struct"
    // (never across a ";", so a forward declaration is not joined to a later
    // brace; never a body with an inner brace pair).
    {"(typedef[ ]+struct)([^{;]*[{][^{}]*[}])([^;]+[;])", "\\1 \\3\\2", false, ';'},
    // 3: "}" at a line end joined with a "while" starting the next line.
    {"(}[ ]*\r\n[ ]*while)", "} while", false},
    // 4: text after "*/" on the same line goes to a line of its own (applied
    // by BreakAfterCommentClosers, which leaves the literals alone).
    {"(\\*/[ ]*)([^\r\n])", "*/\r\n\\2", false},
    // 5: an escaped double quote becomes a backtick (repeated until stable).
    {"([^\\\\])(\\\\[\"])([^'])", "\\1`\\3", true},
    // 6: an escaped apostrophe becomes a backtick (repeated until stable).
    {"([^\\\\])(\\\\['])([^'])", "\\1`\\3", true},
}};

constexpr int kCommentCloserRule = 3;

// Compiled once per process; compiled patterns are immutable.
const std::array<std::unique_ptr<CompiledPattern>, kNormaliseRuleCount>& CompiledRules() {
    static const std::array<std::unique_ptr<CompiledPattern>, kNormaliseRuleCount> compiled = [] {
        std::array<std::unique_ptr<CompiledPattern>, kNormaliseRuleCount> result;
        for (int i = 0; i < kNormaliseRuleCount; ++i) result[i] = CompilePattern(kRules[i].pattern);
        return result;
    }();
    return compiled;
}

// Rule 4 read as C: a comment closer followed, after any blanks, by a
// character other than a line break gets a line break in front of that
// character (the blanks go; with only blanks up to the line break, the last
// blank is that character). A "*/" inside a string or character literal is
// text and is left alone.
void BreakAfterCommentClosers(std::string& text, std::string& spare) {
    constexpr std::string_view kCloser = "*/";
    LiteralTracker literals(text);
    spare.clear();
    std::size_t copied = 0;  // the text before `copied` is in `spare`
    for (std::size_t at = text.find(kCloser); at != std::string::npos; at = text.find(kCloser, at)) {
        const std::size_t after = at + kCloser.size();
        std::size_t next = after;
        while (next < text.size() && text[next] == ' ') ++next;
        const bool lineEnds = next == text.size() || text[next] == '\r' || text[next] == '\n';
        // A closer with its line break right after it changes nothing: only
        // the others ask whether they stand in a literal.
        if ((lineEnds && next == after) || literals.Inside(at)) {
            at = after;
            continue;
        }
        if (lineEnds) --next;  // the last blank
        if (spare.empty()) spare.reserve(text.size() + text.size() / 16);
        spare.append(text, copied, after - copied);
        spare.append("\r\n");
        spare += text[next];
        copied = at = next + 1;
    }
    if (copied == 0) return;  // unchanged
    spare.append(text, copied, std::string::npos);
    text.swap(spare);
}

// Applies rule `index` to `text`, using `spare` as the second buffer: the two
// are swapped when the rule changed anything, so a whole normalisation
// touches two buffers only.
void ApplyRule(int index, std::string& text, std::string& spare) {
    if (index == kCommentCloserRule) {
        BreakAfterCommentClosers(text, spare);
        return;
    }
    const CompiledPattern* pattern = CompiledRules()[index].get();
    const NormaliseRule& rule = kRules[index];
    for (;;) {
        std::string_view searched = text;
        if (rule.matchEnd != 0) {
            const std::size_t last = text.rfind(rule.matchEnd);
            searched = std::string_view(text).substr(0, last == std::string::npos ? 0 : last + 1);
        }
        if (ReplaceAllMatchesInto(pattern, searched, rule.tmpl, 0, spare) == 0) return;  // unchanged
        spare.append(text, searched.size(), std::string::npos);
        text.swap(spare);
        if (!rule.untilStable) return;
    }
}

// Every LF not preceded by CR becomes CR LF; a CR LF is put in front. The
// text between two such LFs is copied in one piece.
std::string PrepareText(std::string_view source) {
    std::string text;
    text.reserve(source.size() + source.size() / 8 + 256);
    text.append("\r\n");
    std::size_t from = 0;  // the source before `from` is in the text
    CharFinder<1> lineFeeds(source, {'\n'});
    for (std::size_t at = lineFeeds.Next(0); at < source.size(); at = lineFeeds.Next(at + 1)) {
        if (at > 0 && source[at - 1] == '\r') continue;
        text.append(source.data() + from, at - from);
        text.append("\r\n", 2);
        from = at + 1;
    }
    text.append(source.data() + from, source.size() - from);
    return text;
}

// Where the C reading of a text stands.
enum class ReadingIn { Code, String, Char, LineComment, BlockComment };

// In code from `i`: goes to the next character that can change the reading
// (found by `codeStops`) and past it; returns where reading goes on.
std::size_t StepInCode(CharFinder<3>& codeStops, std::string_view text, std::size_t i, ReadingIn& in) {
    const std::size_t n = text.size();
    i = codeStops.Next(i);
    if (i == n) return n;
    if (text[i] == '"') {
        in = ReadingIn::String;
    } else if (text[i] == '\'') {
        in = ReadingIn::Char;
    } else if (i + 1 < n && text[i + 1] == '/') {
        in = ReadingIn::LineComment;
    } else if (i + 1 < n && text[i + 1] == '*') {
        in = ReadingIn::BlockComment;
        ++i;
    }
    return i + 1;
}

// In a string or character literal from `i`: goes past the next escape, or
// past the closing quote or line end (back to code then); returns where
// reading goes on. An escaped quote in a string is noted in `escapedQuotes`
// (where its backslash stands).
std::size_t StepInLiteral(std::string_view text, std::size_t i, ReadingIn& in,
                          std::vector<std::size_t>& escapedQuotes) {
    const std::size_t n = text.size();
    const char quote = in == ReadingIn::String ? '"' : '\'';
    while (i < n && text[i] != '\\' && text[i] != quote && text[i] != '\n') ++i;
    if (i == n) return n;
    if (text[i] != '\\') {
        in = ReadingIn::Code;  // the closing quote, or a line end
        return i + 1;
    }
    if (i + 1 == n) return n;
    if (text[i + 1] == '"' && in == ReadingIn::String) {
        escapedQuotes.push_back(i);
        return i + 2;
    }
    // An escape, or a backslash that continues the literal on the next line
    // (its line break included).
    const char next = text[i + 1];
    i += 2;
    if (next == '\r' && i < n && text[i] == '\n') ++i;
    return i;
}

// Where the escaped quotes still inside string literals stand (their
// backslashes). In code only the characters that can change the reading
// are looked at.
std::vector<std::size_t> FindEscapedQuotesLeft(std::string_view text) {
    ReadingIn in = ReadingIn::Code;
    CharFinder<3> codeStops(text, {'"', '\'', '/'});
    const std::size_t n = text.size();
    std::vector<std::size_t> escapedQuotes;
    std::size_t i = 0;
    while (i < n) {
        switch (in) {
            case ReadingIn::Code: i = StepInCode(codeStops, text, i, in); break;
            case ReadingIn::String:
            case ReadingIn::Char: i = StepInLiteral(text, i, in, escapedQuotes); break;
            case ReadingIn::LineComment: {
                const std::size_t end = text.find('\n', i);
                i = end == std::string_view::npos ? n : end + 1;
                in = ReadingIn::Code;
                break;
            }
            case ReadingIn::BlockComment: {
                const std::size_t end = text.find("*/", i);
                i = end == std::string_view::npos ? n : end + 2;
                in = ReadingIn::Code;
                break;
            }
        }
    }
    return escapedQuotes;
}

// Rule 5 needs a character other than a backslash before an escaped quote,
// so it misses the quote of "\\\"" (an escaped backslash, then an escaped
// quote). Left alone, that quote would end the literal and flip the quote
// parity of the rest of the file. This scan reads the text as C (literals and
// comments) and turns every escaped quote still inside a string literal into
// a backtick, as rule 5 does with the others.
void ReplaceEscapedQuotesLeft(std::string& text) {
    // The escaped quotes are noted first, so that a text without one is not
    // copied.
    const std::vector<std::size_t> escapedQuotes = FindEscapedQuotesLeft(text);
    if (escapedQuotes.empty()) return;
    // Each escaped quote (two characters) becomes one backtick: the text is
    // closed up in place.
    const std::size_t n = text.size();
    char* data = text.data();
    std::size_t write = escapedQuotes.front();
    for (std::size_t k = 0; k < escapedQuotes.size(); ++k) {
        data[write++] = '`';
        const std::size_t from = escapedQuotes[k] + 2;
        const std::size_t to = k + 1 < escapedQuotes.size() ? escapedQuotes[k + 1] : n;
        std::memmove(data + write, data + from, to - from);
        write += to - from;
    }
    text.resize(write);
}

// A block comment that opens after code and closes on a later line
// (`#define LIMIT 5  /* retries` ... `*/`): its first line becomes a
// trailing "//" comment of the code, and "/*" takes the place of the blanks
// in front of the next line, so that the rest is a block comment at the
// start of its lines, as
// the comment pass reads them. Otherwise the comment's lines would be taken
// for code. The lines stay as many as they were.
void SplitCommentsAfterCode(std::string& text) {
    std::vector<std::size_t> opens;  // the "/*" to split
    LiteralTracker state(text);
    const std::size_t n = text.size();
    for (std::size_t at = text.find("/*"); at != std::string::npos; at = text.find("/*", at + 2)) {
        if (!state.InCode(at)) continue;
        const std::size_t close = text.find("*/", at + 2);
        if (close == std::string::npos) break;  // left for the comment pass to report
        // Split when code stands before it on its line (whatever followed an
        // earlier "*/" already stands on a line of its own) and it closes on
        // a later line.
        const std::size_t lineStart = at == 0 ? 0 : text.find_last_of('\n', at - 1) + 1;
        const std::size_t code = text.find_first_not_of(" \t\r", lineStart);
        if (code < at && text.find('\n', at) < close) opens.push_back(at);
        at = close;
    }
    if (opens.empty()) return;
    std::string result;
    result.reserve(n + 2 * opens.size());
    std::size_t copied = 0;
    for (const std::size_t open : opens) {
        const std::size_t next = text.find('\n', open) + 1;  // the comment runs on, so a line follows
        result.append(text, copied, open - copied);
        result += "//";
        result.append(text, open + 2, next - open - 2);
        result += "/*";
        copied = text.find_first_not_of(" \t", next);  // the blanks in front go
        if (copied == std::string::npos) copied = n;
    }
    result.append(text, copied, std::string::npos);
    text.swap(result);
}

}  // namespace

const NormaliseRule& GetNormaliseRule(int index) { return kRules.at(static_cast<std::size_t>(index)); }

std::string ApplyNormaliseRule(int index, std::string_view text) {
    (void)GetNormaliseRule(index);  // range check
    std::string result(text);
    std::string spare;
    ApplyRule(index, result, spare);
    return result;
}

std::string NormaliseSource(std::string_view source) {
    // The text ends at the first NUL byte.
    if (const void* nul = source.empty() ? nullptr : std::memchr(source.data(), '\0', source.size()))
        source = source.substr(0, static_cast<const char*>(nul) - source.data());
    std::string text = PrepareText(source);
    std::string spare;
    for (int i = 0; i < kNormaliseRuleCount; ++i) ApplyRule(i, text, spare);
    ReplaceEscapedQuotesLeft(text);
    SplitCommentsAfterCode(text);
    // Remove the line break put in front (the rules always keep it there).
    text.erase(0, text.size() >= 2 ? 2 : text.size());
    return text;
}

}  // namespace xlat
