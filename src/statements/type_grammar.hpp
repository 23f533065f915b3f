// The grammar of type words, written once for the two places that need it:
// the type-word pass, on the tokens of a line, and the quick scan of the
// parallel mode, on the tokens of a statement cut from raw text. Both hand
// the same functions their tokens through a small adapter:
//   std::string_view At(int i) const   the token, empty past the last or below 0
//   int Last() const                    index of the last token (-1: none)
//   void Set(int i, std::string_view)   replaces token i; empty deletes it
//   void Learn(std::string_view name)   takes name for a type from now on
//   void Compact()                      removes the deleted (empty) tokens
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

// `struct`, `union` and `enum` in front of a tag.
inline bool IsTagWord(std::string_view word) { return word == "struct"sv || word == "union"sv || word == "enum"sv; }

// Words that begin a statement, not a declaration.
inline bool IsStatementWord(std::string_view word) {
    for (std::string_view statement : {"return"sv, "if"sv, "while"sv, "for"sv, "switch"sv, "case"sv, "else"sv,
                                       "do"sv, "goto"sv, "sizeof"sv, "typedef"sv})
        if (word == statement) return true;
    return false;
}

// Whether the first "(" of the tokens opens the parameter list of a head or
// a prototype (`type name (`), not the arguments of a call or an
// initialiser.
template <class Tokens>
bool HoldsParameterList(const Tokens& tokens) {
    for (int i = 0; i <= tokens.Last(); ++i) {
        const std::string_view token = tokens.At(i);
        if (token == "="sv) return false;
        if (token == "("sv) return i >= 2 && StartsName(tokens.At(i - 1));
    }
    return false;
}

template <class Tokens>
bool HoldsToken(const Tokens& tokens, std::string_view wanted) {
    for (int i = 0; i <= tokens.Last(); ++i)
        if (tokens.At(i) == wanted) return true;
    return false;
}

// In a declaration, a function head or a parameter list, `struct tag` (or
// union, enum) is the type `tag`: the word goes and the tag is learnt. The
// lines that define a structure or declare one with `struct tag name ;` keep
// the word for the structure pass. True when a token was deleted.
template <class Tokens>
bool DropTagWords(Tokens& tokens) {
    const std::string_view first = tokens.At(0);
    if (!StartsName(first) || IsStatementWord(first)) return false;
    const bool parameters = HoldsParameterList(tokens);
    bool deleted = false;
    for (int i = 0; i < tokens.Last(); ++i) {
        if (!IsTagWord(tokens.At(i)) || !StartsName(tokens.At(i + 1)) || tokens.At(i + 2) == "{"sv) continue;
        bool drop;
        if (i == 0)
            drop = parameters || (first != "struct"sv && tokens.Last() > 2 && !HoldsToken(tokens, "{"sv));
        else if (i == 1)
            drop = first == "static"sv || first == "extern"sv;
        else
            drop = parameters && (tokens.At(i - 1) == "("sv || tokens.At(i - 1) == ","sv);
        if (!drop) continue;
        tokens.Learn(tokens.At(i + 1));
        tokens.Set(i, {});
        deleted = true;
    }
    return deleted;
}

// The multi-word types folded, then the struct words dropped (each on
// compacted tokens).
template <class Tokens>
void FoldTypeWordsAndTags(Tokens& tokens) {
    if (FoldTypeWords(tokens)) tokens.Compact();
    if (DropTagWords(tokens)) tokens.Compact();
}

// The type words of a parameter list: `(COLORREF c,` and `, LPFOO * p)`.
template <class Tokens>
void LearnParameterTypes(Tokens& tokens) {
    for (int i = 2; i <= tokens.Last(); ++i) {
        if (!BeginsWithPunctuation(tokens.At(i)) || !BeginsWithLetter(tokens.At(i + 1))) continue;
        const std::string_view type = tokens.At(i + 1);
        if (IsTagWord(type)) continue;
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
    for (std::string_view word : {"return"sv, "enum"sv, "struct"sv, "union"sv, "else"sv, "case"sv, "const"sv, "typedef"sv})
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
