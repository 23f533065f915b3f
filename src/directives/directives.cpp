// The preprocessor passes: #include lines, and the conditional-compilation
// directives that become the dialect's own "$IF" family.
#include "directives/directives.hpp"

#include <array>
#include <utility>

#include "driver/passes.hpp"
#include "driver/tokenizer.hpp"
#include "runtime/strings.hpp"

namespace xlat {

namespace {

// Headers whose declarations the BASIC dialect already has: dropped.
constexpr std::array<std::string_view, 18> kDroppedHeaders = {
    "#include <windows.h>",  "#include <windowsx.h>", "#include <commctrl.h>", "#include <mmsystem.h>",
    "#include <shellapi.h>", "#include <shlobj.h>",   "#include <winsock2.h>", "#include <richedit.h>",
    "#include <conio.h>",    "#include <ctype.h>",    "#include <math.h>",     "#include <stdio.h>",
    "#include <string.h>",   "#include <stddef.h>",   "#include <stdlib.h>",   "#include <setjmp.h>",
    "#include <time.h>",     "#include <stdarg.h>",
};

struct LibraryHeader {
    std::string_view key;
    std::string_view library;
};

// Headers whose import library must be linked.
constexpr std::array<LibraryHeader, 4> kLibraryHeaders = {{
    {"#include <mmsystem.h>", "$LIBRARY <winmm.lib>"},
    {"#include <gl\\gl.h>", "$LIBRARY <opengl32.lib>"},
    {"#include <gl\\glu.h>", "$LIBRARY <glu32.lib>"},
    {"#include <gl\\glaux.h>", "$LIBRARY <glaux.lib>"},
}};

struct DirectiveWord {
    std::string_view name;  // as DirectiveName gives it
    std::string_view word;
    std::string_view basic;
};

// The conditional directives that the dialect has words for.
constexpr std::array<DirectiveWord, 4> kDirectiveWords = {{
    {"ifndef", "#ifndef", "$IFNDEF"},
    {"ifdef", "#ifdef", "$IF"},
    {"else", "#else", "$ELSE"},
    {"endif", "#endif", "$ENDIF"},
}};

bool IsWordChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// True when the line begins with `word` as a whole word.
bool StartsWithWord(std::string_view line, std::string_view word) {
    return StartsWith(line, word) && (line.size() == word.size() || !IsWordChar(line[word.size()]));
}

// "#else {" or "#endif }": the brace belongs to the code, not to the
// directive, so the text from the first brace on is sent on as the next line.
void SplitBraceOffDirective(Translator& t) {
    std::string_view line = t.lineText;
    for (std::string_view word : {std::string_view("#else"), std::string_view("#endif")}) {
        if (!StartsWithWord(line, word)) continue;
        size_t brace = line.find_first_of("{}", word.size());
        if (brace == std::string_view::npos) return;
        t.pendingText = Trim(line.substr(brace)) + " " + t.pendingText;
        t.lineText = RTrim(line.substr(0, brace));
        return;
    }
}

// "#ifdef A B C": only the directive and its first word stay on the line;
// the other words are processed as the next line.
void SendExtraWordsOn(Translator& t) {
    Tokenize(t, " ");
    if (t.lastToken > 1) {
        std::string rest = t.pendingText;
        for (int i = 2; i <= t.lastToken; ++i) rest += t.TokAt(i) + " ";
        t.pendingText = Trim(rest);
        t.lineText = t.TokAt(0) + " " + t.TokAt(1) + " ";
    }
    t.lastToken = 0;
}

// A directive line read from the input counts here. One that comes out of
// pendingText was taken into a statement by a join, and counted there.
void CountReadDirective(Translator& t) {
    if (t.lineFromInput) CountDirective(t, t.lineText);
}

}  // namespace

bool IsDirectiveLine(std::string_view line) { return StartsWith(TrimView(line), "#"); }

std::string DirectiveName(std::string_view line) {
    std::string text = Trim(line);
    size_t start = 1;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) ++start;
    size_t end = start;
    while (end < text.size() && IsWordChar(text[end])) ++end;
    return text.substr(start, end - start);
}

void CloseUpDirectiveHead(std::string& line) {
    if (!StartsWith(line, "#")) return;
    size_t word = 1;
    while (word < line.size() && (line[word] == ' ' || line[word] == '\t')) ++word;
    if (word > 1 && word < line.size() && IsWordChar(line[word])) line.erase(1, word - 1);
}

bool StartsDeadCode(std::string_view line) {
    std::string text = Trim(line);
    CloseUpDirectiveHead(text);
    return DirectiveName(text) == "if"sv && Trim(text.substr(3)) == "0"sv;
}

