#include "driver/passes.hpp"
#include "runtime/strings.hpp"

namespace xlat {

namespace {

// A macro that cannot become a constant: one with parentheses or braces, or
// one continued over lines with a final backslash.
bool KeepsCForm(const Translator& t) {
    if (EndsWith(t.lineText, "\\")) return true;
    for (int i = 0; i <= t.lastToken; ++i) {
        const std::string& token = t.TokAt(i);
        if (token == "("sv || token == "{"sv || token == "}"sv) return true;
    }
    return false;
}

// True when the next input line ends in a backslash; nothing is consumed.
bool NextLineContinues(Translator& t) {
    if (t.AtEnd()) return false;
    const LineSource::Mark mark = t.in.Position();
    const bool continues = EndsWith(t.ReadLine(), "\\");
    t.in.Rewind(mark);
    return continues;
}

// The macro goes on after `written`: it ends in a backslash, or it is a
// comment that the pre-pass moved off a continued line (`/* 0 */ 1, 2, \`
// becomes `/* 0 */` and `1, 2, \`) and the macro's next line is continued.
bool MacroContinues(Translator& t, const std::string& written) {
    if (EndsWith(written, "\\")) return true;
    return EndsWith(RTrim(written), "*/") && NextLineContinues(t);
}

}  // namespace

PassResult TranslateDefine(Translator& t) {
    if (!KeepsCForm(t)) {
        t.Tok(0) = "CONST";
        if (t.lastToken > 1) t.Tok(1) += " =";
        return PassResult::GoOn;
    }
    if (!t.lineComment.empty()) {
        t.Write2("   ' ", t.lineComment);
        t.lineComment.clear();
    }
    const bool continued = EndsWith(t.lineText, "\\");
    t.CompactTokens();
    t.JoinTokens();
    t.Write("$HEADER");
    t.Write(t.lineText);
    // Continuation lines are copied as they stand, up to the first one with
    // which the macro ends. Text that followed a comment on the macro's own
    // line (`#define E(x) do { /* c */ } while (0)`) was moved onto a line of
    // its own by the pre-pass; it is still part of the macro.
    for (bool more = continued;;) {
        if (more && !t.AtEnd()) {
            const std::string next = t.ReadLine();
            t.Write(next);
            more = MacroContinues(t, next);
        } else if (t.in.NextLineSplitFromLast()) {
            const std::string next = t.ReadLine();
            t.Write(next);
            more = EndsWith(next, "\\");
        } else {
            break;
        }
    }
    t.Write("$HEADER");
    return PassResult::LineDone;
}

}  // namespace xlat
