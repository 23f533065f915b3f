// The output indenter: the translation writes every BASIC line flush left;
// this re-indents the finished text by the words that open and close blocks
// and moves trailing comments onto a column grid.
#include "driver/indent.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "runtime/side_by_side.hpp"
#include "runtime/strings.hpp"

namespace xlat {

namespace {

constexpr long kIndentWidth = 3;
constexpr long kFirstCommentColumn = 59;

enum class Mark { None, Indent, Outdent, Else, ElseIf };

// Case-blind searches for a word given in lower case, without a copy of
// the line in one case.
bool EndsWithWord(std::string_view text, std::string_view lower) {
    return text.size() >= lower.size() && LCaseEquals(text.substr(text.size() - lower.size()), lower);
}
size_t FindWord(std::string_view text, std::string_view lower) {
    for (size_t i = 0; i + lower.size() <= text.size(); ++i)
        if (ToLowerAscii(text[i]) == lower[0] && LCaseEquals(text.substr(i, lower.size()), lower)) return i;
    return std::string_view::npos;
}

// The code part of a line: the text before its first apostrophe, without
// trailing blanks.
std::string_view CodePart(std::string_view line) {
    line = line.substr(0, line.find('\''));
    while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
    return line;
}

// The tests below see the trimmed line (never empty).
// The FUNCTION = line assigns the function's result; it opens nothing.
bool HoldsNoAssignment(std::string_view line) { return !Contains(line, "="); }
// A lone END ends the program; it closes nothing.
bool IsNotLoneEnd(std::string_view line) { return !LCaseEquals(line, "end"); }

struct PrefixMark {
    std::string_view prefix;
    bool upper;  // compare the upper-cased line (the OpenGL names are exact)
    Mark mark;
    bool (*alsoNeeds)(std::string_view line) = nullptr;
};

// Tested in this order on the trimmed line followed by one blank; a later
// match wins.
constexpr std::array<PrefixMark, 24> kPrefixMarks = {{
    {"DO ", true, Mark::Indent},
    {"WHILE ", true, Mark::Indent},
    {"SUB ", true, Mark::Indent},
    {"CALLBACK ", true, Mark::Indent},
    {"SELECT ", true, Mark::Indent},
    {"TYPE ", true, Mark::Indent},
    {"FOR ", true, Mark::Indent},
    {"SET ", true, Mark::Indent},
    {"SHAREDSET ", true, Mark::Indent},
    {"REPEAT ", true, Mark::Indent},
    {"glPushMatrix", false, Mark::Indent},
    {"glNewList", false, Mark::Indent},
    {"glBegin", false, Mark::Indent},
    {"FUNCTION ", true, Mark::Indent, HoldsNoAssignment},
    {"LOOP ", true, Mark::Outdent},
    {"WEND ", true, Mark::Outdent},
    {"NEXT ", true, Mark::Outdent},
    {"ENDIF ", true, Mark::Outdent},
    {"glPopMatrix", false, Mark::Outdent},
    {"glEndList", false, Mark::Outdent},
    {"glEnd", false, Mark::Outdent},
    {"END ", true, Mark::Outdent, IsNotLoneEnd},
    {"ELSE ", true, Mark::Else},
    {"ELSEIF", true, Mark::ElseIf},
}};

// For each first character of a line, the prefixes (one bit each, in table
// order) that may match it.
constexpr auto kPrefixesByFirstChar = [] {
    std::array<std::uint32_t, 256> table{};
    for (size_t k = 0; k < kPrefixMarks.size(); ++k) {
        const char first = kPrefixMarks[k].prefix[0];
        table[static_cast<unsigned char>(first)] |= std::uint32_t{1} << k;
        if (kPrefixMarks[k].upper) table[static_cast<unsigned char>(first - 'A' + 'a')] |= std::uint32_t{1} << k;
    }
    return table;
}();

// Whether the line followed by one blank starts with `prefix`; with
// `ignoreCase` the prefix is given in upper case.
bool PaddedStartsWith(std::string_view line, std::string_view prefix, bool ignoreCase) {
    if (line.size() + 1 < prefix.size()) return false;
    const size_t compared = std::min(line.size(), prefix.size());
    for (size_t i = 0; i < compared; ++i)
        if ((ignoreCase ? ToUpperAscii(line[i]) : line[i]) != prefix[i]) return false;
    return compared == prefix.size() || prefix[compared] == ' ';
}

// What a conditional line does to the indentation: the dialect's own
// "$IF" family, and C's conditional directives written through behind "!".
enum class Group { None, Open, Branch, Close };

bool IsWordChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// The word at the start of `text`.
std::string_view LeadingWord(std::string_view text) {
    size_t end = 0;
    while (end < text.size() && IsWordChar(text[end])) ++end;
    return text.substr(0, end);
}

Group GroupOf(std::string_view line) {
    if (StartsWith(line, "$")) {
        const std::string_view word = LeadingWord(line.substr(1));
        if (word == "IF" || word == "IFNDEF") return Group::Open;
        if (word == "ELSE") return Group::Branch;
        if (word == "ENDIF") return Group::Close;
    } else if (StartsWith(line, "!#")) {
        const std::string_view word = LeadingWord(TrimView(line.substr(2)));
        if (word == "if" || word == "ifdef" || word == "ifndef") return Group::Open;
        if (word == "elif" || word == "else") return Group::Branch;
        if (word == "endif") return Group::Close;
    }
    return Group::None;
}

class Indenter {
public:
    // Whether the indenter stands as it does before the first line.
    bool AtStart() const { return indent_ == 0 && !continued_ && !inHeader_ && groups_.empty(); }

