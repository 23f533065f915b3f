// The output indenter: the translation writes every BASIC line flush left;
// this re-indents the finished text by the words that open and close blocks
// and moves trailing comments onto a column grid.
#include "indenter/indent.hpp"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <vector>

#include "parallel/side_by_side.hpp"
#include "prepass/char_finder.hpp"
#include "runtime/strings.hpp"

namespace xlat {

namespace {

constexpr long kIndentWidth = 3;
constexpr long kFirstCommentColumn = 59;

// What a line does to the indentation. A block word opens or closes a
// block level; the OpenGL pairs open and close a level of their own, which
// ends with the block that holds it.
enum class Mark { None, Indent, Outdent, Else, ElseIf, GlOpen, GlClose };

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

// The code part of a line: the text before its first apostrophe (at
// `apostrophe`, npos for none), without trailing blanks.
std::string_view CodePart(std::string_view line, size_t apostrophe) {
    line = line.substr(0, apostrophe);
    while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
    return line;
}

// Letters, digits and "_", looked up by character code.
constexpr auto kWordChars = [] {
    std::array<bool, 256> word{};
    for (int c = 0; c < 256; ++c)
        word[static_cast<size_t>(c)] =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    return word;
}();

bool IsWordChar(char c) { return kWordChars[static_cast<unsigned char>(c)]; }

// The word at the start of `text`.
std::string_view LeadingWord(std::string_view text) {
    size_t end = 0;
    while (end < text.size() && IsWordChar(text[end])) ++end;
    return text.substr(0, end);
}

bool IsOneOf(std::string_view word, std::initializer_list<std::string_view> words) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

// A block word counts only in the form the translator writes it: upper
// case, followed by a blank or nothing, and by what the translator writes
// after it. So C names kept in the output (a member `type`, a macro `END`,
// a variable `TYPE = 1`) open and close nothing.
Mark BlockWordMark(std::string_view code) {
    const std::string_view word = LeadingWord(code);
    if (word.empty() || (word.size() < code.size() && code[word.size()] != ' ')) return Mark::None;
    const std::string_view rest = TrimView(code.substr(word.size()));
    const bool assigns = StartsWith(rest, "=");  // a C variable of that name
    if (IsOneOf(word, {"DO", "WHILE", "SUB", "TYPE", "SET", "SHAREDSET"})) return assigns ? Mark::None : Mark::Indent;
    // "FUNCTION = x" sets the function's result.
    if (word == "FUNCTION") return Contains(code, "=") ? Mark::None : Mark::Indent;
    if (word == "SELECT") return StartsWith(rest, "CASE") ? Mark::Indent : Mark::None;
    if (word == "LOOP") return rest.empty() || StartsWith(rest, "WHILE") ? Mark::Outdent : Mark::None;
    if (word == "END")
        return IsOneOf(rest, {"IF", "SUB", "FUNCTION", "TYPE", "SELECT", "SET"}) ? Mark::Outdent : Mark::None;
    if (word == "WEND") return rest.empty() ? Mark::Outdent : Mark::None;
    if (word == "ELSE") return rest.empty() ? Mark::Else : Mark::None;
    if (word == "ELSEIF") return assigns ? Mark::None : Mark::ElseIf;
    return Mark::None;
}

// The OpenGL calls kept from the C source, compared as written.
Mark GlMark(std::string_view line) {
    for (std::string_view close : {"glPopMatrix", "glEndList", "glEnd"})
        if (StartsWith(line, close)) return Mark::GlClose;
    for (std::string_view open : {"glPushMatrix", "glNewList", "glBegin"})
        if (StartsWith(line, open)) return Mark::GlOpen;
    return Mark::None;
}

// What a conditional line does to the indentation: the dialect's own
// "$IF" family, and C's conditional directives written through behind "!".
enum class Group { None, Open, Branch, Close };

// The directive of C whose word follows a "#" (blanks may stand between).
Group DirectiveGroup(std::string_view afterHash) {
    const std::string_view word = LeadingWord(TrimView(afterHash));
    if (word == "if" || word == "ifdef" || word == "ifndef") return Group::Open;
    if (word == "elif" || word == "else") return Group::Branch;
    if (word == "endif") return Group::Close;
    return Group::None;
}

Group GroupOf(std::string_view line) {
    if (StartsWith(line, "!#")) return DirectiveGroup(line.substr(2));
    if (!StartsWith(line, "$")) return Group::None;
    const std::string_view word = LeadingWord(line.substr(1));
    if (word == "IF" || word == "IFNDEF") return Group::Open;
    if (word == "ELSE") return Group::Branch;
    if (word == "ENDIF") return Group::Close;
    return Group::None;
}

// The open levels, innermost last: true for an OpenGL pair.
using Levels = std::vector<bool>;

class Indenter {
public:
    // Whether the indenter stands as it does before the first line.
    bool AtStart() const { return levels_.empty() && !continued_ && !inHeader_ && groups_.empty(); }

