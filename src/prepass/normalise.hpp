// Source normaliser: six pattern rewrites and a scan for the escaped quotes
// they leave, over the whole source before it is read line by line.
#pragma once

#include <string>
#include <string_view>

namespace xlat {

// The source bytes in, the normalised text out (a pure function: no files).
// The text ends at the first NUL byte; every line feed not preceded by a
// carriage return first becomes a carriage-return line-feed pair, so that
// both line-end styles are normalised alike; a line break is put in front,
// the six rules are applied in order (rules 5 and 6 each repeated until the
// text no longer changes, so that a run of escaped quotes loses every one of
// them), a scan of the text as C turns each escaped double quote still
// inside a string literal into a backtick as rule 5 does (rule 5 misses one
// after an escaped backslash), a block comment that opens after code and
// runs over several lines is split (its first line becomes a "//" comment of
// the code, and the rest a block comment from the start of the next line),
// and the two characters in front are removed again.
std::string NormaliseSource(std::string_view source);

// The six rules (pattern and template, placeholders already replaced), in the
// order of application; exposed for tests.
struct NormaliseRule {
    std::string_view pattern;
    std::string_view tmpl;
    bool untilStable;  // repeated until nothing changes
    // When not 0: every match ends with this character, so the text after its
    // last occurrence can hold no match and is not searched (a failed search
    // there would scan to the end of the text from every start).
    char matchEnd = 0;
};
inline constexpr int kNormaliseRuleCount = 6;
const NormaliseRule& GetNormaliseRule(int index);  // index 0 to 5

// Applies one rule (index 0 to 5) to `text` as it stands (no line break put
// in front, no line-end conversion); for tests of the rules on their own.
std::string ApplyNormaliseRule(int index, std::string_view text);

}  // namespace xlat
