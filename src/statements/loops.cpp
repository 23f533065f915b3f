#include "comments/comments.hpp"
#include "declarations/declarations.hpp"
#include "directives/directives.hpp"
#include "driver/passes.hpp"
#include "runtime/strings.hpp"
#include "statements/flow_helpers.hpp"

namespace xlat {

namespace {

// Index of the first token equal to `text` from `from` on, or lastToken + 1.
int FindToken(const Translator& t, std::string_view text, int from) {
    int i = from;
    while (i <= t.lastToken && t.TokAt(i) != text) ++i;
    return i;
}

// Tokens from..to joined with nothing between them.
std::string Concatenate(const Translator& t, int from, int to) {
    std::string text;
    for (int i = from; i <= to; ++i) text += t.TokAt(i);
    return text;
}

// The same for the step, where each "," separates two statements and
// becomes " : " (in the condition a comma belongs to the expression).
std::string JoinStepStatements(const Translator& t, int from, int to) {
    std::string text;
    for (int i = from; i <= to; ++i) text += t.TokAt(i) == ","sv ? " : " : t.TokAt(i);
    return text;
}

// The next input line of a for header spread over lines. A block comment
// over several lines met on the way is written now, before the loop.
std::string NextHeaderLine(Translator& t) {
    for (;;) {
        if (t.AtEnd()) t.Fatal("Sorry. Got Lost trying to format source", "for header not closed at end of file");
        std::string next = t.ReadLine();
        const std::string text = Trim(next);
        if (!StartsLongBlockComment(text)) return next;
        WriteLongBlockComment(t, text);
    }
}

int ParenthesisDepth(const Translator& t) {
    int depth = 0;
    for (int i = 0; i <= t.lastToken; ++i) {
        if (t.TokAt(i) == "("sv) ++depth;
        if (t.TokAt(i) == ")"sv) --depth;
    }
    return depth;
}

}  // namespace

PassResult TranslateWhile(Translator& t) {
    if (t.TokAt(t.lastToken) == "}"sv) {
        --t.lastToken;
        t.pendingText = "}" + t.pendingText;
    }
    t.Tok(0) = "WHILE";
    t.pendingBlock.closer = "WEND";
    t.pendingBlock.autoClose = 0;

    if (t.TokAt(t.lastToken) == ";"sv) {
        const int h = FindConditionEnd(t);
        if (h >= 0 && h == t.lastToken - 1) {
            // `while (cond);`: a loop with an empty body.
            t.Tok(t.lastToken).clear();
            RewriteExpression(t);
            t.Write("WEND");
            t.pendingBlock.closer.clear();
            return PassResult::LineDone;
        }
        if (h >= 0) {
            // A body without braces is given a pair and processed next.
            t.pendingText = TokensWithBlanks(t, h + 1, t.lastToken) + " } " + t.pendingText;
            t.Tok(h + 1) = '{';
            t.lastToken = h + 1;
        }
    }

    EmptyConditionParentheses(t);
    return PassResult::GoOn;
}

// A for loop becomes its init line, a WHILE line, the body, and at the body's
// closing brace the step and WEND (the step waits on the block stack under
// the body's "NEXT" record).
PassResult TranslateFor(Translator& t) {
    t.pendingBlock.autoClose = 0;
    t.CompactTokens();

    // `for (...) if (c) {`: the inner statement goes on as the next line and
    // the loop closes together with its block.
    MoveInnerStatement(t);

    // A header spread over lines is joined with the next input line until
    // its parentheses balance.
    if (ParenthesisDepth(t) != 0) {
        const std::string next = NextHeaderLine(t);
        CountDirective(t, next);  // taken into the header, it is no line of its own
        t.pendingText = t.pendingText + Trim(t.lineText) + next;
        return PassResult::LineDone;
    }

    const int firstSemicolon = FindToken(t, ";", 2);
    std::string init;
    for (int i = 2; i < firstSemicolon; ++i) {
        init += t.TokAt(i) == ","sv ? " : " : t.TokAt(i);
        init += ' ';
    }
    DeclarationToDim(t, init);
    t.Write(init);

    const int secondSemicolon = FindToken(t, ";", firstSemicolon + 1);
    t.Write2("WHILE ", Concatenate(t, firstSemicolon + 1, secondSemicolon - 1));

    const int stepEnd = FindToken(t, ")", secondSemicolon + 1);
    t.pendingBlock.closer = JoinStepStatements(t, secondSemicolon + 1, stepEnd - 1);
    t.PushBlock(t.pendingBlock);

    const std::string rest = t.pendingText;
    const std::string body = TokensWithBlanks(t, stepEnd + 1, t.lastToken);
    if (t.pendingBlock.autoClose == 1) {
        // The statement moved out above opens the body's block itself.
        t.pendingText = "{ " + rest;
    } else if (t.TokAt(t.lastToken) == "{"sv) {
        t.pendingText = body + rest;
    } else {
        t.pendingText = "{" + body + rest + "}";
    }

    t.lineText.clear();
    t.scratchText.clear();
    t.pendingBlock.closer = "NEXT";
    return PassResult::LineDone;
}

}  // namespace xlat
