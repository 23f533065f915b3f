// Type and identifier normalisation on the tokens of a line: multi-word C
// types fold into the single type words the declaration passes know, new
// type names are learnt from the shape of declarations and function heads,
// OpenGL scalar types map onto C ones, and identifiers that would read as
// BASIC words are renamed.
#include "driver/passes.hpp"
#include "runtime/strings.hpp"

namespace xlat {

namespace {

// Only const, long, short, signed, unsigned, ULONG and USHORT start a fold:
// the first letter, tested in the caller's loop, passes over most tokens.
bool MayStartFold(const std::string& word) {
    if (word.empty()) return false;
    const char c = word[0];
    return c == 'c' || c == 'l' || c == 's' || c == 'u' || c == 'U';
}

// Folds two or three type words starting at token i into one; true when a
// slot was emptied. Tokens are addressed by index: writing a slot may grow
// the buffer.
bool FoldTypeWordsAt(Translator& t, int i) {
    const std::string& word = t.TokAt(i);
    // Each word below starts at most one fold; the next word is read before
    // any slot is written.
    const std::string_view a = word;
    const std::string_view b = t.TokAt(i + 1);
    if (a == "const"sv) {
        if ((b == "char"sv || b == "BYTE"sv) && t.TokAt(i + 2) == "*"sv) {
            t.Tok(i + 2) = b == "char"sv ? "LPCCH" : "LPCBYTE";
            t.Tok(i).clear();
            t.Tok(i + 1).clear();
            return true;
        }
    } else if (a == "ULONG"sv || a == "long"sv || a == "USHORT"sv || a == "short"sv) {
        if (b == "int"sv) {
            t.Tok(i + 1).clear();
            return true;
        }
    } else if (a == "signed"sv) {
        if (b == "char"sv || b == "short"sv || b == "int"sv || b == "long"sv) {
            t.Tok(i).clear();
            return true;
        }
    } else if (a == "unsigned"sv) {
        const char* folded = b == "char"sv    ? "UCHAR"
                             : b == "short"sv ? "USHORT"
                             : b == "int"sv   ? "UINT"
                             : b == "long"sv  ? "ULONG"
                                              : nullptr;
        if (folded) {
            t.Tok(i).clear();
            t.Tok(i + 1) = folded;
            return true;
        }
    }
    return false;
}

void LearnTypeName(Translator& t, const std::string& name) {
    if (!t.IsTypeName(name)) t.AddTypeName(name);
}

// Learns the type names of a declaration or function head whose first word
// is a type position (`FILE *fp;`, `HFONT font;`, `LRESULT CALLBACK f(`).
void LearnFromDeclaration(Translator& t) {
    const std::string& first = t.TokAt(0);
    if (!BeginsWithLetter(first)) return;
    for (std::string_view word : {"return"sv, "enum"sv, "struct"sv, "else"sv, "case"sv, "const"sv, "typedef"sv})
        if (first == word) return;
    int type = first == "static"sv ? 1 : 0;
    int name = type + 1;
    // type (*name)( : a function pointer
    if (t.TokAt(name) == "("sv && t.TokAt(name + 1) == "*"sv && BeginsWithLetter(t.TokAt(name + 2)) &&
        t.TokAt(name + 3) == ")"sv && t.TokAt(name + 4) == "("sv) {
        LearnTypeName(t, t.TokAt(type));
        LearnParameterTypes(t);
    }
    if (t.TokAt(name) == "*"sv || t.TokAt(name) == "&"sv) ++name;
    if (!BeginsWithLetter(t.TokAt(name))) return;
    LearnTypeName(t, t.TokAt(type));
    if (BeginsWithLetter(t.TokAt(name + 1))) ++name;
    // A definition head, not a prototype, teaches its parameter types.
    if (t.TokAt(name + 1) == "("sv && t.TokAt(t.lastToken) != ";"sv) LearnParameterTypes(t);
}

}  // namespace

int RecognizeTypeWords(Translator& t) {
    bool emptied = false;
    for (int i = 0; i <= t.lastToken; ++i)
        if (MayStartFold(t.TokAt(i))) emptied |= FoldTypeWordsAt(t, i);
    // The tokenizer hands the tokens over compacted: only a fold leaves a
    // slot to remove.
    if (emptied) t.CompactTokens();
    LearnFromDeclaration(t);
    return 1;
}

void LearnParameterTypes(Translator& t) {
    for (int i = 2; i <= t.lastToken; ++i) {
        if (!BeginsWithPunctuation(t.TokAt(i)) || !BeginsWithLetter(t.TokAt(i + 1))) continue;
        const std::string type = t.TokAt(i + 1);
        // (COLORREF c,
        if (BeginsWithLetter(t.TokAt(i + 2)) && BeginsWithPunctuation(t.TokAt(i + 3)) && type != "const"sv)
            LearnTypeName(t, type);
        // , LPFOO * p)
        const std::string& mark = t.TokAt(i + 2);
        if ((mark == "*"sv || mark == "&"sv) && BeginsWithLetter(t.TokAt(i + 3)) && BeginsWithPunctuation(t.TokAt(i + 4)))
            LearnTypeName(t, type);
    }
}

int NormalizeTypes(Translator& t) {
    for (int i = 0; i <= t.lastToken; ++i) {
        const std::string& word = t.TokAt(i);
        if (word.empty() || word[0] != 'G') continue;
        std::string& token = t.Tok(i);
        if (token == "GLvoid"sv) token = "void";
        if (token == "GLint"sv) token = "int";
        if (token == "GLuint"sv && t.TokAt(1) == "loop"sv) token = "int";
    }
    // The window procedure named in a window-class set-up line.
    if (t.lastToken >= 1 && LCaseEquals(t.TokAt(t.lastToken - 1), "wndproc")) t.Tok(t.lastToken - 1) = "WndMainProc";
    return 1;
}

namespace {

// Identifiers that would read as words of the BASIC dialect.
constexpr std::string_view kRenames[][2] = {
    {"loop", "iLoop"},  {"pos", "ppos"},     {"len", "llen"},       {"set", "sset"},
    {"delay", "ddelay"}, {"timer", "ttimer"}, {"object", "oobject"},
};

// True when a token starting with `c` could be renamed: the words above,
// "timer." and "unsigned", in any letter case.
bool MayBeRenamed(char c) {
    switch (c | 0x20) {  // ASCII letters in lower case; no other byte maps onto these
        case 'd': case 'l': case 'o': case 'p': case 's': case 't': case 'u': return true;
        default: return false;
    }
}

// Renames token i (not empty) where it must be; true when a slot was emptied.
bool RenameIdentifierAt(Translator& t, int i) {
    // A word is only compared with the renamed words of its first letter.
    // (No new name is one of the words, so at most one applies.)
    const char first = ToLowerAscii(t.TokAt(i)[0]);
    for (const auto& rename : kRenames)
        if (rename[0][0] == first && LCaseEquals(t.TokAt(i), rename[0])) t.Tok(i) = rename[1];
    // The checks below go by the first letter too (a renamed word passes
    // neither).
    if (first == 't' && LCaseEquals(std::string_view(t.TokAt(i)).substr(0, 6), "timer.")) t.Tok(i) = "t" + t.TokAt(i);
    // "unsigned" in other letter cases, before int, char or long.
    if (first == 'u' && LCaseEquals(t.TokAt(i), "unsigned")) {
        t.scratchText = LCase(t.TokAt(i + 1));
        if (t.scratchText == "int"sv || t.scratchText == "char"sv || t.scratchText == "long"sv) {
            t.Tok(i + 1) = "U" + UCase(t.TokAt(i + 1));
            t.Tok(i).clear();
            t.scratchText.clear();
            return true;
        }
    }
    t.scratchText.clear();
    return false;
}

}  // namespace

int RenameIdentifiers(Translator& t) {
    if (t.lastToken >= 0) t.scratchText.clear();  // as each token's check leaves it
    bool emptied = false;
    for (int i = 0; i <= t.lastToken; ++i) {
        const std::string& token = t.TokAt(i);
        if (!token.empty() && MayBeRenamed(token[0])) emptied |= RenameIdentifierAt(t, i);
    }
    // The tokens came in compacted: only a folded "unsigned" leaves a slot
    // to remove.
    if (emptied) t.CompactTokens();
    return 1;
}

}  // namespace xlat
