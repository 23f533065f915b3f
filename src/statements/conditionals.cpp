#include "declarations/declarations.hpp"
#include "driver/passes.hpp"
#include "expressions/expressions.hpp"
#include "runtime/strings.hpp"
#include "statements/flow_helpers.hpp"

namespace xlat {

namespace {

// An assignment inside the condition (`if ((fp = fopen(...)) == NULL)`) is
// written as a statement of its own before the IF line; the condition keeps
// only the assigned variable.
void HoistAssignments(Translator& t) {
    const int end = FindMatchingParen(t, 1);
    for (int i = 1; i <= end; ++i) {
        if (t.TokAt(i) != "="sv) continue;
        int a = i;
        int b = i;
        FindAssignmentSpan(t, i, a, b);
        t.scratchText.clear();
        if (FindMatchingParen(t, a) == b) {
            t.Tok(a).clear();
            t.Tok(b).clear();
        }
        std::string assignment = TokensWithBlanks(t, a, b);
        DeclarationToDim(t, assignment);
        t.Write(assignment);
        for (int j = i; j <= b; ++j) t.Tok(j).clear();
    }
}

}  // namespace

PassResult TranslateIf(Translator& t) {
    t.Tok(0) = UCase(t.TokAt(0));
    t.pendingBlock.closer = "END IF";
    t.pendingBlock.autoClose = 0;
    HoistAssignments(t);
    t.CompactTokens();

    // `if (c) while (d) {`: the inner statement goes on as the next line and
    // the IF block closes together with the inner block.
    MoveInnerStatement(t);

    if (t.TokAt(t.lastToken) != ";"sv) {
        t.InsertToken("THEN", t.lastToken + 1);
    } else {
        // A body without braces: it is given a pair and processed next.
        const int h = FindConditionEnd(t);
        if (h >= 0) {
            t.pendingText = TokensWithBlanks(t, h + 1, t.lastToken) + "}" + t.pendingText;
            t.Tok(h + 1) = "THEN";
            t.Tok(h + 2) = '{';
            t.lastToken = h + 2;
        }
    }

    EmptyConditionParentheses(t);
    return PassResult::GoOn;
}

PassResult TranslateElse(Translator& t) {
    t.pendingBlock.closer = "END IF";
    if (t.TokAt(1) == "if"sv) {
        t.Tok(0) = "ELSEIF";
        t.Tok(1).clear();
        t.CompactTokens();
        return PassResult::LookAgain;
    }
    // The line becomes ELSE alone; the body, in braces of its own, follows.
    t.Tok(0) = "ELSE";
    t.pendingText = Join({"{", TokensWithBlanks(t, 1, t.lastToken), "}"}) + t.pendingText;
    t.lastToken = 0;
    return PassResult::GoOn;
}

PassResult TranslateCase(Translator& t) {
    t.Tok(0) = "CASE";
    t.scratchText.clear();
    if (t.TokAt(t.lastToken) != ":"sv) {
        // `case 1: case 2: stmt` gives one value list; the statement after
        // the last colon goes on as the next line.
        for (int i = 1; i <= t.lastToken; ++i) {
            if (t.TokAt(i) == ":"sv && t.TokAt(i + 1) == "case"sv) {
                t.Tok(i).clear();
                t.Tok(i + 1) = ',';
            }
        }
        t.CompactTokens();
        for (int i = 1; i <= t.lastToken; ++i) {
            if (t.TokAt(i) != ":"sv) continue;
            t.scratchText = TokensWithBlanks(t, i + 1, t.lastToken);
            t.lastToken = i;
            t.pendingText = t.scratchText + t.pendingText;
            break;
        }
    }
    --t.lastToken;  // the final ":"
    return PassResult::GoOn;
}

}  // namespace xlat
