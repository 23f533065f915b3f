#include "driver/line_loop.hpp"

#include <algorithm>
#include <string_view>

#include "driver/passes.hpp"
#include "driver/tokenizer.hpp"
#include "runtime/strings.hpp"

namespace xlat {

namespace {

// Where the statement splitter cuts a line that starts at `first` and ends
// a statement: at its first "}" after the first token, outside the quoted
// literals (every quote opens or closes one). npos when there is none.
size_t FirstCut(std::string_view text, size_t first) {
    bool inLiteral = false;
    for (size_t i = text.find_first_of("\"}", first); i != std::string_view::npos;
         i = text.find_first_of("\"}", i + 1)) {
        if (text[i] == '"')
            inLiteral = !inLiteral;
        else if (!inLiteral && i > first)
            return i;
    }
    return std::string_view::npos;
}

// On a long line the pending text is the whole rest of the line every time,
// and the statement splitter cuts it after a "{" that starts it, or else at
// its first "}" after the first token.
// When the rest after that "}" is quiet pieces (the form the splitter writes
// them in, holding nothing that a pass before the splitter acts on) and the
// piece up to it is quiet text, every pass before the splitter leaves the
// piece and the whole line alike as they are: only the piece is taken, and
// the rest stays in pendingText, already in the form the splitter would put
// it back in. The first character of the line decides whether the comment
// and directive passes act on it at all, and is the piece's too. The
// splitter sees the whole line's last token through the checks here, and
// its cut of the piece is the cut of the whole line (it puts the piece back
// together with the rest when it cannot be sure of that).
bool TakePendingPiece(Translator& t) {
    if (!t.piecesOfLongLines) return false;
    const std::string_view text = t.pendingText.View();
    const size_t quiet = t.pendingText.QuietPiecesFrom();
    if (quiet == PendingText::npos) return false;
    const std::string_view line = TrimView(text);
    if (line.size() < 2 || line[0] == '#' || line[0] == '/') return false;
    const size_t first = static_cast<size_t>(line.data() - text.data());
    const size_t last = first + line.size() - 1;
    // The whole line must end a statement.
    if (text[last] != ';' && text[last] != '{' && text[last] != '}') return false;
    // A line that starts with a "{" of its own is cut right after it, when
    // the quiet pieces start there.
    const bool openerFirst = line[0] == '{' && line[1] == ' ' && first + 2 >= quiet;
    const size_t cut = openerFirst ? first : FirstCut(text, first);
    if (cut >= last) return false;
    // The rest starts after the blank behind the "}", or at a "}" glued to
    // it (a pass put "... }" in front of "} ..."); either way it must be
    // quiet pieces.
    const size_t rest = text[cut + 1] == ' ' ? cut + 2 : cut + 1;
    if ((text[cut + 1] != ' ' && text[cut + 1] != '}') || rest < quiet) return false;
    const std::string_view piece = text.substr(first, cut + 1 - first);
    if (!IsQuietText(piece)) return false;
    t.lineText.assign(piece);
    t.pendingText.DropFront(rest);
    t.lineGoesOn = true;
    return true;
}

// Takes the next line: pending text first, then the input. The pending text
// is trimmed and copied once, not built anew.
void GetNextLine(Translator& t) {
    t.lineGoesOn = false;
    t.lineFromInput = false;
    if (TakePendingPiece(t)) return;
    const std::string_view pending = TrimView(t.pendingText);
    if (!pending.empty()) {
        t.lineText.assign(pending);
        t.pendingText.clear();
    } else {
        t.lineText.assign(TrimView(t.in.ReadLineView()));
        t.lineFromInput = true;
    }
    if (t.lineText.find('\t') != std::string::npos) t.lineText = Replace(t.lineText, "\t", "   ");
}

// One line through the chain, up to the first pass that finishes it.
void TranslateLine(Translator& t) {
    GetNextLine(t);
    RunInOrder<ConvertComments,      // comment lines, trailing comments
               ConvertIncludes,      // #include
               ConvertConditionals,  // #if and its branches
               SplitStatement,       // one statement per line
               TokenizeStatement,    // into the token slots
               RecognizeTypeWords,   // type words and type learning
               NormalizeTypes,       // GL type names, the window procedure
               RenameIdentifiers,    // names that read as BASIC words
               DispatchStatement,    // by the first word
               CleanFunctionHead,    // const and FILE PTR out of heads
               RenameWinMainParams,  // inside WinMain
               DropMainReturn,       // inside main
               RewriteExpression     // operators, then the line is written
               >(t);
}

}  // namespace

// Defined here, not beside the tokenizer, so that the tokenizer is compiled
// as it is for its other callers.
PassResult TokenizeStatement(Translator& t) { return Tokenize(t, kMainDelimiters); }

void CycleGuard::Check(const Translator& t, size_t written) {
    if (written + t.out.size() > outputLimit_)
        t.Fatal("Sorry. Got Lost trying to format source", "the translation keeps growing");
    if (t.in.LinesRead() != linesRead_) {
        recent_.clear();
        seen_.clear();
        linesRead_ = t.in.LinesRead();
    }
    constexpr size_t kShortList = 16;
    const State state = StateOf(t);
    bool repeated;
    if (seen_.empty() && recent_.size() < kShortList) {
        repeated = std::find(recent_.begin(), recent_.end(), state) != recent_.end();
        if (!repeated) recent_.push_back(state);
    } else {
        if (seen_.empty()) seen_.insert(recent_.begin(), recent_.end());
        repeated = !seen_.insert(state).second;
    }
    if (repeated) t.Fatal("Sorry. Got Lost trying to format source", "the same text keeps coming back");
}

size_t CycleGuard::StateHash::operator()(const State& s) const {
    size_t h = s.pendingEnds;
    for (size_t v : {s.pendingSize, s.outSize, s.depth, s.typeCount, s.closer})
        h ^= std::hash<size_t>{}(v) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
    return h;
}

CycleGuard::State CycleGuard::StateOf(const Translator& t) {
    const std::string_view pending = t.pendingText;
    const size_t edge = std::min<size_t>(pending.size(), 64);
    const std::hash<std::string_view> hash;
    return {hash(pending.substr(0, edge)) ^ (hash(pending.substr(pending.size() - edge)) * 31),
            pending.size(),
            t.out.size(),
            static_cast<size_t>(t.BlockDepth()),
            static_cast<size_t>(t.types.TypeCount()),
            std::hash<std::string>{}(t.pendingBlock.closer)};
}

void RunLines(Translator& t, CycleGuard& guard, size_t stopAt, size_t written) {
    for (;;) {
        const bool pending = !TrimView(t.pendingText).empty();
        if (!pending && (t.AtEnd() || t.in.Position().pos >= stopAt)) return;
        if (pending) guard.Check(t, written);
        TranslateLine(t);
    }
}

}  // namespace xlat
