#include "prepass/line_map.hpp"

#include "prepass/char_finder.hpp"
#include "prepass/literal_tracker.hpp"

namespace xlat {

namespace {

size_t SkipBlanks(std::string_view text, size_t i) {
    while (i < text.size() && text[i] == ' ') ++i;
    return i;
}

// Position after the line break at i ("\r\n" or a bare "\n"), or npos.
size_t AfterLineBreak(std::string_view text, size_t i) {
    if (i < text.size() && text[i] == '\n') return i + 1;
    if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') return i + 2;
    return std::string_view::npos;
}

}  // namespace

std::vector<long> MapNormalisedLines(std::string_view source) {
    source = source.substr(0, source.find('\0'));
    std::vector<long> map{1};
    long line = 1;
    // Only these characters can begin a line or join two.
    CharFinder<3> stops(source, {'}', '*', '\n'});
    LiteralTracker literals(source);
    size_t i = 0;
    while ((i = stops.Next(i)) < source.size()) {
        char c = source[i];
        if (c == '}') {
            // "}", blanks, a line break, blanks and "while" become one line.
            size_t next = AfterLineBreak(source, SkipBlanks(source, i + 1));
            if (next != std::string_view::npos && source.substr(SkipBlanks(source, next), 5) == "while") {
                ++line;
                i = next;
                continue;
            }
        } else if (c == '*' && i + 1 < source.size() && source[i + 1] == '/') {
            // Text after a comment closer (not one inside a literal) moves to
            // a line of its own; when only blanks follow, the last blank does
            // (the rewrite backtracks to it). A closer with its line break
            // right after it moves nothing, so only the others ask whether
            // they stand in a literal.
            const size_t j = SkipBlanks(source, i + 2);
            const bool textFollows = j < source.size() && source[j] != '\r' && source[j] != '\n';
            if ((textFollows || j > i + 2) && !literals.Inside(i)) {
                map.push_back(line);
                // The character after the closer belongs to this rewrite; a
                // star there cannot begin another closer.
                i = textFollows && source[j] == '*' ? j + 1 : j;
                continue;
            }
        } else if (c == '\n') {
            map.push_back(++line);
        }
        ++i;
    }
    return map;
}

}  // namespace xlat