    // Appends the re-indented line (without its line end) to `out`.
    void IndentLine(std::string_view rawLine, std::string& out) {
        // Earlier indentation is discarded; a blank line stays empty and
        // changes nothing.
        const std::string_view line = TrimView(rawLine);
        if (line.empty()) return;
        // Between two "$HEADER" lines stands C text kept as it is: its words
        // open and close no BASIC block.
        const bool headerLine = line == "$HEADER";
        const Mark mark = inHeader_ || headerLine ? Mark::None : DecideMark(line);
        const Group group = inHeader_ ? Group::None : GroupOf(line);
        if (headerLine) inHeader_ = !inHeader_;

        long column = indent_;
        if (group != Group::None) {
            column = PlaceConditional(group);
            out.append(static_cast<size_t>(column), ' ');
            out.append(line);
            return;
        }
        switch (mark) {
            case Mark::Indent: indent_ += kIndentWidth; break;
            case Mark::Outdent:
                indent_ = indent_ > kIndentWidth ? indent_ - kIndentWidth : 0;
                column = indent_;
                break;
            case Mark::Else:
            case Mark::ElseIf:
                if (indent_ >= kIndentWidth) column = indent_ - kIndentWidth;
                break;
            case Mark::None: break;
        }
        out.append(static_cast<size_t>(column), ' ');
        AppendAligningComment(line, column, out);
    }

private:
    long indent_ = 0;
    bool continued_ = false;  // an IF condition continues on the next line
    bool inHeader_ = false;   // inside a "$HEADER" block of C text
    // The levels at which the open conditionals began, innermost last.
    std::vector<long> groups_;

    // The branches of a conditional are alternatives: each starts at the
    // level of the opening line, and the level after the last one goes on
    // (in valid C every branch ends at the same level). The lines of the
    // conditional stand at that opening level. Returns the line's column.
    long PlaceConditional(Group group) {
        if (group == Group::Open) {
            groups_.push_back(indent_);
            return indent_;
        }
        if (groups_.empty()) return indent_;  // no opening line: changes nothing
        const long opening = groups_.back();
        if (group == Group::Branch) indent_ = opening;
        else groups_.pop_back();
        return opening;
    }

    Mark DecideMark(std::string_view line) {
        Mark mark = Mark::None;
        for (std::uint32_t candidates = kPrefixesByFirstChar[static_cast<unsigned char>(line[0])]; candidates != 0;
             candidates &= candidates - 1) {
            const PrefixMark& p = kPrefixMarks[static_cast<size_t>(std::countr_zero(candidates))];
            if (PaddedStartsWith(line, p.prefix, p.upper) && (!p.alsoNeeds || p.alsoNeeds(line)))
                mark = p.mark;
        }
        if (PaddedStartsWith(line, "IF ", true)) ApplyIfRules(line, mark);
        // Runs on the IF line itself too, right after the IF rules.
        if (continued_) ApplyContinuationRule(line, mark);
        return mark;
    }

    // An IF opens a level when the line ends with THEN, when only a comment
    // follows THEN, or when the condition continues on the next line.
    void ApplyIfRules(std::string_view line, Mark& mark) {
        if (EndsWithWord(line, "then")) mark = Mark::Indent;
        const size_t then = FindWord(line, "then");
        const size_t rest = then != std::string_view::npos ? then + 4 : 3;  // after THEN, else after "IF "
        if (StartsWith(TrimView(line.substr(std::min(rest, line.size()))), "'")) mark = Mark::Indent;
        if (EndsWith(CodePart(line), "_")) {
            mark = Mark::Indent;
            continued_ = true;
        }
    }

