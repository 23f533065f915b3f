// The output indenter: the translation writes every BASIC line flush left;
// this re-indents the finished text by the words that open and close blocks
// and moves trailing comments onto a column grid.
#include "driver/indent.hpp"

#include <algorithm>
#include <array>
#include <vector>

#include "runtime/side_by_side.hpp"
#include "runtime/strings.hpp"

namespace xlat {

namespace {

constexpr long kIndentWidth = 3;
constexpr long kFirstCommentColumn = 59;

enum class Mark { None, Indent, Outdent, Else, ElseIf };

// The FUNCTION = line assigns the function's result; it opens nothing.
bool HoldsNoAssignment(std::string_view line) { return !Contains(line, "="); }
// A lone END ends the program; it closes nothing.
bool IsNotLoneEnd(std::string_view line) { return RTrim(UCase(line)) != "END"; }

struct PrefixMark {
    std::string_view prefix;
    bool upper;  // compare the upper-cased line (the OpenGL names are exact)
    Mark mark;
    bool (*alsoNeeds)(std::string_view line) = nullptr;
};

// Tested in this order on the normalised line; a later match wins.
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

constexpr size_t kLongestPrefix = [] {
    size_t longest = 0;
    for (const PrefixMark& p : kPrefixMarks) longest = std::max(longest, p.prefix.size());
    return longest;
}();

// The first characters of the prefixes: a line that starts with none of
// them (in upper case or as it is) matches no prefix.
constexpr std::string_view kPrefixFirsts = "CDEFLNRSTWg";

bool MayMatchAPrefix(std::string_view line, std::string_view upper) {
    return !line.empty() && (kPrefixFirsts.find(upper[0]) != std::string_view::npos ||
                             kPrefixFirsts.find(line[0]) != std::string_view::npos);
}

// The code part of a line: the text before its first apostrophe, without
// trailing blanks.
std::string CodePart(std::string_view line) { return RTrim(Extract(line, "'")); }

class Indenter {
public:
    // Whether the indenter stands as it does before the first line.
    bool AtStart() const { return indent_ == 0 && !continued_ && !inHeader_; }

    // Appends the re-indented line (without its line end) to `out`.
    void IndentLine(std::string_view rawLine, std::string& out) {
        // Earlier indentation is discarded; a non-empty line ends in exactly
        // one blank, which the keyword tests rely on.
        const std::string_view trimmed = TrimView(rawLine);
        line_.clear();
        if (!trimmed.empty()) {
            line_.append(trimmed);
            line_ += ' ';
        }
        // Between two "$HEADER" lines stands C text kept as it is: its words
        // open and close no BASIC block.
        const bool headerLine = trimmed == "$HEADER";
        Mark mark = Mark::None;
        if (!inHeader_ && !headerLine) {
            // The prefixes need the first few characters in upper case; only
            // the IF rules look at the whole line.
            UpperCase(line_, kLongestPrefix);
            if (StartsWith(upper_, "IF ")) UpperCase(line_, line_.size());
            mark = DecideMark(line_, upper_);
        }
        if (headerLine) inHeader_ = !inHeader_;

        long column = indent_;
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
        // A blank line stays empty; the line itself ends in no blank.
        if (trimmed.empty()) return;
        if (trimmed.find('\'') == std::string_view::npos) {
            out.append(static_cast<size_t>(column), ' ');
            out.append(trimmed);
            return;
        }
        out += RTrim(AlignComment(Space(column) + std::string(trimmed)));
    }

private:
    long indent_ = 0;
    bool continued_ = false;  // an IF condition continues on the next line
    bool inHeader_ = false;   // inside a "$HEADER" block of C text
    std::string line_, upper_;  // buffers kept from line to line

    // upper_ = the first `length` characters of `line` in upper case.
    void UpperCase(std::string_view line, size_t length) {
        upper_.assign(line.substr(0, length));
        // The letters of the C locale, which the program never changes.
        for (char& c : upper_)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }

    Mark DecideMark(std::string_view line, std::string_view upper) {
        Mark mark = Mark::None;
        if (MayMatchAPrefix(line, upper)) {
            for (const PrefixMark& p : kPrefixMarks) {
                const std::string_view tested = p.upper ? upper : line;
                if (tested[0] == p.prefix[0] && StartsWith(tested, p.prefix) && (!p.alsoNeeds || p.alsoNeeds(line)))
                    mark = p.mark;
            }
        }
        if (StartsWith(upper, "IF ")) ApplyIfRules(line, upper, mark);
        // Runs on the IF line itself too, right after the IF rules.
        if (continued_) ApplyContinuationRule(line, mark);
        return mark;
    }

    // An IF opens a level when the line ends with THEN, when only a comment
    // follows THEN, or when the condition continues on the next line.
    void ApplyIfRules(std::string_view line, std::string_view upper, Mark& mark) {
        if (Right(upper, 5) == "THEN ") mark = Mark::Indent;
        long then = InStr(upper, "THEN");
        std::string afterThen = Trim(then > 0 ? Mid(line, then + 4) : Mid(line, 4));
        if (StartsWith(afterThen, "'")) mark = Mark::Indent;
        if (EndsWith(CodePart(line), "_")) {
            mark = Mark::Indent;
            continued_ = true;
        }
    }

    // The line that holds the THEN of a continued IF: when a statement
    // follows the THEN it was a one-line IF after all, and its level goes.
    void ApplyContinuationRule(std::string_view line, Mark& mark) {
        std::string code = UCase(CodePart(line) + " ");
        if (!Contains(code, "THEN")) return;
        if (Right(code, 5) != "THEN ") mark = Mark::Outdent;
        continued_ = false;
    }

    // Moves a trailing comment to the first grid column past the code.
    static std::string AlignComment(const std::string& line) {
        if (!Contains(line, "'")) return line;
        std::string code = CodePart(line);
        const long length = static_cast<long>(code.size());
        // An apostrophe inside a string literal, or a comment on its own line.
        if (code.empty() || Tally(code, "\"") % 2 != 0) return line;
        long column = kFirstCommentColumn;
        while (length >= column) column += 10;
        return code + Space(column - length) + "'" + Remain(line, "'");
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