    // Appends the re-indented line (without its line end) to `out`.
    // `apostrophe` and `hash` are the places in `rawLine` of its first "'"
    // and first "#", npos for none.
    void IndentLine(std::string_view rawLine, size_t apostrophe, size_t hash, std::string& out) {
        // Earlier indentation is discarded; a blank line stays empty and
        // changes nothing.
        const std::string_view line = TrimView(rawLine);
        if (line.empty()) return;
        // Trimming takes blanks only: both marks stay in the line.
        const size_t trimmed = static_cast<size_t>(line.data() - rawLine.data());
        if (apostrophe != std::string_view::npos) apostrophe -= trimmed;
        const std::string_view code = CodePart(line, apostrophe);
        // A "#" in the code part stands before the first apostrophe.
        const bool codeHoldsHash = hash != std::string_view::npos && hash - trimmed < apostrophe;
        // Between two "$HEADER" lines stands C text kept as it is: its words
        // open and close no BASIC block.
        const bool headerLine = line == "$HEADER";
        const bool counted = !inHeader_ && !headerLine && !StartsWith(line, "!");
        const Group group = inHeader_ ? Group::None : GroupOf(line);
        if (headerLine) inHeader_ = !inHeader_;
        long column;
        if (group != Group::None) {
            column = PlaceConditional(group);
        } else {
            column = Place(counted ? DecideMark(line, code) : Mark::None);
            if (!inHeader_ && !headerLine && codeHoldsHash) PlaceDirectivesWithin(code);
        }
        if (column > 0) out.append(static_cast<size_t>(column), ' ');
        AppendAligningComment(line, apostrophe, code, column, out);
    }

private:
    Levels levels_;
    bool continued_ = false;  // an IF condition continues on the next line
    bool inHeader_ = false;   // inside a "$HEADER" block of C text
    // The levels at which the open conditionals began, innermost last.
    std::vector<Levels> groups_;

    long Indent() const { return kIndentWidth * static_cast<long>(levels_.size()); }

    // An OpenGL level ends with the block or branch that holds it.
    void DropGlLevels() {
        while (!levels_.empty() && levels_.back()) levels_.pop_back();
    }

    // Applies the mark; returns the line's column.
    long Place(Mark mark) {
        const long before = Indent();
        switch (mark) {
            case Mark::Indent: levels_.push_back(false); return before;
            case Mark::GlOpen: levels_.push_back(true); return before;
            case Mark::Outdent:
                DropGlLevels();
                if (!levels_.empty()) levels_.pop_back();
                return Indent();
            case Mark::GlClose:
                if (!levels_.empty() && levels_.back()) levels_.pop_back();
                return Indent();
            case Mark::Else:
            case Mark::ElseIf: DropGlLevels(); return Indent() >= kIndentWidth ? Indent() - kIndentWidth : Indent();
            case Mark::None: break;
        }
        return before;
    }

