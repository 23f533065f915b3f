#include "driver/convert.hpp"

#include <algorithm>
#include <unordered_set>

#include "driver/line_map.hpp"
#include "driver/passes.hpp"
#include "prepass/normalise.hpp"
#include "runtime/strings.hpp"

namespace xlat {

namespace {

// On a long line the pending text is the whole rest of the line every time,
// and the statement splitter cuts it at its first "}" after the first token.
// When the rest is made of plain tokens (the form the splitter writes them
// in) and holds nothing that a pass before the splitter acts on, only the
// piece up to that "}" is taken; the rest stays in pendingText, already in
// the form the splitter would put it back in. The splitter sees the whole
// line's last token through the checks here, and its cut of the piece is
// the cut of the whole line (it puts the piece back together with the rest
// when it cannot be sure of that).
bool TakePendingPiece(Translator& t) {
    const std::string_view text = t.pendingText.View();
    const size_t plain = t.pendingText.PlainTokensFrom();
    if (!t.pendingText.HasNoLineMarks() || plain == PendingText::npos) return false;
    const std::string_view line = TrimView(text);
    if (line.size() < 2) return false;
    const size_t first = static_cast<size_t>(line.data() - text.data());
    const size_t last = first + line.size() - 1;
    // The whole line must end a statement with a token that the operator
    // joins of the tokenizer leave alone (no "- >" in front of it).
    if (text[last] != ';' && text[last] != '{' && text[last] != '}') return false;
    if (text[text.find_last_not_of(' ', last - 1)] == '>') return false;
    const size_t cut = text.find('}', first + 1);
    if (cut >= last || text[cut + 1] != ' ' || cut + 2 < plain) return false;
    if (text[text.find_last_not_of(' ', cut - 1)] == '>') return false;
    t.lineText.assign(text.substr(first, cut + 1 - first));
    t.pendingText.DropFront(cut + 2);
    t.lineGoesOn = true;
    return true;
}

// Takes the next line: pending text first, then the input. The pending text
// is trimmed and copied once, not built anew.
void GetNextLine(Translator& t) {
    t.lineGoesOn = false;
    if (TakePendingPiece(t)) return;
    const std::string_view pending = TrimView(t.pendingText);
    if (!pending.empty()) {
        t.lineText.assign(pending);
        t.pendingText.clear();
    } else {
        t.lineText = Trim(t.ReadLine());
    }
    if (t.lineText.find('\t') != std::string::npos) t.lineText = Replace(t.lineText, "\t", "   ");
}

void TranslateLine(Translator& t) {
    GetNextLine(t);
    if (!ConvertComments(t)) return;
    if (!ConvertIncludes(t)) return;
    if (!ConvertConditionals(t)) return;
    if (!SplitStatement(t)) return;
    if (!Tokenize(t, kMainDelimiters)) return;
    if (!RecognizeTypeWords(t)) return;
    if (!NormalizeTypes(t)) return;
    if (!RenameIdentifiers(t)) return;
    if (!DispatchStatement(t)) return;
    if (!CleanFunctionHead(t)) return;
    if (t.inWinMain) RenameWinMainParams(t);
    if (t.inMain && !DropMainReturn(t)) return;
    RewriteExpression(t);
}

// A safety net for a chain of passes that keeps handing the same text back:
// while no input line is read, the state at the start of a line taken from
// pendingText must never repeat, and the output must stay in proportion to
// the source. Either would otherwise run until memory or patience ends.
class CycleGuard {
public:
    explicit CycleGuard(size_t sourceSize) : outputLimit_(64 * sourceSize + (size_t{1} << 20)) {}

    void Check(const Translator& t) {
        if (t.out.size() > outputLimit_)
            t.Fatal("Sorry. Got Lost trying to format source", "the translation keeps growing");
        if (t.in.LinesRead() != linesRead_) {
            seen_.clear();
            linesRead_ = t.in.LinesRead();
        }
        if (!seen_.insert(StateOf(t)).second)
            t.Fatal("Sorry. Got Lost trying to format source", "the same text keeps coming back");
    }

private:
    // What identifies the state: the ends of the pending text (hashed), its
    // size, the size of the output and the block and type counts. The sizes
    // are compared as they are, not folded into one hash: a long line gives
    // many states whose combined hashes can meet although the states differ.
    struct State {
        size_t pendingEnds, pendingSize, outSize, depth, typeCount, closer;
        bool operator==(const State&) const = default;
    };
    struct StateHash {
        size_t operator()(const State& s) const {
            size_t h = s.pendingEnds;
            for (size_t v : {s.pendingSize, s.outSize, s.depth, s.typeCount, s.closer})
                h ^= std::hash<size_t>{}(v) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
            return h;
        }
    };

    static State StateOf(const Translator& t) {
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

    size_t outputLimit_;
    long linesRead_ = -1;
    std::unordered_set<State, StateHash> seen_;
};

// The user's source line of line `line` of the normalised text.
long SourceLine(const std::vector<long>& map, long line) {
    if (map.empty()) return line;
    if (line < 1) return map.front();
    if (static_cast<size_t>(line) > map.size()) return map.back();
    return map[static_cast<size_t>(line - 1)];
}

}  // namespace

Conversion TranslateSource(std::string_view source, std::string_view typeNamesFile) {
    Translator t;
    t.types.LoadNames(typeNamesFile);
    t.in = LineSource(NormaliseSource(source));
    t.in.SetSourceLines(MapNormalisedLines(source));
    Conversion result;
    try {
        CycleGuard guard(source.size());
        for (;;) {
            const bool pending = !TrimView(t.pendingText).empty();
            if (!pending && t.AtEnd()) break;
            if (pending) guard.Check(t);
            TranslateLine(t);
        }
    } catch (const FatalStop& stop) {
        result.text = std::move(t.out);
        result.verdict = Verdict::Fatal;
        result.message = stop.message;
        result.reason = stop.reason;
        result.line = SourceLine(t.in.SourceLines(), stop.line);
        return result;
    }
    result.text = std::move(t.out);
    if (t.BlockDepth() != 0) {
        result.verdict = Verdict::OpenBlocks;
        for (int i = 0; i < t.BlockDepth(); ++i)
            result.openBlocks.push_back({SourceLine(t.in.SourceLines(), t.blockLines[static_cast<size_t>(i)]),
                                         t.blockStack[static_cast<size_t>(i)].closer});
    }
    return result;
}

}  // namespace xlat
