#include "driver/convert.hpp"

#include "driver/line_map.hpp"
#include "driver/passes.hpp"
#include "prepass/normalise.hpp"
#include "runtime/strings.hpp"

namespace xlat {

namespace {

// Takes the next line: pending text first, then the input.
void GetNextLine(Translator& t) {
    std::string pending = Trim(t.pendingText);
    if (!pending.empty()) {
        t.lineText = std::move(pending);
        t.pendingText.clear();
    } else {
        t.lineText = t.ReadLine();
    }
    t.lineText = Replace(Trim(t.lineText), "\t", "   ");
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
        while (!t.AtEnd() || !Trim(t.pendingText).empty()) TranslateLine(t);
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
