// Pattern matcher: a small regular-expression engine for the pre-pass
// rewrites. Patterns are compiled in two passes into a
// byte program of exactly the counted size; matching is a depth-first
// backtracking walk with greedy repeats; templates refer to the groups of the
// last match; `ReplaceAllMatches` rewrites a whole text.
//
// No fixed-size work buffers (std::string throughout); `ReplaceAllMatches` appends pieces to its result (linear time),
// advances by one character after an empty match and returns the text
// unchanged for a pattern that failed to compile. A program is at most
// 32,767 bytes long ("regexp too big"), as node links are 16-bit.
//
// Texts end at their first NUL byte: `MatchPattern` and
// `ReplaceAllMatches` only look at the part of a view before its first NUL.
// A default-constructed std::string_view (null data) stands for "no text"
// and raises the NULL-argument messages.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace xlat {

// Node kinds and their codes in the program.
enum PatternNode : std::uint8_t {
    kNodeEnd,              // the end of the program
    kNodeStartAnchor,      // ^
    kNodeEndAnchor,        // $
    kNodeAny,              // .
    kNodeOneOf,            // [...]
    kNodeNoneOf,           // [^...]
    kNodeAlternative,      // this way, or the next alternative
    kNodeBackLink,         // back to the start of a loop
    kNodeLiteral,          // a run of plain characters
    kNodeEmpty,            // matches the empty string
    kNodeRepeat0,          // the node after, zero or more times
    kNodeRepeat1,          // the node after, one or more times
    kNodeGroupStart = 20,  // + n, n from 1 to 9
    kNodeGroupEnd = 30,    // + n, n from 1 to 9
};

inline constexpr std::uint8_t kPatternMagic = 156;
inline constexpr int kPatternGroups = 10;  // group 0 (whole match) and 1 to 9

// The error hook's sink. `PatternError` does nothing in this program; a caller
// (a test) that wants to see the messages passes a sink to record them.
struct PatternErrors {
    std::string last;       // the most recent message
    std::size_t count = 0;  // how many messages were raised
};

// The error hook: records `message` in `errors` when one is given, else
// nothing at all (no output, no exit).
void PatternError(std::string_view message, PatternErrors* errors);

// A compiled pattern. Immutable after `CompilePattern` (all members are
// public so that tests can inspect, or deliberately damage, a copy).
struct CompiledPattern {
    std::vector<std::uint8_t> program;  // byte 0 is 156, then the nodes
    std::uint8_t firstChar = 0;         // first-character hint, 0 when none
    bool anchored = false;              // every match begins at the text start
    std::string required;               // required literal ("" when none)

    // A search hint that never changes a result: a literal
    // that every match holds at a fixed distance from its start, built from the
    // fixed-width prefix of the node sequence. Empty when there is none.
    std::string searchLiteral;
    std::size_t searchOffset = 0;
    // A sharper hint of the same kind, for matches that begin with a literal,
    // then a run of one filler character, then a word ("\r\n[ ]*struct"):
    // the word is searched for and the match start found back from it. The
    // word is empty when there is no such start.
    std::string fillerLead, fillerWord;
    char filler = 0;
    std::size_t fillerMinimum = 0;     // the run's least length (0 or 1)
    std::size_t fillerLeadOffset = 0;  // where the lead stands in every match
    // Whether the lead is searched for rather than the word: a word that
    // begins with a line break stands on every line, a poor thing to look for.
    bool fillerFromLead = false;
    // A second run of one filler character and a second word that may follow
    // the word ("}[ ]*\r\n[ ]*while"): a start is tried only when they are
    // there. The word is empty when there is none.
    char nextFiller = 0;
    std::size_t nextFillerMinimum = 0;
    std::string nextWord;
};

// Capture table of one match: offsets into `text` (the searched text), -1
// when the group took no part.
struct PatternMatch {
    std::string_view text;
    std::array<std::ptrdiff_t, kPatternGroups> start{};
    std::array<std::ptrdiff_t, kPatternGroups> end{};

    PatternMatch() { Clear(); }
    void Clear() {
        start.fill(-1);
        end.fill(-1);
    }
    bool Has(int n) const { return start[n] >= 0 && end[n] >= 0; }
    // The text of group n ("" when it took no part).
    std::string_view Group(int n) const;
};

// Compiles `pattern` (which ends at its first NUL). Returns nullptr after
// reporting an error through `PatternError`.
std::unique_ptr<CompiledPattern> CompilePattern(std::string_view pattern, PatternErrors* errors = nullptr);

// Searches `text` (up to its first NUL) for the leftmost match. Returns true
// and fills `match` (its `text` is the searched text) on success; false
// otherwise (with `match` cleared).
bool MatchPattern(const CompiledPattern* pattern, std::string_view text, PatternMatch& match,
                  PatternErrors* errors = nullptr);

// Appends to `*out` the template with the references to `match` replaced:
// "&" and "\0" the whole match, "\1" to "\9" the groups, "\\" a backslash,
// "\&" an ampersand; a backslash before anything else stays. Returns false on
// a failure (after reporting it); the output may then be unfinished.
bool ExpandTemplate(const CompiledPattern* pattern, const PatternMatch& match, std::string_view tmpl, std::string* out,
                    PatternErrors* errors = nullptr);

// The text (up to its first NUL) with its matches replaced from left to right
// by the expanded template; `maxCount` 0 means no limit. Each search starts
// right behind the previous match (the expansion is never searched again) and
// sees the rest as a text of its own. After an empty match one character is
// copied before the next search. With a null pattern the text comes back
// unchanged. `replaced`, when given, receives the number of replacements.
std::string ReplaceAllMatches(const CompiledPattern* pattern, std::string_view text, std::string_view tmpl,
                              std::size_t maxCount = 0, PatternErrors* errors = nullptr,
                              std::size_t* replaced = nullptr);

// The same without copying when nothing matches: `out` is cleared (its
// capacity kept, so a caller can reuse one buffer for many texts); when there
// is at least one replacement it receives the result, otherwise it stays
// empty and the result is `text` itself. Returns the number of replacements.
std::size_t ReplaceAllMatchesInto(const CompiledPattern* pattern, std::string_view text, std::string_view tmpl,
                                  std::size_t maxCount, std::string& out, PatternErrors* errors = nullptr);

}  // namespace xlat
