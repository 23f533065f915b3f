// The brace pass: "{" opens the block that the last header armed in
// pendingBlock, "}" closes the innermost block and writes its BASIC closer.
#include <cctype>
#include <optional>
#include <vector>

#include "declarations/declarations.hpp"
#include "directives/directives.hpp"
#include "driver/passes.hpp"
#include "expressions/expressions.hpp"
#include "runtime/strings.hpp"

namespace xlat {

namespace {

void ForgetPendingBlock(Translator& t) { t.pendingBlock = BlockRecord{}; }

// Moves tokens from..lastToken, each followed by a blank, in front of
// pendingText; the line then ends before them.
void MoveTokensToPending(Translator& t, int from) {
    std::string rest;
    for (int i = from; i <= t.lastToken; ++i) rest += t.TokAt(i) + " ";
    t.pendingText = rest + t.pendingText;
    t.lastToken = from - 1;
}

// Pops the step record of a for loop (below its NEXT marker) and writes the
// step and the end of the loop.
void CloseForLoop(Translator& t) {
    const BlockRecord step = t.PopBlock();
    t.Write(step.closer);
    t.Write("WEND");
    t.scratchText.clear();
}

// Closes every block above whose body had no braces of its own.
void RunCascade(Translator& t) {
    while (t.TopBlock() && t.TopBlock()->autoClose == 1) {
        t.pendingBlock = t.PopBlock();
        if (!t.pendingBlock.declaration.empty()) {
            // A structure that declares variables: the declaration is
            // translated as the next statement.
            t.pendingText = t.pendingBlock.declaration + " " + t.pendingText;
        } else if (t.pendingBlock.closer == "NEXT"sv) {
            CloseForLoop(t);
        } else {
            t.Write(t.pendingBlock.closer);
        }
    }
}

// Writes what is left of the current line now, as the driver's last steps
// would, so that lines of closed outer blocks can follow it.
void FinishLineNow(Translator& t) { RunInOrder<RenameWinMainParams, RewriteExpression>(t); }

// A whole-line comment or a blank line between a do body's "}" and its
// while tail: true for such a line; with `write` set it is written as the
// comment pass would write it.
bool PassOverLine(Translator& t, const std::string& line, bool write) {
    const std::string text = Replace(Trim(line), "\t", "   ");
    if (text.empty()) {
        if (write) t.Write("");
        return true;
    }
    if (StartsWith(text, "//")) {
        if (write) t.Write2("'", Mid(text, 3));
        return true;
    }
    const long open = InStr(text, "/*");
    const long close = InStr(text, "*/");
    if (open == 1 && close > open && close == static_cast<long>(text.size()) - 1) {
        if (write) t.Write2("'", Mid(Remove(Replace(text, "/*", "//"), "*/"), 3));
        return true;
    }
    return false;
}

// The "}" of a do body with no while after it on its line. When the while
// tail is the next statement, the "}" is sent back joined with it so that it
// closes the loop as "LOOP WHILE ..."; returns true then. Otherwise the lines
// looked at are read again after the LOOP line, where they stand.
bool JoinWhileTail(Translator& t, int i) {
    if (i != t.lastToken) return false;
    if (!TrimView(t.pendingText).empty()) {
        if (!BeginsWithWord(TrimView(t.pendingText), "while")) return false;
        t.pendingText = "} " + Trim(t.pendingText);
    } else {
        const LineSource::Mark start = t.in.Position();
        std::vector<std::string> passedOver;
        std::string next;
        while (!t.AtEnd()) {
            next = t.ReadLine();
            if (!PassOverLine(t, next, false)) break;
            passedOver.push_back(std::move(next));
            next.clear();
        }
        if (!BeginsWithWord(Trim(next), "while")) {
            t.in.Rewind(start);
            return false;
        }
        for (const std::string& line : passedOver) PassOverLine(t, line, true);
        t.pendingText = "} " + Trim(next);
    }
    // The "}" comes back with its tail; its trailing comment stays pending
    // and is written with the LOOP WHILE line.
    t.lastToken = -1;
    t.lineText.clear();
    return true;
}

// The pass result at a "}", or nothing when the walk over the tokens goes on.
using AtCloser = std::optional<PassResult>;

// "}" of a do body.
AtCloser CloseDoLoop(Translator& t, int i) {
    if (t.TokAt(i + 1) != "while"sv && JoinWhileTail(t, i)) return PassResult::LineDone;
    t.PopBlock();
    t.Tok(i) = "LOOP";
    if (t.TokAt(i + 1) == "while"sv) {
        t.Tok(i + 1) = "WHILE";
        if (t.TokAt(i + 2) == "("sv) {
            const int close = FindMatchingParen(t, i + 2);
            t.Tok(i + 2).clear();
            t.Tok(close).clear();
        }
    } else if (i < t.lastToken) {
        MoveTokensToPending(t, i + 1);
    }
    if (!(t.TopBlock() && t.TopBlock()->autoClose == 1)) return PassResult::GoOn;
    FinishLineNow(t);
    RunCascade(t);
    ForgetPendingBlock(t);
    return PassResult::LineDone;
}

// The text from its first non-blank character on (as LTrim, without a copy).
std::string_view WithoutLeadingBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

// Blank lines and "//" comment lines that the look-ahead passes over.
bool IsBlankOrComment(std::string_view text) { return text.empty() || StartsWith(text, "//"); }

// The look-ahead has met the directive line `first` after the "}" of an IF
// block: true when, past the directives (and the blank and comment lines
// among them), an else follows. Nothing is consumed.
bool ElseFollowsDirectives(Translator& t, const std::string& first) {
    const LineSource::Mark mark = t.in.Position();
    bool elseFollows = false;
    std::string line = first;
    for (;;) {
        std::string text = Trim(line);
        if (IsDirectiveLine(text)) {
            text = JoinContinuedDirective(t, text);
            const DirectiveOutcome outcome = ProbeDirective(text);
            if (!outcome.consumed) break;
            if (outcome.startsDeadCode) PassDeadCode(t, false);
            line = outcome.sentOn;
            if (!line.empty()) continue;
        } else if (!IsBlankOrComment(text)) {
            elseFollows = BeginsWithWord(text, "else");
            break;
        }
        if (t.AtEnd()) break;
        line = t.ReadLine();
    }
    t.in.Rewind(mark);
    return elseFollows;
}

// Translates the directive lines (and the blank and comment lines among
// them) that stand between an IF block's "}" and its else; the else is left
// in pendingText. The "}" is handled after them.
void RunDirectivesBeforeElse(Translator& t, std::string line) {
    t.directivesBeforeClose = true;
    for (;;) {
        RunDirectiveNow(t, line);
        std::string sentOn = Trim(t.pendingText);
        if (!sentOn.empty()) {
            if (!IsDirectiveLine(sentOn) || !ProbeDirective(sentOn).consumed) break;
            t.pendingText.clear();
            line = sentOn;
            continue;
        }
        if (t.AtEnd()) break;
        line = t.ReadLine();
        const std::string text = Trim(line);
        if (!IsBlankOrComment(text) && !IsDirectiveLine(text)) {
            t.pendingText = line;
            break;
        }
    }
    t.directivesBeforeClose = false;
}

// The look-ahead has met `line` after the "}" of an IF block: true when it
// is the #elif or #else of an open conditional and, past that
// conditional's #endif (and the blank, comment and directive lines after
// it), an else follows. That else goes on with the IF of whichever branch
// was translated. Nothing is consumed.
bool ElseFollowsConditional(Translator& t, std::string_view line) {
    if (t.conditionals.empty() || !IsDirectiveLine(line)) return false;
    const std::string name = DirectiveName(line);
    if (name != "else"sv && name != "elif"sv) return false;
    const LineSource::Mark mark = t.in.Position();
    bool elseFollows = false;
    int depth = 0;  // of the conditionals nested in the branches
    bool pastEndif = false;
    while (!t.AtEnd()) {
        const std::string text = Trim(t.ReadLine());
        if (IsDirectiveLine(text)) {
            const std::string word = DirectiveName(text);
            if (word == "if"sv || word == "ifdef"sv || word == "ifndef"sv)
                ++depth;
            else if (word == "endif"sv && depth-- == 0)
                pastEndif = true;
        } else if (pastEndif && !IsBlankOrComment(text)) {
            elseFollows = BeginsWithWord(text, "else");
            break;
        }
    }
    t.in.Rewind(mark);
    return elseFollows;
}

void WriteAll(Translator& t, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) t.Write(line);
}

// "}" of an IF block: looks ahead for an else, which reopens the same IF.
AtCloser CloseIfBlock(Translator& t, int i) {
    // The comment lines passed over, in the form they are written in.
    std::vector<std::string> remembered;
    bool elseAfterConditional = false;
    if (TrimView(t.pendingText).empty()) {
        std::string look;
        LineSource::Mark beforeLook = t.in.Position();
        while (!t.AtEnd()) {
            beforeLook = t.in.Position();
            look = t.ReadLine();
            const std::string_view stripped = WithoutLeadingBlanks(look);
            if (StartsWith(stripped, "//")) {
                remembered.push_back(" ' " + Mid(Replace(stripped, "\t", "   "), 3));
                look.clear();
            }
            if (!look.empty()) break;
        }
        if (ElseFollowsConditional(t, look)) {
            elseAfterConditional = true;
        } else if (IsDirectiveLine(look) && ElseFollowsDirectives(t, look)) {
            // Directives between the block and its else are written first.
            WriteAll(t, remembered);
            remembered.clear();
            RunDirectivesBeforeElse(t, look);
            look.clear();
        }
        // A directive line is read again after the "}", to be translated
        // (and counted) as the line it is.
        if (IsDirectiveLine(look)) {
            t.in.Rewind(beforeLook);
            look.clear();
        }
        t.pendingText += look;
    }
    if (!elseAfterConditional && !BeginsWithWord(TrimView(t.pendingText), "else")) {
        t.pendingBlock = t.PopBlock();
        t.Tok(i).clear();
        RewriteExpression(t);
        t.Write(t.pendingBlock.closer);
        WriteAll(t, remembered);
        RunCascade(t);
        ForgetPendingBlock(t);
        return PassResult::LineDone;
    }
    t.pendingBlock.closer = t.PopBlock().closer;
    t.Tok(i).clear();
    WriteAll(t, remembered);
    return std::nullopt;
}

// "}" that closes the innermost block.
AtCloser CloseBlock(Translator& t, int i) {
    const BlockRecord* top = t.TopBlock();
    const std::string closer = top ? top->closer : "";
    // A "}" followed by while ends a do loop only when the innermost block
    // is a do body; otherwise the while starts a loop of its own.
    if (closer != "LOOP"sv && t.TokAt(i + 1) == "while"sv) MoveTokensToPending(t, i + 1);
    if (closer == "END TYPE"sv) t.inTypeDef = 0;
    if (closer == "LOOP"sv) return CloseDoLoop(t, i);
    if (closer == "NEXT"sv) {
        t.PopBlock();
        CloseForLoop(t);
        RunCascade(t);
        ForgetPendingBlock(t);
        t.Tok(i).clear();
        return RewriteExpression(t);
    }
    if (closer == "END IF"sv) {
        // A statement after the "}" on the same line (`if (a) { x; } y;` cut
        // by the splitter) follows the IF block: it goes on as the next line,
        // so that "END IF" is written before it and it decides on the else.
        if (i < t.lastToken) MoveTokensToPending(t, i + 1);
        return CloseIfBlock(t, i);
    }
    t.Tok(i).clear();
    t.pendingBlock = t.PopBlock();
    if (t.pendingBlock.typeStart >= 0) NameTypeAtClose(t, i, t.pendingBlock);
    if (!t.pendingBlock.declaration.empty()) {
        t.pendingText = t.pendingBlock.declaration + " " + t.pendingText;
    } else if (!t.pendingBlock.closer.empty()) {
        t.Write(t.pendingBlock.closer);
    }
    RunCascade(t);
    RestoreOuterType(t);
    ForgetPendingBlock(t);
    return std::nullopt;
}

}  // namespace

PassResult HandleBraces(Translator& t) {
    for (int i = 0; i <= t.lastToken; ++i) {
        const std::string& token = t.TokAt(i);
        if (token.size() != 1) continue;
        if (token[0] == '{') {
            t.PushBlock(t.pendingBlock);
            t.Tok(i).clear();
            t.pendingBlock = BlockRecord{};
        } else if (token[0] == '}') {
            if (const AtCloser result = CloseBlock(t, i)) return *result;
        }
    }
    return PassResult::GoOn;
}

}  // namespace xlat