void PassDeadCode(Translator& t, bool write) {
    int depth = 0;
    while (!t.AtEnd()) {
        const LineSource::Mark before = t.in.Position();
        std::string line = t.ReadLine();
        if (IsDirectiveLine(line)) {
            const std::string name = DirectiveName(line);
            if (name == "if"sv || name == "ifdef"sv || name == "ifndef"sv) {
                ++depth;
            } else if (depth == 0 && (name == "else"sv || name == "elif"sv || name == "endif"sv)) {
                t.in.Rewind(before);
                return;
            } else if (name == "endif"sv) {
                --depth;
            }
        }
        if (write) t.Write2("'", Replace(line, "\t", "   "));
    }
}

std::string JoinContinuedDirective(Translator& t, std::string_view line) {
    std::string joined = Trim(line);
    if (!StartsWith(joined, "#") || DirectiveName(joined) == "define"sv) return std::string(line);
    while (EndsWith(joined, "\\")) {
        joined = Trim(Left(joined, static_cast<long>(joined.size()) - 1));
        if (t.AtEnd()) break;
        joined += ' ';
        joined += Replace(Trim(t.ReadLine()), "\t", "   ");
        joined = Trim(joined);
    }
    return joined;
}

DirectiveOutcome ProbeDirective(std::string_view line) {
    Translator probe;
    probe.lineText = Replace(Trim(line), "\t", "   ");
    DirectiveOutcome outcome;
    outcome.consumed = RunInOrder<ConvertComments, ConvertIncludes>(probe) != PassResult::GoOn;
    if (!outcome.consumed) {
        outcome.startsDeadCode = StartsDeadCode(probe.lineText);
        outcome.consumed = ConvertConditionals(probe) != PassResult::GoOn;
    }
    outcome.sentOn = Trim(probe.pendingText);
    return outcome;
}

bool RunDirectiveNow(Translator& t, std::string_view line) {
    const std::string savedLine = t.lineText;
    const std::vector<std::string> savedTokens = t.tokens;
    const int savedInUse = t.slotsInUse;
    const int savedLast = t.lastToken;
    const bool savedFromInput = std::exchange(t.lineFromInput, true);
    const std::string savedComment = std::move(t.lineComment);
    t.lineComment.clear();
    t.lineText = Replace(Trim(line), "\t", "   ");
    const bool taken = RunInOrder<ConvertComments, ConvertIncludes, ConvertConditionals>(t) != PassResult::GoOn;
    // A comment of the directive waits with the current line's own.
    t.lineComment = savedComment + t.lineComment;
    t.lineText = savedLine;
    t.tokens = savedTokens;
    t.slotsInUse = savedInUse;
    t.lastToken = savedLast;
    t.lineFromInput = savedFromInput;
    return taken;
}

PassResult ConvertIncludes(Translator& t) {
    // Every key below starts with "#": a line whose first character past the
    // blanks is anything else can match none of them.
    size_t first = 0;
    while (first < t.lineText.size() && IsCSpace(t.lineText[first])) ++first;
    if (first == t.lineText.size() || t.lineText[first] != '#') return PassResult::GoOn;
    // A directive continued over lines is one line for the passes.
    if (EndsWith(t.lineText, "\\")) t.lineText = JoinContinuedDirective(t, t.lineText);
    std::string key = LCase(Squeeze(t.lineText));
    if (StartsWith(key, "# ")) key.erase(1, 1);

    // The library line comes first, whether the header is then dropped or
    // written through.
    for (const LibraryHeader& header : kLibraryHeaders)
        if (key == header.key) t.Write(header.library);
    for (std::string_view dropped : kDroppedHeaders) {
        if (key == dropped) {
            // A comment on a dropped line goes with it.
            t.lineComment.clear();
            return PassResult::LineDone;
        }
    }

    if (Left(key, 8) != "#include"sv) return PassResult::GoOn;
    if (!t.lineComment.empty()) {
        long gap = 59 - static_cast<long>(t.lineText.size());
        if (gap < 1) gap = 10;
        key += Space(gap) + "//" + t.lineComment;
        t.lineComment.clear();
    }
    t.Write(key);
    return PassResult::LineDone;
}

PassResult ConvertConditionals(Translator& t) {
    if (!StartsWith(t.lineText, "#")) return PassResult::GoOn;  // every directive starts with "#"
    CloseUpDirectiveHead(t.lineText);
    const std::string name = DirectiveName(t.lineText);
    // #if and #elif cannot be expressed in BASIC: written through as raw C.
    if (name == "if"sv || name == "elif"sv) {
        CountReadDirective(t);
        t.Write2("!", t.lineText);
        if (StartsDeadCode(t.lineText)) PassDeadCode(t, true);
        return PassResult::LineDone;
    }
    for (const DirectiveWord& d : kDirectiveWords) {
        if (name != d.name) continue;
        SplitBraceOffDirective(t);
        if (t.lineText.size() > d.word.size() && t.lineText[d.word.size()] == ' ') SendExtraWordsOn(t);
        CountReadDirective(t);
        t.lineText = Replace(t.lineText, d.word, d.basic);
        t.Write(t.lineText);
        return PassResult::LineDone;
    }
    return PassResult::GoOn;
}

}  // namespace xlat
