#include "driver/passes.hpp"
#include "expressions/expressions.hpp"
#include "statements/flow_helpers.hpp"

namespace xlat {

int FindConditionEnd(const Translator& t) {
    int depth = 0;
    bool opened = false;
    for (int i = 1; i <= t.lastToken; ++i) {
        if (t.TokAt(i) == "("sv) {
            ++depth;
            opened = true;
        } else if (t.TokAt(i) == ")"sv) {
            --depth;
        }
        if (opened && depth == 0) return i;
    }
    return -1;
}

std::string TokensWithBlanks(const Translator& t, int from, int to) {
    std::string text;
    for (int i = from; i <= to; ++i) {
        text += t.TokAt(i);
        text += ' ';
    }
    return text;
}

void MoveInnerStatement(Translator& t) {
    if (t.TokAt(t.lastToken) != "{"sv) return;
    const int h = FindConditionEnd(t);
    if (h < 0 || h == t.lastToken - 1) return;
    t.scratchText = TokensWithBlanks(t, h + 1, t.lastToken);
    t.pendingText = t.scratchText + t.pendingText;
    t.Tok(h + 1) = '{';
    t.lastToken = h + 1;
    t.pendingBlock.autoClose = 1;
}

void EmptyConditionParentheses(Translator& t) {
    if (t.TokAt(1) != "("sv) return;
    const int close = FindMatchingParen(t, 1);
    t.Tok(1).clear();
    t.Tok(close).clear();
}

void WriteRawLine(Translator& t) {
    if (!t.lineComment.empty()) {
        t.Write2("'", t.lineComment);
        t.lineComment.clear();
    }
    t.Write2("!", t.lineText);
}

void ApplyRawBraces(Translator& t) {
    for (int i = 0; i <= t.lastToken; ++i) {
        if (t.TokAt(i) == "{"sv) {
            t.PushBlock(t.pendingBlock);
            t.pendingBlock = BlockRecord{};
        } else if (t.TokAt(i) == "}"sv) {
            t.pendingBlock = t.PopBlock();
            if (!t.pendingBlock.closer.empty()) t.Write(t.pendingBlock.closer);
            while (t.TopBlock() && t.TopBlock()->autoClose == 1) t.Write(t.PopBlock().closer);
            t.pendingBlock = BlockRecord{};
        }
    }
}

// A control header whose parentheses hold the conditional operator ("?" and
// a later ":") cannot be turned into a BASIC condition: the line goes out as
// raw C. With a "{" at its end the body still opens a block, closed by "!}".
PassResult PassRawConditionalHeader(Translator& t) {
    if (t.TokAt(1) != "("sv) return PassResult::GoOn;
    const int close = FindMatchingParen(t, 1);
    if (close == 1) return PassResult::GoOn;
    int question = -1;
    for (int i = 2; i < close && question < 0; ++i)
        if (t.TokAt(i) == "?"sv) question = i;
    if (question < 0) return PassResult::GoOn;
    bool colon = false;
    for (int i = question + 1; i < close; ++i)
        if (t.TokAt(i) == ":"sv) colon = true;
    if (!colon) return PassResult::GoOn;

    WriteRawLine(t);
    if (t.TokAt(t.lastToken) == "{"sv) {
        BlockRecord raw;
        raw.closer = "!}";
        t.PushBlock(raw);
        t.pendingBlock = BlockRecord{};
    }
    t.lineText.clear();
    return PassResult::LineDone;
}

}  // namespace xlat