    // The branches of a conditional are alternatives: each starts at the
    // levels of the opening line, and the levels after the last one go on
    // (in valid C every branch ends at the same level). The lines of the
    // conditional stand at that opening level. Returns the line's column.
    long PlaceConditional(Group group) {
        if (group == Group::Open) {
            groups_.push_back(levels_);
            return Indent();
        }
        if (groups_.empty()) return Indent();  // no opening line: changes nothing
        const long opening = kIndentWidth * static_cast<long>(groups_.back().size());
        if (group == Group::Branch)
            levels_ = groups_.back();
        else
            groups_.pop_back();
        return opening;
    }

    // A directive that a statement took in (the translator joins the lines
    // of a statement that a directive interrupts) counts where it stands,
    // as the translator counted it. Directives in string literals do not.
    void PlaceDirectivesWithin(std::string_view code) {
        bool inLiteral = false;
        for (size_t i = code.find_first_of("\"#"); i != std::string_view::npos; i = code.find_first_of("\"#", i + 1)) {
            if (code[i] == '"') {
                inLiteral = !inLiteral;
            } else if (!inLiteral) {
                const Group group = DirectiveGroup(code.substr(i + 1));
                if (group != Group::None) PlaceConditional(group);
            }
        }
    }

    // `code` is the line's code part.
    Mark DecideMark(std::string_view line, std::string_view code) {
        if (!continued_ && !MayBeginMark(line[0])) return Mark::None;
        Mark mark = BlockWordMark(code);
        if (mark == Mark::None && line[0] == 'g') mark = GlMark(line);  // every OpenGL name begins with "g"
        if (LeadingWord(code) == "IF" && (code.size() == 2 || code[2] == ' ')) ApplyIfRules(line, code, mark);
        // Runs on the IF line itself too, right after the IF rules.
        if (continued_) ApplyContinuationRule(code, mark);
        return mark;
    }

    // Every block word and OpenGL name begins with one of these.
    static bool MayBeginMark(char c) {
        switch (c) {
            case 'D':
            case 'W':
            case 'S':
            case 'T':
            case 'F':
            case 'L':
            case 'E':
            case 'I':
            case 'g': return true;
            default: return false;
        }
    }

    // An IF opens a level when the line ends with THEN, when only a comment
    // follows THEN, or when the condition continues on the next line.
    void ApplyIfRules(std::string_view line, std::string_view code, Mark& mark) {
        if (EndsWithWord(line, "then")) mark = Mark::Indent;
        const size_t then = FindWord(line, "then");
        const size_t rest = then != std::string_view::npos ? then + 4 : 3;  // after THEN, else after "IF "
        if (StartsWith(TrimView(line.substr(std::min(rest, line.size()))), "'")) mark = Mark::Indent;
        if (EndsWith(code, "_")) {
            mark = Mark::Indent;
            continued_ = true;
        }
    }

    // The line that holds the THEN of a continued IF: when a statement
    // follows the THEN it was a one-line IF after all, and its level goes.
    void ApplyContinuationRule(std::string_view code, Mark& mark) {
        if (FindWord(code, "then") == std::string_view::npos) return;
        if (!EndsWithWord(code, "then")) mark = Mark::Outdent;
        continued_ = false;
    }

    // Appends the line that stands at `column`, its trailing comment moved to
    // the first grid column past the code (`apostrophe` and `code` as the
    // line's first apostrophe and code part).
    static void AppendAligningComment(std::string_view line, size_t apostrophe, std::string_view code, long column,
                                      std::string& out) {
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
    // The apostrophes and "#" are found from one to the next in the whole
    // text, not looked for on every line: most lines hold neither.
    CharFinder<1> apostrophes(text, {'\''});
    CharFinder<1> hashes(text, {'#'});
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        const size_t apostrophe = apostrophes.Next(pos);
        const size_t hash = hashes.Next(pos);
        indenter.IndentLine(text.substr(pos, end - pos), apostrophe < end ? apostrophe - pos : std::string_view::npos,
                            hash < end ? hash - pos : std::string_view::npos, out);
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
