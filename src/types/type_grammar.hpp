// The grammar of type words, written once for the two places that need it:
// the type-word pass, on the tokens of a line, and the quick scan of the
// parallel mode, on the tokens of a statement cut from raw text. Both hand
// the same functions their tokens through a small adapter:
//   std::string_view At(int i) const   the token, empty past the last or below 0
//   int Last() const                    index of the last token (-1: none)
//   void Set(int i, std::string_view)   replaces token i; empty deletes it
//   void Learn(std::string_view name)   takes name for a type from now on
//   void Compact()                      removes the deleted (empty) tokens
//   bool IsType(std::string_view) const whether the name is a type by now
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "runtime/strings.hpp"

namespace xlat::type_grammar {

using namespace std::string_view_literals;

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

// `struct`, `union` and `enum` in front of a tag.
inline bool IsTagWord(std::string_view word) { return word == "struct"sv || word == "union"sv || word == "enum"sv; }

// Words that begin a statement, not a declaration.
inline bool IsStatementWord(std::string_view word) {
    for (std::string_view statement : {"return"sv, "if"sv, "while"sv, "for"sv, "switch"sv, "case"sv, "default"sv,
                                       "else"sv, "do"sv, "break"sv, "continue"sv, "goto"sv, "sizeof"sv, "typedef"sv})
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

// What a token may be by its first character: the start of a fold (only
// const, long, short, signed, unsigned, ULONG and USHORT start one) or a tag
// word. The first character passes over most tokens.
enum : unsigned char { kMayFold = 1, kMayTag = 2 };
constexpr auto kFirstCharRoles = [] {
    std::array<unsigned char, 256> roles{};
    for (char c : {'c', 'l', 's', 'u', 'U'}) roles[static_cast<unsigned char>(c)] |= kMayFold;
    for (char c : {'s', 'u', 'e'}) roles[static_cast<unsigned char>(c)] |= kMayTag;
    return roles;
}();

// The multi-word types folded, then the struct words dropped (each on
// compacted tokens). One look at each token's first character finds both
// the folds and whether a tag word stands before the last token (folding
// only deletes and replaces words that are no tag words, so it keeps that).
template <class Tokens>
void FoldTypeWordsAndTags(Tokens& tokens) {
    bool deleted = false, tagged = false;
    const int last = tokens.Last();  // a fold deletes tokens only by emptying them
    for (int i = 0; i <= last; ++i) {
        const std::string_view word = tokens.At(i);
        if (word.empty()) continue;
        const unsigned char roles = kFirstCharRoles[static_cast<unsigned char>(word[0])];
        if (roles == 0) continue;
        // Read before the fold, which may write over the token.
        if ((roles & kMayTag) && i < last && IsTagWord(word)) tagged = true;
        if (roles & kMayFold) deleted |= FoldAt(tokens, i);
    }
    if (deleted) tokens.Compact();
    if (tagged && DropTagWords(tokens)) tokens.Compact();
}

// Punctuation between the words of a declaration ("(", ",", "*" ...); a name
// may begin with "_".
inline bool IsMark(std::string_view token) { return BeginsWithPunctuation(token) && token[0] != '_'; }

// The type words of a parameter list: `(COLORREF c,` and `, LPFOO * p)`.
template <class Tokens>
void LearnParameterTypes(Tokens& tokens) {
    for (int i = 2; i <= tokens.Last(); ++i) {
        if (!IsMark(tokens.At(i)) || !StartsName(tokens.At(i + 1))) continue;
        const std::string_view type = tokens.At(i + 1);
        if (IsTagWord(type)) continue;
        if (StartsName(tokens.At(i + 2)) && IsMark(tokens.At(i + 3)) && type != "const"sv) tokens.Learn(type);
        const std::string_view mark = tokens.At(i + 2);
        if ((mark == "*"sv || mark == "&"sv) && StartsName(tokens.At(i + 3)) && IsMark(tokens.At(i + 4)))
            tokens.Learn(type);
    }
}

// The type names of a declaration or function head whose first word is a
// type position (`FILE *fp;`, `HFONT font;`, `LRESULT CALLBACK f(`), and
// the parameter types of a definition head.
template <class Tokens>
void LearnFromDeclaration(Tokens& tokens) {
    const std::string_view first = tokens.At(0);
    if (!StartsName(first)) return;
    for (std::string_view word :
         {"return"sv, "enum"sv, "struct"sv, "union"sv, "else"sv, "case"sv, "const"sv, "typedef"sv})
        if (first == word) return;
    const int type = first == "static"sv ? 1 : 0;
    int name = type + 1;
    // type (*name)( : a function pointer
    if (tokens.At(name) == "("sv && tokens.At(name + 1) == "*"sv && StartsName(tokens.At(name + 2)) &&
        tokens.At(name + 3) == ")"sv && tokens.At(name + 4) == "("sv) {
        tokens.Learn(tokens.At(type));
        LearnParameterTypes(tokens);
    }
    if (tokens.At(name) == "*"sv || tokens.At(name) == "&"sv) ++name;
    // `MACRO case 2 :` (a macro statement joined with the label after it)
    // declares nothing.
    if (!StartsName(tokens.At(name)) || IsStatementWord(tokens.At(name))) return;
    tokens.Learn(tokens.At(type));
    if (StartsName(tokens.At(name + 1))) ++name;
    // A definition head, not a prototype, teaches its parameter types.
    if (tokens.At(name + 1) == "("sv && tokens.At(tokens.Last()) != ";"sv) LearnParameterTypes(tokens);
}

// Where a function head's name and parameter list stand.
struct HeadShape {
    int name = -1;  // the identifier in front of the parameter list; -1: no head
    int open = -1;  // the "(" of the parameter list
};

// The shape `words name ( ... )`, with a "{" after it or not: at least one
// word in front of the name, and no ";", "=" or brace before the parameter
// list. Only the caller knows whether a body follows.
// The "(" that the ")" at `close` closes, walking back; -1 when there is none.
template <class Tokens>
int OpeningParen(const Tokens& tokens, int close) {
    int open = close;
    for (int depth = 0; open >= 0; --open) {
        if (tokens.At(open) == ")"sv)
            ++depth;
        else if (tokens.At(open) == "("sv && --depth == 0)
            break;
    }
    return open;
}

template <class Tokens>
HeadShape FindHead(const Tokens& tokens) {
    int close = tokens.Last();
    if (tokens.At(close) == "{"sv) --close;
    if (tokens.At(close) != ")"sv) return {};
    const std::string_view first = tokens.At(0);
    if (!StartsName(first) || IsStatementWord(first)) return {};
    const int open = OpeningParen(tokens, close);
    if (open < 2 || !StartsName(tokens.At(open - 1)) || IsStatementWord(tokens.At(open - 1))) return {};
    for (int i = 0; i < open; ++i) {
        const std::string_view token = tokens.At(i);
        if (token == ";"sv || token == "="sv || token == "{"sv || token == "}"sv) return {};
    }
    return {open - 1, open};
}

// Words in front of a head's name that say nothing about its type.
inline bool IsHeadQualifier(std::string_view word) {
    for (std::string_view qualifier : {"static"sv, "extern"sv, "inline"sv, "__inline"sv, "__inline__"sv, "const"sv,
                                       "volatile"sv, "register"sv, "__stdcall"sv, "_stdcall"sv, "__cdecl"sv, "_cdecl"sv,
                                       "__fastcall"sv, "PASCAL"sv, "WINAPIV"sv, "FAR"sv, "NEAR"sv})
        if (word == qualifier) return true;
    return IsTagWord(word);
}

// The calling conventions that the head pass writes as CALLBACK.
inline bool IsCallingConvention(std::string_view word) {
    return word == "CALLBACK"sv || word == "APIENTRY"sv || word == "WINAPI"sv;
}

// How much a word in front of a head's name looks like its type: a known
// type name most, then a word with a lower-case letter (one in capitals only
// is more often an export or calling-convention macro).
template <class Tokens>
int TypeLikeness(const Tokens& tokens, std::string_view word) {
    if (tokens.IsType(word)) return 2;
    for (char c : word)
        if (c >= 'a' && c <= 'z') return 1;
    return 0;
}

// The words in front of a head's name in the form the head pass reads:
// [static] type [calling convention] [stars]. The type is what a user would
// write: the words inside a macro call in front of the name
// (`DECL(struct item *)` gives `item *`), or else the last of the words
// that look most like a type (see TypeLikeness; the others are export
// macros: `API_EXPORT int` gives `int`, `API_EXPORT mybool` gives `mybool`).
// Empty when no type is found. `type` is set to the type's index in the result.
template <class Tokens>
std::vector<std::string_view> HeadPrefix(const Tokens& tokens, HeadShape head, int& type) {
    int from = 0, to = head.name;  // the words that hold the type
    for (int i = head.name - 1; i >= 0; --i) {
        if (tokens.At(i) != ")"sv) continue;
        // The last macro call in front of the name, unless it only carries
        // compiler attributes.
        const int open = OpeningParen(tokens, i);
        const std::string_view macro = tokens.At(open - 1);
        if (open < 1 || macro == "__declspec"sv || macro == "__attribute__"sv) break;
        from = open + 1;
        to = i;
        break;
    }
    int found = -1, convention = -1, stars = 0;
    for (int i = from; i < to; ++i) {
        const std::string_view word = tokens.At(i);
        if (word == "*"sv) ++stars;
        if (!StartsName(word) || IsHeadQualifier(word)) continue;
        if (IsCallingConvention(word))
            convention = i;
        else if (found < 0 || TypeLikeness(tokens, word) >= TypeLikeness(tokens, tokens.At(found)))
            found = i;
    }
    std::vector<std::string_view> prefix;
    if (found < 0) return prefix;
    if (tokens.At(0) == "static"sv) prefix.push_back("static"sv);
    type = static_cast<int>(prefix.size());
    prefix.push_back(tokens.At(found));
    if (convention >= 0) prefix.push_back(tokens.At(convention));
    for (int k = 0; k < stars; ++k) prefix.push_back("*"sv);
    return prefix;
}

}  // namespace xlat::type_grammar
