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
        if (token == "(" || token == "{" || token == "}") return true;
    }
    return false;
}

}  // namespace

int TranslateDefine(Translator& t) {
    if (!KeepsCForm(t)) {
        t.Tok(0) = "CONST";
        if (t.lastToken > 1) t.Tok(1) += " =";
        return 1;
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
    // Continuation lines are copied as they stand, up to the first one that
    // does not end in a backslash.
    for (bool more = continued; more && !t.AtEnd();) {
        const std::string next = t.ReadLine();
        t.Write(next);
        more = EndsWith(next, "\\");
    }
    t.Write("$HEADER");
    return 0;
}

}  // namespace xlat
