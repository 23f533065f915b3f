// The branches of a conditional (#if, #elif, #else, #endif) are
// alternatives: in valid C each has the same net effect on the blocks, yet
// each may open its own block for one shared body. Every branch is
// therefore translated from the block stack that stood at the opening
// directive, and the stack the last branch leaves is the one that goes on.
#include <algorithm>

#include "directives/directives.hpp"
#include "driver/translator.hpp"

namespace xlat {

namespace {

bool IsOpening(std::string_view name) { return name == "if"sv || name == "ifdef"sv || name == "ifndef"sv; }

// Puts back the block stack kept at the opening directive before the next
// branch is translated.
void StartNextBranch(Translator& t) {
    const OpenConditional& open = t.conditionals.back();
    // The stack the branch should have left: the kept one, without the IF
    // whose "}" came before the opening directive.
    const size_t expected = open.keptBlocks.size() - (open.repeatsClose && !open.keptBlocks.empty() ? 1 : 0);
    if (t.blockStack.size() != expected ||
        !std::equal(t.blockStack.begin(), t.blockStack.end(), open.keptBlocks.begin()))
        t.reconciledBranches.push_back(t.in.LinesRead());
    t.blockStack = open.keptBlocks;
    t.blockLines = open.keptLines;
    // While the else look-ahead runs the directives, the "}" is still to
    // be handled; otherwise the branch gets it again first.
    if (open.repeatsClose && !t.directivesBeforeClose) t.pendingText = "} " + t.pendingText;
}

}  // namespace

void CountDirective(Translator& t, std::string_view line) {
    if (!IsDirectiveLine(line)) return;
    const std::string name = DirectiveName(line);
    if (IsOpening(name)) {
        t.conditionals.push_back({t.blockStack, t.blockLines, t.directivesBeforeClose});
    } else if (t.conditionals.empty()) {
        return;  // an #elif, #else or #endif without its #if changes nothing
    } else if (name == "elif"sv || name == "else"sv) {
        StartNextBranch(t);
    } else if (name == "endif"sv) {
        t.conditionals.pop_back();
    }
}

}  // namespace xlat
