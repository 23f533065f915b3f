#include "driver/passes.hpp"

namespace xlat {

namespace {

// The three passes that every statement goes through after its first word
// has been looked at.
int RunTail(Translator& t) {
    if (!TranslateKeywords(t)) return 0;
    if (!TranslateDeclaration(t)) return 0;
    if (!HandleBraces(t)) return 0;
    return 1;
}

bool LineHasToken(const Translator& t, std::string_view token) {
    for (int i = 0; i <= t.lastToken; ++i)
        if (t.TokAt(i) == token) return true;
    return false;
}

}  // namespace

int DispatchStatement(Translator& t) {
    t.CompactTokens();
    // The pre-pass joins a block's "}" with a "while" that starts the next
    // line. Unless the innermost block is a do body, that while begins a loop
    // of its own: the "}" is handled alone and the loop is the next statement
    // (also when its header is passed through as raw C).
    const BlockRecord* top = t.TopBlock();
    if (t.lastToken >= 1 && t.TokAt(0) == "}" && t.TokAt(1) == "while" && !(top && top->closer == "LOOP"))
        MoveTokensToPending(t, 1);
    for (;;) {
        // Slots past lastToken may still hold old text: a line with no token
        // left has no first word.
        const std::string first = t.lastToken >= 0 ? t.TokAt(0) : std::string();
        if (first == "#define") return TranslateDefine(t) ? RunTail(t) : 0;
        if (first == "typedef") return TranslateTypedef(t) ? RunTail(t) : 0;
        if (first == "struct") return TranslateStruct(t) ? RunTail(t) : 0;
        if (first == "const") {
            // A constant with a brace initialiser is declared like any other
            // initialised array, so the word const goes and the line is
            // looked at again.
            if (LineHasToken(t, "{")) {
                t.Tok(0).clear();
                t.CompactTokens();
                continue;
            }
            if (t.IsTypeName(t.TokAt(1))) t.Tok(1).clear();
            t.CompactTokens();
            return 1;
        }
        if (first == "for") {
            if (!PassRawConditionalHeader(t)) return 0;
            return TranslateFor(t) ? RunTail(t) : 0;
        }
        if (first == "while") {
            if (!PassRawConditionalHeader(t)) return 0;
            return TranslateWhile(t) ? RunTail(t) : 0;
        }
        if (first == "switch") {
            t.Tok(0) = "SELECT CASE";
            t.pendingBlock.closer = "END SELECT";
            return RunTail(t);
        }
        if (first == "default") {
            t.Tok(0) = "case";
            t.InsertToken("ELSE", 1);
            continue;
        }
        if (first == "extern") {
            t.Tok(0).clear();
            t.CompactTokens();
            continue;
        }
        if (first == "case") return TranslateCase(t) ? RunTail(t) : 0;
        if (first == "break") {
            const BlockRecord* top = t.TopBlock();
            if (top && top->closer == "END SELECT") {
                t.Tok(0).clear();
                t.CompactTokens();
            } else {
                t.Tok(0) = "EXIT LOOP";
            }
            return RunTail(t);
        }
        if (first == "do") {
            t.Tok(0) = "DO";
            t.pendingBlock.closer = "LOOP";
            return RunTail(t);
        }
        if (first == "if" || first == "ELSEIF") {
            if (first == "if" && !PassRawConditionalHeader(t)) return 0;
            return TranslateIf(t) ? RunTail(t) : 0;
        }
        if (first == "else") {
            if (TranslateElse(t)) return RunTail(t);
            continue;
        }
        return RunTail(t);
    }
}

}  // namespace xlat
