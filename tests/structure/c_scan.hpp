// What a C source holds that its translation must keep: the function and
// structure definitions and the words of its code and of its comments.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace structure {

using WordSet = std::unordered_set<std::string>;

struct CSource {
    // The names of the function definitions (a parameter list followed by a
    // body, at file level), in source order; main aside, whose body the
    // translation writes without a head.
    std::vector<std::string> functions;
    // Bodies of struct and union definitions, nested ones included.
    int structures = 0;
    WordSet codeWords;     // words outside comments and literals, directives included
    WordSet commentWords;  // words inside comments
};

// Every branch of a conditional-compilation block is read; the braces after
// the first branch count from where the block began, so alternative heads
// such as "#if A / int f(int a) { / #else / int f(void) { / #endif" open one
// body, not two.
CSource ScanC(std::string_view text);

// Adds the words of `text` (a letter or "_", then letters, digits or "_"),
// of at least three characters, to `words`.
void AddWords(std::string_view text, WordSet& words);

}  // namespace structure
