// The grammar of type words, written once for the two places that need it:
// the type-word pass, on the tokens of a line, and the quick scan of the
// parallel mode, on the tokens of a statement cut from raw text. Both hand
// the same functions their tokens through a small adapter:
//   std::string_view At(int i) const   the token, empty past the last or below 0
//   int Last() const                    index of the last token (-1: none)
//   void Set(int i, std::string_view)   replaces token i; empty deletes it
//   void Learn(std::string_view name)   takes name for a type from now on
// A token deleted by a fold stays in place (empty) until the caller compacts
// the tokens; learning runs on compacted tokens.
#pragma once

#include <string_view>

#include "runtime/strings.hpp"

namespace xlat::type_grammar {

using namespace std::string_view_literals;

// Only const, long, short, signed, unsigned, ULONG and USHORT start a fold:
// the first letter passes over most tokens.
inline bool MayStartFold(std::string_view word) {
    if (word.empty()) return false;
    const char c = word[0];
    return c == 'c' || c == 'l' || c == 's' || c == 'u' || c == 'U';
}

// Folds two or three type words starting at token i into one; true when a
// token was deleted. A folded word may start the next fold (`unsigned long
// int` gives ULONG).
template <class Tokens>
bool FoldAt(Tokens& tokens, int i) {
    // Each word below starts at most one fold; the next word is read before
    // any token is written.
    const std::string_view a = tokens.At(i);
    const std::string_view b = tokens.At(i + 1);
    if (a == "const"sv) {
        if ((b == "char"sv || b == "BYTE"sv) && tokens.At(i + 2) == "*"sv) {
            tokens.Set(i + 2, b == "char"sv ? "LPCCH"sv : "LPCBYTE"sv);
            tokens.Set(i, {});
            tokens.Set(i + 1, {});
            return true;
        }
    } else if (a == "ULONG"sv || a == "long"sv || a == "USHORT"sv || a == "short"sv) {
        if (b == "int"sv) {
            tokens.Set(i + 1, {});
            return true;
        }
    } else if (a == "signed"sv) {
        if (b == "char"sv || b == "short"sv || b == "int"sv || b == "long"sv) {
            tokens.Set(i, {});
            return true;
        }
    } else if (a == "unsigned"sv) {
        const std::string_view folded = b == "char"sv    ? "UCHAR"sv
                                        : b == "short"sv ? "USHORT"sv
                                        : b == "int"sv   ? "UINT"sv
                                        : b == "long"sv  ? "ULONG"sv
                                                         : std::string_view();
        if (!folded.empty()) {
            tokens.Set(i, {});
            tokens.Set(i + 1, folded);
            return true;
        }
    }
    return false;
}

// Folds the multi-word C types of the tokens; true when a token was deleted
// (the tokens then need compacting).
template <class Tokens>
bool FoldTypeWords(Tokens& tokens) {
    bool deleted = false;
    for (int i = 0; i <= tokens.Last(); ++i)
        if (MayStartFold(tokens.At(i))) deleted |= FoldAt(tokens, i);
    return deleted;
}

// The type words of a parameter list: `(COLORREF c,` and `, LPFOO * p)`.
template <class Tokens>
void LearnParameterTypes(Tokens& tokens) {
    for (int i = 2; i <= tokens.Last(); ++i) {
        if (!BeginsWithPunctuation(tokens.At(i)) || !BeginsWithLetter(tokens.At(i + 1))) continue;
        const std::string_view type = tokens.At(i + 1);
        if (BeginsWithLetter(tokens.At(i + 2)) && BeginsWithPunctuation(tokens.At(i + 3)) && type != "const"sv)
            tokens.Learn(type);
        const std::string_view mark = tokens.At(i + 2);
        if ((mark == "*"sv || mark == "&"sv) && BeginsWithLetter(tokens.At(i + 3)) &&
            BeginsWithPunctuation(tokens.At(i + 4)))
            tokens.Learn(type);
    }
}

// The type names of a declaration or function head whose first word is a
// type position (`FILE *fp;`, `HFONT font;`, `LRESULT CALLBACK f(`), and
// the parameter types of a definition head.
template <class Tokens>
void LearnFromDeclaration(Tokens& tokens) {
    const std::string_view first = tokens.At(0);
    if (!BeginsWithLetter(first)) return;
    for (std::string_view word : {"return"sv, "enum"sv, "struct"sv, "else"sv, "case"sv, "const"sv, "typedef"sv})
        if (first == word) return;
    const int type = first == "static"sv ? 1 : 0;
    int name = type + 1;
    // type (*name)( : a function pointer
    if (tokens.At(name) == "("sv && tokens.At(name + 1) == "*"sv && BeginsWithLetter(tokens.At(name + 2)) &&
        tokens.At(name + 3) == ")"sv && tokens.At(name + 4) == "("sv) {
        tokens.Learn(tokens.At(type));
        LearnParameterTypes(tokens);
    }
    if (tokens.At(name) == "*"sv || tokens.At(name) == "&"sv) ++name;
    if (!BeginsWithLetter(tokens.At(name))) return;
    tokens.Learn(tokens.At(type));
    if (BeginsWithLetter(tokens.At(name + 1))) ++name;
    // A definition head, not a prototype, teaches its parameter types.
    if (tokens.At(name + 1) == "("sv && tokens.At(tokens.Last()) != ";"sv) LearnParameterTypes(tokens);
}

}  // namespace xlat::type_grammar
