// BASIC-like text operations that every pass is written in.
// Positions are 1-based and 0 means "not found", as in the dialect the
// translator writes; results are fresh std::string values.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace xlat {

std::string Left(std::string_view text, long n);
std::string Right(std::string_view text, long n);
// Characters from 1-based `start`, at most `length` of them (all of the rest
// when length < 0); empty when start <= 0 or start is past the end.
std::string Mid(std::string_view text, long start, long length = -1);

// Blank, tab, line feed, vertical tab and carriage return (not form feed).
inline bool IsTrimSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\r'; }
// The C library's space class: the trim set plus form feed.
bool IsCSpace(char c);

std::string Trim(std::string_view text);
// The part of `text` that Trim keeps, without a copy.
inline std::string_view TrimView(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && IsTrimSpace(text[b])) ++b;
    while (e > b && IsTrimSpace(text[e - 1])) --e;
    return text.substr(b, e - b);
}
// Leading (or trailing) characters that are blanks or equal to `c` go.
std::string LTrim(std::string_view text, char c = ' ');
std::string RTrim(std::string_view text, char c = ' ');
// Leading white space removed, each run of white space replaced by its first
// character, then one trailing blank dropped.
std::string Squeeze(std::string_view text);

// Text before the first occurrence of `pattern` (all of it when absent).
std::string Extract(std::string_view text, std::string_view pattern);
// Every occurrence, left to right, without overlap; a copy for an empty pattern.
std::string Replace(std::string_view text, std::string_view pattern, std::string_view replacement);
// Deletes the first occurrence and searches again from the start until none
// is left ("aabb" without "ab" is empty).
std::string Remove(std::string_view text, std::string_view pattern);

std::string UCase(std::string_view text);
std::string LCase(std::string_view text);
// Lower case with the first letter of every run of letters upper-cased.
std::string MCase(std::string_view text);

// 1-based position of the first occurrence at or after `start` (<= 0 means 1).
long InStr(std::string_view text, std::string_view pattern, long start = 1, bool ignoreCase = false);
// Occurrences, overlapping ones counted; 0 for an empty pattern.
long Tally(std::string_view text, std::string_view pattern);

std::string Join(std::initializer_list<std::string_view> parts);
// c1 + text + c2; c1 == 0 means the double quote, c2 == 0 means c1.
std::string Enclose(std::string_view text, char c1 = 0, char c2 = 0);
std::string Space(long n);

// How a token begins, in the C locale: a letter (not "_"), punctuation
// ("_" included, digits not), or a name (a letter or "_"). An empty token
// begins with none of them.
inline bool BeginsWithLetter(std::string_view token) {
    return !token.empty() && ((token[0] >= 'A' && token[0] <= 'Z') || (token[0] >= 'a' && token[0] <= 'z'));
}
inline bool BeginsWithPunctuation(std::string_view token) {
    if (token.empty()) return false;
    const char c = token[0];
    return c > ' ' && c < 127 && !(c >= '0' && c <= '9') && !BeginsWithLetter(token);
}
inline bool StartsName(std::string_view token) {
    return BeginsWithLetter(token) || (!token.empty() && token[0] == '_');
}

// The letter case functions change the letters A-Z and a-z only, as the C
// library's do in the "C" locale that the program runs in.
inline char ToLowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
inline char ToUpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// LCase(text) == lower, without building the lowered copy.
inline bool LCaseEquals(std::string_view text, std::string_view lower) {
    if (text.size() != lower.size()) return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (ToLowerAscii(text[i]) != lower[i]) return false;
    return true;
}

inline bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}
inline bool EndsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}
inline bool Contains(std::string_view text, std::string_view pattern) {
    return text.find(pattern) != std::string_view::npos;
}

// A letter, digit or "_": a character of a C name.
inline bool IsNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}
// True when `text` begins with `word` as a whole word ("else{" and "else if"
// do, "elsewhere" does not).
inline bool BeginsWithWord(std::string_view text, std::string_view word) {
    return StartsWith(text, word) && (text.size() == word.size() || !IsNameChar(text[word.size()]));
}

}  // namespace xlat
