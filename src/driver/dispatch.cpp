#include "driver/passes.hpp"

namespace xlat {

namespace {

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

// The rewrites of first words that need no pass of their own.

PassResult OpenSelect(Translator& t) {
    t.Tok(0) = "SELECT CASE";
    t.pendingBlock.closer = "END SELECT";
    return PassResult::GoOn;
}

PassResult OpenDoLoop(Translator& t) {
    t.Tok(0) = "DO";
    t.pendingBlock.closer = "LOOP";
    return PassResult::GoOn;
}

// The word goes, and the rest of the statement is looked at again.
PassResult DropFirstWord(Translator& t) {
    t.Tok(0).clear();
    t.CompactTokens();
    return PassResult::LookAgain;
}

// `default:` is the CASE ELSE of its SELECT CASE.
PassResult DefaultToCaseElse(Translator& t) {
    t.Tok(0) = "case";
    t.InsertToken("ELSE", 1);
    return PassResult::LookAgain;
}

// A constant with a brace initialiser is declared like any other
// initialised array: the word const goes and the line is looked at again.
// Any other constant loses its type and goes on as it stands.
PassResult TranslateConst(Translator& t) {
    if (LineHasToken(t, "{")) return DropFirstWord(t);
    if (t.IsTypeName(t.TokAt(1))) t.Tok(1).clear();
    t.CompactTokens();
    return PassResult::GoOn;
}

// A break leaves a loop; in a SELECT CASE it only ends the case and goes.
PassResult TranslateBreak(Translator& t) {
    const BlockRecord* top = t.TopBlock();
    if (top && top->closer == "END SELECT"sv) {
        t.Tok(0).clear();
        t.CompactTokens();
    } else {
        t.Tok(0) = "EXIT LOOP";
    }
    return PassResult::GoOn;
}

// The passes of a first word, then the three that every statement goes
// through after its first word has been looked at.
template <auto... firstWordPasses>
PassResult WithTail(Translator& t) {
    return RunInOrder<firstWordPasses..., TranslateKeywords, TranslateDeclaration, HandleBraces>(t);
}

PassResult TranslateByFirstWord(Translator& t) {
    // Slots past lastToken may still hold old text: a line with no token
    // left has no first word.
    switch (t.lastToken >= 0 ? Classify(t.TokAt(0)) : FirstWord::Other) {
        case FirstWord::Define: return WithTail<TranslateDefine>(t);
        case FirstWord::Typedef: return WithTail<TranslateTypedef>(t);
        case FirstWord::Struct: return WithTail<TranslateStruct>(t);
        case FirstWord::Const: return TranslateConst(t);
        case FirstWord::For: return WithTail<PassRawConditionalHeader, TranslateFor>(t);
        case FirstWord::While: return WithTail<PassRawConditionalHeader, TranslateWhile>(t);
        case FirstWord::Switch: return WithTail<OpenSelect>(t);
        case FirstWord::Default: return DefaultToCaseElse(t);
        case FirstWord::Extern: return DropFirstWord(t);
        case FirstWord::Case: return WithTail<TranslateCase>(t);
        case FirstWord::Break: return WithTail<TranslateBreak>(t);
        case FirstWord::Do: return WithTail<OpenDoLoop>(t);
        case FirstWord::If: return WithTail<PassRawConditionalHeader, TranslateIf>(t);
        case FirstWord::ElseIf: return WithTail<TranslateIf>(t);
        case FirstWord::Else: return WithTail<TranslateElse>(t);
        case FirstWord::Other: return WithTail<>(t);
    }
    return WithTail<>(t);
}

}  // namespace

PassResult DispatchStatement(Translator& t) {
    // The tokens come in compacted: the tokenizer compacts them, and the
    // type-word passes compact them again whenever they empty a slot.
    return UntilSettled<TranslateByFirstWord>(t);
}

}  // namespace xlat
