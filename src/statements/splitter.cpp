// SplitStatement brings every line into the shape the statement passes
// expect: one complete statement per line, a block header ending in its "{",
// and a "}" only as the first token of a line. Statements spread over several
// input lines are joined, text after a brace is cut off into pendingText, and
// the character literals of punctuation become codes first so that a '{' or
// a ';' is never taken for real punctuation.
#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "comments/comments.hpp"
#include "directives/directives.hpp"
#include "driver/cut_at_delimiters.hpp"
#include "driver/passes.hpp"
#include "expressions/expressions.hpp"
#include "runtime/strings.hpp"
#include "types/type_grammar.hpp"

namespace xlat {

namespace {

// Punctuation literals and their codes, replaced in this order: the escaped
// apostrophe and backslash come first, and '{' before '"' so that a line
// testing for both keeps the brace literal when the quote literal stands
// before it.
constexpr const char* kCharLiterals[][2] = {
    {"'\\''", "39"}, {"'\\\\'", "92"}, {"' '", "32"}, {"'='", "61"},  {"')'", "41"},    {"'('", "40"},
    {"'{'", "123"},  {"'}'", "125"},   {"';'", "59"}, {"':'", "58"},  {"'['", "91"},    {"']'", "93"},
    {"'*'", "42"},   {"'+'", "43"},    {"','", "44"}, {"'-'", "45"},  {"'%'", "37"},    {"'&'", "38"},
    {"'!'", "33"},   {"'<'", "60"},    {"'>'", "62"}, {"'\"'", "34"}, {"'\\\"'", "34"},
};

constexpr std::string_view kSplitDelimiters = " ){};";

// The statement's tokens: the line cut at kSplitDelimiters with the blanks
// left out. (The operator joins of the tokenizer never apply to these cuts,
// and compaction would only drop the blanks.)
using Pieces = std::vector<std::string_view>;

// Cuts `text` into its pieces and writes them into `joined` at the same
// time, each followed by one blank: the pieces are views into `joined`, and
// the text of any first pieces is a front part of it (see JoinPieces). The
// line is walked once, and a piece is copied as it is read.
void CutStatement(std::string_view text, std::string& joined, Pieces& pieces) {
    static const DelimiterSet kSplit(kSplitDelimiters);
    const DelimiterSet::Table& table = kSplit.Classes();
    pieces.clear();
    // A piece of n characters takes n + 1 of `joined`, a delimiter 2 and a
    // blank none: never more than twice the text.
    if (joined.size() < 2 * text.size()) joined.resize(2 * text.size());
    char* out = joined.data();
    char* piece = out;  // where the current piece began in `joined`
    const char* at = text.data();
    const char* const end = at + text.size();
    const auto endPiece = [&] {
        if (out == piece) return;
        pieces.emplace_back(piece, static_cast<size_t>(out - piece));
        *out++ = ' ';
    };
    while (at != end) {
        const CutClass k = table[static_cast<unsigned char>(*at)];
        if (k == CutClass::Plain) {
            *out++ = *at++;
        } else if (k == CutClass::Quote) {
            // The literal runs to the next quote, or to the end of the text.
            const void* close = std::memchr(at + 1, '"', static_cast<size_t>(end - at - 1));
            const char* stop = close == nullptr ? end : static_cast<const char*>(close) + 1;
            out = std::copy(at, stop, out);
            at = stop;
        } else {
            endPiece();
            if (*at != ' ') {
                pieces.emplace_back(out, 1);
                *out++ = *at;
                *out++ = ' ';
            }
            piece = out;
            ++at;
        }
    }
    endPiece();
}

// How a statement that is not finished on its line is joined with the text
// that follows it, and how the comment of the line is written then.
enum class Join {
    GoesOn,         // the line ends inside a statement: with a blank, comment after "' "
    ControlHeader,  // a control header or a call ends in ")": with a blank, comment after "'"
    ParameterList,  // a parameter list runs on (its parentheses do not balance): no blank,
                    // comment after "'"
};

// Pieces from..end, each followed by a blank.
std::string PiecesFrom(const Pieces& pieces, size_t from) {
    size_t size = 0;
    for (size_t i = from; i < pieces.size(); ++i) size += pieces[i].size() + 1;
    std::string text;
    text.reserve(size);
    for (size_t i = from; i < pieces.size(); ++i) {
        text += pieces[i];
        text += ' ';
    }
    return text;
}

// Cuts pieces from..end off the line and puts them in front of pendingText,
// so that they come back as the next line. Pieces that are quiet text mark
// the pending text as quiet pieces (see TakePendingPiece in the driver).
void MoveToPending(Translator& t, Pieces& pieces, size_t from) {
    const std::string moved = PiecesFrom(pieces, from);
    const bool quiet = IsQuietText(moved);
    if (t.pendingText.empty()) {
        t.pendingText = moved;
        if (quiet) t.pendingText.MarkQuietPieces();
    } else {
        // Quiet pieces in front of a text that is quiet pieces from its
        // start keep the whole text quiet: the moved pieces end in a ")",
        // "{", "}" or ";" and a blank, which no comment mark of the text
        // after them can take into one.
        const bool stillQuiet = quiet && t.pendingText.QuietPiecesFrom() == 0;
        t.pendingText.Prepend(moved);
        if (stillQuiet) t.pendingText.MarkQuietPieces();
    }
    pieces.resize(from);
}

// lineText = the pieces, each followed by a blank, trailing blanks stripped.
// The pieces are the first ones of the last cut, which wrote them so into
// joinScratch already.
void JoinPieces(Translator& t, const Pieces& pieces) {
    std::string& text = t.joinScratch;
    size_t size = pieces.empty() ? 0 : static_cast<size_t>(pieces.back().data() + pieces.back().size() - text.data());
    while (size > 0 && text[size - 1] == ' ') --size;
    text.resize(size);
    t.lineText.swap(text);
}

// A comment of a line that is joined with the next is written first, on a
// line of its own.
void WriteJoinComment(Translator& t, Join how) {
    if (t.lineComment.empty()) return;
    t.Write2(how == Join::GoesOn ? "' " : "'", t.lineComment);
    t.lineComment.clear();
}

// A conditional directive that interrupts a statement ("case 1:" followed by
// "#if SHORT") is translated at once, on its own line; so is the directive
// that ends an "#if 0" branch. Returns the text that the directive sent on.
std::string RunInterruptingDirective(Translator& t, Join how, const std::string& directive) {
    WriteJoinComment(t, how);
    std::string line = directive;
    for (;;) {
        const bool deadCode = StartsDeadCode(line);
        RunDirectiveNow(t, line);
        if (!deadCode || t.AtEnd()) break;
        line = Trim(t.ReadLine());
    }
    std::string sentOn = Trim(t.pendingText);
    t.pendingText.clear();
    return sentOn;
}

bool InterruptsStatement(std::string_view line) {
    if (!IsDirectiveLine(line)) return false;
    const std::string name = DirectiveName(line);
    return name == "if"sv || name == "elif"sv;
}

// The next text of the statement: what is still waiting in pendingText (it
// follows this line directly), or else the next input line.
std::string NextStatementText(Translator& t, Join how) {
    std::string waiting = Trim(t.pendingText);
    t.pendingText.clear();
    if (!waiting.empty()) return waiting;
    for (;;) {
        if (t.AtEnd()) t.Fatal("Sorry. Got Lost trying to format source", "statement not finished at end of file");
        std::string next = Trim(t.ReadLine());
        if (StartsLongBlockComment(next)) {
            // Written now, after a comment of the statement's line, which
            // stands before it.
            WriteJoinComment(t, how);
            WriteLongBlockComment(t, next);
            continue;
        }
        if (!InterruptsStatement(next)) {
            // A directive taken into the statement counts here: the directive
            // pass will not see it as a line of its own.
            CountDirective(t, next);
            return next;
        }
        waiting = RunInterruptingDirective(t, how, next);
        if (!waiting.empty()) return waiting;
    }
}

// Puts the line and the text that continues it into pendingText as one line;
// the driver takes it as the next line and runs every pass on it again. A
// comment of the line is written first, on a line of its own.
PassResult JoinWithNextLine(Translator& t, Join how) {
    std::string joined = std::move(t.lineText);
    const std::string next = NextStatementText(t, how);
    if (how != Join::ParameterList) joined += ' ';
    joined += next;
    t.pendingText = joined;
    t.lineText.clear();
    WriteJoinComment(t, how);
    return PassResult::LineDone;
}

bool EndsStatement(std::string_view token);

// A statement spread over many lines (a long initialiser list) is joined one
// line at a time, and every pass before this one runs again over all the
// text joined so far: time that grows with the square of the statement's
// length. While that text holds nothing those passes act on (no apostrophe,
// no comment mark), they act on the new line alone, so the new line is
// shaped here by the comment pass's own code and the next line is joined at
// once. A literal left open at the end of the text (a line of the source
// may end inside one) goes on into the new line. A line that ends the
// statement, or one that holds anything else, goes the usual way with all
// the text joined before it.

// Whether `text` holds none of the marks that make the passes before this
// one act on it: no apostrophe, no "/*" or "*/", no slash-blank-slash (the
// comment pass takes it for "//").
bool HoldsNoMarks(std::string_view text) {
    return text.find('\'') == std::string_view::npos && text.find("/*") == std::string_view::npos &&
           text.find("*/") == std::string_view::npos && text.find("/ /") == std::string_view::npos;
}

bool HoldsOddQuotes(std::string_view text) { return std::count(text.begin(), text.end(), '"') % 2 != 0; }

// Whether the passes before this one leave `text` as it is when more text is
// joined to it: no marks, no comment the comment pass would cut (a character
// literal may have left "//" outside the literals), no blank at its ends and
// no slash at its end.
bool IsQuietJoinedText(std::string_view text) {
    return !text.empty() && !IsTrimSpace(text.front()) && !IsTrimSpace(text.back()) && text.back() != '/' &&
           HoldsNoMarks(text) && !HoldsTrailingComment(text);
}

// What the comment pass makes of `line` (trimmed) joined to quiet text that
// ends inside a string literal or not (`openLiteral`): the text that stays
// (`code`) and the comment cut off it. False when the line holds something
// that this does not follow.
bool ShapeJoinedLine(std::string_view line, bool openLiteral, std::string& code, std::string& comment,
                     bool& hasComment) {
    if (line.find('\'') != std::string_view::npos) return false;
    code.assign(line);
    if (code.find('\t') != std::string::npos) code = Replace(code, "\t", "   ");
    if (OpensUnclosedBlockComment(code, openLiteral)) return false;
    TurnClosedBlockComment(code, openLiteral);
    hasComment = CutTrailingComment(code, comment, openLiteral);
    return HoldsNoMarks(code);
}

// The name characters at the start of `text` (after blanks).
std::string_view LeadingWord(std::string_view text) {
    text = TrimView(text);
    size_t end = 0;
    while (end < text.size() && IsNameChar(text[end])) ++end;
    return text.substr(0, end);
}

// Whether `text`, which looks unfinished, is a statement of its own because
// the next input line that holds code begins a statement: with a label, a
// control word or a jump (blank, "//" and directive lines passed over). No
// expression goes on into those words, so the text is a macro used as a
// statement (`FALLTHROUGH`, `CHECK(x)` without a ";"). So is a lone word
// that is no type or storage word before another lone word (two such
// macros in a row). A label before a label is joined with it into one list,
// and the header of a braceless if, while, for or switch with its body.
// Nothing is consumed.
bool StatementFollows(Translator& t, std::string_view text) {
    const std::string_view first = LeadingWord(text);
    for (std::string_view word : {"case"sv, "default"sv, "if"sv, "while"sv, "for"sv, "switch"sv, "else"sv})
        if (first == word) return false;
    const LineSource::Mark mark = t.in.Position();
    std::string_view line;
    while (!t.AtEnd()) {
        line = TrimView(t.in.ReadLineView());
        if (!line.empty() && line[0] != '#' && !StartsWith(line, "//")) break;
        line = {};
    }
    t.in.Rewind(mark);
    for (std::string_view word : {"case"sv, "default"sv, "if"sv, "while"sv, "for"sv, "switch"sv, "do"sv, "else"sv,
                                  "return"sv, "break"sv, "continue"sv, "goto"sv})
        if (BeginsWithWord(line, word)) return true;
    const auto lone = [](std::string_view words) {
        return !words.empty() && LeadingWord(words).size() == TrimView(words).size();
    };
    return lone(text) && lone(line) && !t.IsTypeName(first) && !IsVoidOrStorage(first) &&
           !type_grammar::IsHeadQualifier(first);
}

// Joins the lines of an unfinished statement; see above.
PassResult JoinStatementLines(Translator& t) {
    if (!t.joinShortcut || !IsQuietJoinedText(t.lineText)) return JoinWithNextLine(t, Join::GoesOn);
    std::string joined = std::move(t.lineText);
    t.lineText.clear();
    std::string code, comment;
    // The splitter's own scratch, free here (the caller is done with its cut
    // of lineText): the buffers keep their size from one statement to the next.
    std::string& cut = t.joinScratch;
    Pieces& pieces = t.splitViews;
    bool openLiteral = HoldsOddQuotes(joined);
    for (;;) {
        const std::string next = NextStatementText(t, Join::GoesOn);
        WriteJoinComment(t, Join::GoesOn);
        bool hasComment = false;
        // A directive taken into the statement may hand text back (a "}" for
        // the next branch), which joining the usual way sees: it goes that way.
        if (!next.empty() && !IsDirectiveLine(next) && ShapeJoinedLine(next, openLiteral, code, comment, hasComment)) {
            // The statement goes on unless the new text ends it (without
            // new pieces, the last piece is the one that did not end it).
            // An open literal runs on to the first quote of the new text,
            // and the pieces from there on are the new ones.
            const size_t closing = openLiteral ? code.find('"') : std::string::npos;
            if (openLiteral && closing == std::string::npos)
                pieces.clear();
            else
                CutStatement(std::string_view(code).substr(openLiteral ? closing + 1 : 0), cut, pieces);
            if (pieces.empty() || !EndsStatement(pieces.back())) {
                // The blank in front of the new text stays unless the
                // comment pass trims it away with a comment it cuts off
                // (a dropped "*/" leaves the line as it is).
                if (!code.empty() || !hasComment) {
                    joined += ' ';
                    joined += code;
                    openLiteral = openLiteral != HoldsOddQuotes(code);
                }
                if (hasComment) t.lineComment = std::move(comment);
                if (!IsTrimSpace(joined.back()) && joined.back() != '/') {
                    if (!StatementFollows(t, joined)) continue;
                    // A statement of its own, as the splitter finds when the
                    // text comes back to it as a line.
                    t.pendingText = std::move(joined);
                    return PassResult::LineDone;
                }
                t.lineText = std::move(joined);
                return JoinWithNextLine(t, Join::GoesOn);
            }
        } else if (next.empty()) {
            continue;  // a blank line adds nothing to the statement
        }
        // The line that ends the statement, or one that this does not
        // follow: the joined text goes through every pass again.
        joined += ' ';
        joined += next;
        t.pendingText = std::move(joined);
        return PassResult::LineDone;
    }
}

bool EndsStatement(std::string_view token) {
    return token == ")"sv || token == "{"sv || token == "}"sv || token == ";"sv;
}

// A line that starts a declaration or a definition: a type name, a storage
// word, struct, const or inline.
bool StartsDefinition(const Translator& t, std::string_view first) {
    return first == "struct"sv || first == "const"sv || first == "inline"sv || IsVoidOrStorage(first) ||
           t.IsTypeName(first);
}

// At file level, a ") {" after words and a name is a function head whatever
// its first word (`num f(int p) { ... }`): no statement stands there.
bool StartsFileLevelHead(const Translator& t, std::string_view first) {
    return t.BlockDepth() == 0 && StartsName(first) && !type_grammar::IsStatementWord(first) &&
           first.find_first_of("(=") == std::string_view::npos;
}

// The index of the "{" of a one-line function definition (`void f(void) {
// g(); }`) when more pieces follow it, else 0.
size_t OneLineBodyBrace(const Translator& t, const Pieces& pieces) {
    if (pieces.size() < 2) return 0;
    const size_t last = pieces.size() - 1;
    for (size_t i = 1; i < last; ++i) {
        if (pieces[i] != ")"sv || pieces[i + 1] != "{"sv) continue;
        if (i + 1 == last || !(StartsDefinition(t, pieces[0]) || StartsFileLevelHead(t, pieces[0]))) return 0;
        return i + 1;
    }
    return 0;
}

// The index of the "{" of a structure definition whose body goes on on the
// same line (`struct S { int a; };`, or `struct r; rect { int w; }` as the
// pre-pass puts a definition with variables), else 0.
size_t OneLineStructBrace(const Pieces& pieces) {
    const auto structure = [&](size_t i) {
        return i < pieces.size() && (pieces[i] == "struct"sv || pieces[i] == "union"sv);
    };
    const bool head = structure(0) || (!pieces.empty() && pieces[0] == "typedef"sv && structure(1));
    if (!head) return 0;
    for (size_t i = 1; i + 1 < pieces.size(); ++i) {
        if (pieces[i] == "}"sv) return 0;
        if (pieces[i] == "{"sv) return i;
    }
    return 0;
}

// For a line that is only the first piece of the pending text (ending in
// the first "}" after its first token, or a "{" that starts the line; the
// rest of the line being quiet pieces): whether the steps below cut it where
// they would cut the whole line. They do unless a definition's "{" may
// stand further on.
bool PieceCutsAsWholeLine(const Translator& t, const Pieces& pieces) {
    if (pieces.size() == 1 && pieces[0] == "{"sv) return true;  // a "{" of its own is cut off at once
    if (pieces.size() < 2 || pieces.back() != "}"sv) return false;
    return !(StartsDefinition(t, pieces[0]) || StartsFileLevelHead(t, pieces[0])) || OneLineBodyBrace(t, pieces) > 0;
}

// Whether a "}" followed by `next` (the pre-pass joins a "}" that ends a
// line with a while that starts the next one) closes a block before a while
// loop of its own: unless the innermost block is a do body, whose while
// tail stays with its "}".
bool StartsOwnWhileLoop(const Translator& t, std::string_view next) {
    const BlockRecord* top = t.TopBlock();
    return BeginsWithWord(next, "while") && !(top && top->closer == "LOOP"sv);
}

// The punctuation literals become their codes. A literal can only stand
// where an apostrophe is followed by its second character; codes are
// digits, so a replacement never makes a new literal. `i` is the first
// apostrophe of the line.
void ReplacePunctuationLiterals(std::string& line, size_t i) {
    if (i + 1 == line.size()) return;
    bool follows[256] = {};
    for (; i != std::string::npos && i + 1 < line.size(); i = line.find('\'', i + 1))
        follows[static_cast<unsigned char>(line[i + 1])] = true;
    for (const auto& literal : kCharLiterals)
        if (follows[static_cast<unsigned char>(literal[0][1])]) ReplaceOutsideQuotes(line, literal[0], literal[1]);
}

// The statement is whole: the pieces after its end go to pendingText, and
// a "{" or "}" that must stand alone is cut off.
PassResult CutAfterStatement(Translator& t, Pieces& pieces, std::string_view first) {
    if (pieces.size() == 1) return PassResult::GoOn;
    if (first == "{"sv) {
        MoveToPending(t, pieces, 1);
        t.lineText.assign(1, '{');  // not = "{": GCC 12 warns wrongly of an overlap here
        return PassResult::GoOn;
    }
    // A one-line function or structure definition: the head keeps its "{"
    // and the body follows as lines of its own, as it does over several lines.
    size_t brace = OneLineBodyBrace(t, pieces);
    if (brace == 0) brace = OneLineStructBrace(pieces);
    if (brace > 0) {
        MoveToPending(t, pieces, brace + 1);
        JoinPieces(t, pieces);
        return PassResult::GoOn;
    }
    // The members of a structure go on lines of their own (a nested
    // structure's head `struct p ; {` stays whole).
    if (t.inTypeDef && first != "struct"sv && first != "union"sv) {
        for (size_t k = 1; k + 1 < pieces.size(); ++k) {
            if (pieces[k] == ";"sv) {
                MoveToPending(t, pieces, k + 1);
                break;
            }
        }
    }
    for (size_t k = 1; k < pieces.size(); ++k) {
        if (pieces[k] == "}"sv) {
            MoveToPending(t, pieces, k);
            break;
        }
    }
    // "} else", a "}" before a directive and a "}" before a while loop of
    // its own (the "}" closes anything but a do body) do not share a line.
    if (pieces.size() >= 2 && pieces[0] == "}"sv &&
        (pieces[1] == "else"sv || StartsWith(pieces[1], "#") || StartsOwnWhileLoop(t, pieces[1])))
        MoveToPending(t, pieces, 1);
    JoinPieces(t, pieces);
    return PassResult::GoOn;
}

// One look at the line. When a piece of a long line does not cut as the
// whole line would, the whole line is taken back and looked at again.
PassResult SplitOnce(Translator& t) {
    const bool goesOn = std::exchange(t.lineGoesOn, false);
    // Character literals need an apostrophe; without one, the literal pass
    // only has something to do on an empty line.
    const size_t apostrophe = t.lineText.find('\'');
    if (apostrophe != std::string::npos) ReplacePunctuationLiterals(t.lineText, apostrophe);
    if (apostrophe != std::string::npos || t.lineText.empty()) ConvertCharLiterals(t);
    if (t.lineText.empty()) {
        t.ClearTokens();
        EmitLine(t);
        return PassResult::LineDone;
    }
    Pieces& pieces = t.splitViews;
    CutStatement(t.lineText, t.joinScratch, pieces);
    // Unfinished statements are joined before anything else (joining the
    // tokens of operators never gives a token that ends one).
    const std::string_view first = pieces.empty() ? std::string_view() : pieces.front();
    const std::string_view last = pieces.empty() ? std::string_view() : pieces.back();
    if (StartsWith(first, "#")) return PassResult::GoOn;
    if (!pieces.empty() && !EndsStatement(last) && !StatementFollows(t, t.lineText)) return JoinStatementLines(t);
    if (goesOn && !PieceCutsAsWholeLine(t, pieces)) {
        // The whole line is cut as it always is.
        t.lineText += ' ';
        t.lineText += TrimView(t.pendingText);
        t.pendingText.clear();
        return PassResult::LookAgain;
    }
    if (pieces.empty()) return JoinWithNextLine(t, Join::GoesOn);  // a line of blanks
    if (last == ")"sv && !StatementFollows(t, t.lineText)) {
        const bool taggedType = type_grammar::IsTagWord(first) && pieces.size() > 2 && StartsName(pieces[1]);
        if (first != "static"sv && !t.IsTypeName(first) && !taggedType) return JoinWithNextLine(t, Join::ControlHeader);
        if (Tally(t.lineText, "(") != Tally(t.lineText, ")")) return JoinWithNextLine(t, Join::ParameterList);
    }
    return CutAfterStatement(t, pieces, first);
}

}  // namespace

PassResult SplitStatement(Translator& t) { return UntilSettled<SplitOnce>(t); }

}  // namespace xlat
