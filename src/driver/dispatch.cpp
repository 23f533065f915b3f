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

// The first words that the dispatcher tells apart.
enum class FirstWord {
    Other,
    Define,
    Typedef,
    Struct,
    Const,
    For,
    While,
    Switch,
    Default,
    Extern,
    Case,
    Break,
    Do,
    If,
    ElseIf,
    Else
};

FirstWord Classify(std::string_view word) {
    if (word.empty()) return FirstWord::Other;
    switch (word[0]) {
        case '#': return word == "#define"sv ? FirstWord::Define : FirstWord::Other;
        case 't': return word == "typedef"sv ? FirstWord::Typedef : FirstWord::Other;
        case 's':
            return word == "struct"sv ? FirstWord::Struct : word == "switch"sv ? FirstWord::Switch : FirstWord::Other;
        case 'c': return word == "const"sv ? FirstWord::Const : word == "case"sv ? FirstWord::Case : FirstWord::Other;
        case 'f': return word == "for"sv ? FirstWord::For : FirstWord::Other;
        case 'w': return word == "while"sv ? FirstWord::While : FirstWord::Other;
        case 'd': return word == "default"sv ? FirstWord::Default : word == "do"sv ? FirstWord::Do : FirstWord::Other;
        case 'e': return word == "extern"sv ? FirstWord::Extern : word == "else"sv ? FirstWord::Else : FirstWord::Other;
        case 'b': return word == "break"sv ? FirstWord::Break : FirstWord::Other;
        case 'i': return word == "if"sv ? FirstWord::If : FirstWord::Other;
        case 'u': return word == "union"sv ? FirstWord::Struct : FirstWord::Other;
        case 'E': return word == "ELSEIF"sv ? FirstWord::ElseIf : FirstWord::Other;
        default: return FirstWord::Other;
    }
}

}  // namespace

int DispatchStatement(Translator& t) {
    // The tokens come in compacted: the tokenizer compacts them, and the
    // type-word passes compact them again whenever they empty a slot.
    for (;;) {
        // Slots past lastToken may still hold old text: a line with no token
        // left has no first word.
        const FirstWord first = t.lastToken >= 0 ? Classify(t.TokAt(0)) : FirstWord::Other;
        switch (first) {
            case FirstWord::Define: return TranslateDefine(t) ? RunTail(t) : 0;
            case FirstWord::Typedef: return TranslateTypedef(t) ? RunTail(t) : 0;
            case FirstWord::Struct: return TranslateStruct(t) ? RunTail(t) : 0;
            case FirstWord::Const:
                // A constant with a brace initialiser is declared like any
                // other initialised array, so the word const goes and the
                // line is looked at again.
                if (LineHasToken(t, "{")) {
                    t.Tok(0).clear();
                    t.CompactTokens();
                    continue;
                }
                if (t.IsTypeName(t.TokAt(1))) t.Tok(1).clear();
                t.CompactTokens();
                return 1;
            case FirstWord::For:
                if (!PassRawConditionalHeader(t)) return 0;
                return TranslateFor(t) ? RunTail(t) : 0;
            case FirstWord::While:
                if (!PassRawConditionalHeader(t)) return 0;
                return TranslateWhile(t) ? RunTail(t) : 0;
            case FirstWord::Switch:
                t.Tok(0) = "SELECT CASE";
                t.pendingBlock.closer = "END SELECT";
                return RunTail(t);
            case FirstWord::Default:
                t.Tok(0) = "case";
                t.InsertToken("ELSE", 1);
                continue;
            case FirstWord::Extern:
                t.Tok(0).clear();
                t.CompactTokens();
                continue;
            case FirstWord::Case: return TranslateCase(t) ? RunTail(t) : 0;
            case FirstWord::Break: {
                const BlockRecord* top = t.TopBlock();
                if (top && top->closer == "END SELECT"sv) {
                    t.Tok(0).clear();
                    t.CompactTokens();
                } else {
                    t.Tok(0) = "EXIT LOOP";
                }
                return RunTail(t);
            }
            case FirstWord::Do:
                t.Tok(0) = "DO";
                t.pendingBlock.closer = "LOOP";
                return RunTail(t);
            case FirstWord::If:
                if (!PassRawConditionalHeader(t)) return 0;
                return TranslateIf(t) ? RunTail(t) : 0;
            case FirstWord::ElseIf: return TranslateIf(t) ? RunTail(t) : 0;
            case FirstWord::Else:
                if (TranslateElse(t)) return RunTail(t);
                continue;
            case FirstWord::Other: return RunTail(t);
        }
    }
}

}  // namespace xlat