    // The line that holds the THEN of a continued IF: when a statement
    // follows the THEN it was a one-line IF after all, and its level goes.
    void ApplyContinuationRule(std::string_view line, Mark& mark) {
        const std::string_view code = CodePart(line);
        if (FindWord(code, "then") == std::string_view::npos) return;
        if (!EndsWithWord(code, "then")) mark = Mark::Outdent;
        continued_ = false;
    }

    // Appends the line that stands at `column`, its trailing comment moved to
    // the first grid column past the code.
    static void AppendAligningComment(std::string_view line, long column, std::string& out) {
        const size_t apostrophe = line.find('\'');
        const std::string_view code = CodePart(line);
        // No comment, a comment on its own line, or an apostrophe inside a
        // string literal.
        if (apostrophe == std::string_view::npos || code.empty() ||
            std::count(code.begin(), code.end(), '"') % 2 != 0) {
            out.append(line);
            return;
        }
        const long length = column + static_cast<long>(code.size());
        long commentColumn = kFirstCommentColumn;
        while (length >= commentColumn) commentColumn += 10;
        out.append(code);
        out.append(static_cast<size_t>(commentColumn - length), ' ');
        out.append(line.substr(apostrophe));
    }
};

// Indents the lines of `text` (each ending in a line feed, but for the
// last one) and appends them to `out`.
void IndentLines(Indenter& indenter, std::string_view text, std::string& out) {
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        indenter.IndentLine(text.substr(pos, end - pos), out);
        out += '\n';
        pos = end + 1;
    }
}

// Where the pieces begin: the first at 0, each other one after an
// "END SUB" or "END FUNCTION" line, looked for from evenly spaced points.
std::vector<size_t> PieceStarts(std::string_view text, size_t pieces) {
    std::vector<size_t> starts{0};
    for (size_t i = 1; i < pieces; ++i) {
        const size_t from = std::max(text.size() / pieces * i, starts.back());
        size_t best = std::string_view::npos;
        for (std::string_view closer : {std::string_view("\nEND SUB\n"), std::string_view("\nEND FUNCTION\n")}) {
            const size_t at = text.find(closer, from);
            if (at != std::string_view::npos) best = std::min(best, at + closer.size());
        }
        if (best == std::string_view::npos || best >= text.size()) break;
        starts.push_back(best);
    }
    return starts;
}

struct Piece {
    std::string_view text;
    Indenter indenter;  // as it stands after the piece
    std::string out;
};

}  // namespace

std::string IndentOutput(std::string_view basText, const PieceSharing& sharing) {
    const unsigned threads = sharing.threads ? sharing.threads : CoreCount();
    const size_t wanted = basText.size() / std::max<size_t>(sharing.pieceBytes, 1);
    const size_t most = sharing.maxPieces ? sharing.maxPieces : threads;
    const std::vector<size_t> starts = PieceStarts(basText, threads > 1 ? std::min(wanted, most) : 1);
    std::vector<Piece> pieces(starts.size());
    for (size_t k = 0; k < starts.size(); ++k) {
        const size_t end = k + 1 < starts.size() ? starts[k + 1] : basText.size();
        pieces[k].text = basText.substr(starts[k], end - starts[k]);
    }
    // Every piece is indented as if it came first; a later piece is kept
    // when the pieces before it leave the indenter as it stands at the start
    // (between two top-level definitions it does), else indented again.
    // The first piece's output gets room for all the text (room not written
    // takes no memory): the others are appended to it.
    RunSideBySide(pieces.size(), threads, [&pieces, basText](size_t k) {
        Piece& piece = pieces[k];
        const size_t room = k == 0 ? basText.size() : piece.text.size();
        piece.out.reserve(room + room / 4 + 4096);
        IndentLines(piece.indenter, piece.text, piece.out);
    });
    std::string result = std::move(pieces[0].out);
    if (pieces.size() == 1) return result;
    size_t total = result.size();
    for (size_t k = 1; k < pieces.size(); ++k) total += pieces[k].out.size();
    result.reserve(total);
    Indenter* indenter = &pieces[0].indenter;
    for (size_t k = 1; k < pieces.size(); ++k) {
        if (indenter->AtStart()) {
            result += pieces[k].out;
            indenter = &pieces[k].indenter;
        } else {
            IndentLines(*indenter, pieces[k].text, result);
        }
        std::string().swap(pieces[k].out);
    }
    return result;
}

}  // namespace xlat
