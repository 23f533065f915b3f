#include "driver/translation_steps.hpp"

namespace xlat {

namespace {

// The user's source line of line `line` of the normalised text.
long SourceLine(const std::vector<long>& map, long line) {
    if (map.empty()) return line;
    if (line < 1) return map.front();
    if (static_cast<size_t>(line) > map.size()) return map.back();
    return map[static_cast<size_t>(line - 1)];
}

}  // namespace

void KeepTouchUps(const Translator& t, const std::vector<long>& sourceLines, Conversion& result) {
    for (const RawLine& raw : t.rawLines) result.rawLines.push_back({SourceLine(sourceLines, raw.line), raw.text});
    for (long line : t.headerLines) result.headerLines.push_back(SourceLine(sourceLines, line));
    for (long line : t.reconciledBranches) result.reconciledBranches.push_back(SourceLine(sourceLines, line));
}

void StartTranslator(Translator& t, const PreparedSource& source, std::string_view typeNamesFile,
                     const WorkSharing& sharing) {
    t.types.LoadNames(typeNamesFile);
    t.piecesOfLongLines = sharing.piecesOfLongLines;
    t.joinShortcut = sharing.joinShortcut;
    t.in = LineSource(source.text);
    t.in.ShareSourceLines(source.lines);
}

Conversion FinishConversion(Conversion result, const Translator& t, std::string text,
                            const std::optional<FatalStop>& fatal, const std::vector<long>& sourceLines) {
    KeepTouchUps(t, sourceLines, result);
    result.text = std::move(text);
    if (fatal) {
        result.verdict = Verdict::Fatal;
        result.message = fatal->message;
        result.reason = fatal->reason;
        result.line = SourceLine(sourceLines, fatal->line);
        return result;
    }
    if (t.BlockDepth() != 0) {
        result.verdict = Verdict::OpenBlocks;
        for (int i = 0; i < t.BlockDepth(); ++i)
            result.openBlocks.push_back({SourceLine(sourceLines, t.blockLines[static_cast<size_t>(i)]),
                                         t.blockStack[static_cast<size_t>(i)].closer});
    }
    return result;
}

}  // namespace xlat
