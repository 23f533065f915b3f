// Type and identifier normalisation on the tokens of a line: multi-word C
// types fold into the single type words the declaration passes know, new
// type names are learnt from the shape of declarations and function heads,
// OpenGL scalar types map onto C ones, and identifiers that would read as
// BASIC words are renamed.
#include "driver/passes.hpp"
#include "runtime/strings.hpp"
#include "types/type_grammar.hpp"

namespace xlat {

namespace {

// The tokens of the line, as the type-word grammar reads and writes them.
struct LineTokens {
    Translator& t;
    std::string_view At(int i) const { return t.TokAt(i); }
    int Last() const { return t.lastToken; }
    void Set(int i, std::string_view text) { t.Tok(i).assign(text); }
    void Learn(std::string_view name) {
        if (!t.IsTypeName(name)) t.AddTypeName(name);
    }
    void Compact() { t.CompactTokens(); }
    bool IsType(std::string_view name) const { return t.IsTypeName(name); }
};

// Whether a "{" follows the line: at its end, at the start of the text
// waiting after it, or on the next input line that is neither blank nor a
// comment. Nothing is consumed.
bool BodyFollows(Translator& t) {
    if (t.TokAt(t.lastToken) == "{"sv) return true;
    const std::string_view waiting = TrimView(t.pendingText);
    if (!waiting.empty()) return waiting[0] == '{';
    const LineSource::Mark mark = t.in.Position();
    bool inComment = false, follows = false;
    while (!t.AtEnd()) {
        const std::string_view line = TrimView(t.in.ReadLineView());
        if (inComment || StartsWith(line, "/*")) {
            inComment = !Contains(line, "*/");
            continue;
        }
        if (line.empty() || StartsWith(line, "//")) continue;
        follows = line[0] == '{';
        break;
    }
    t.in.Rewind(mark);
    return follows;
}

// At file level, a line that holds a parameter list and is followed by a
// "{" is a function head, whatever words stand in front of its name: they
// are brought into the form the head pass reads, and the type is learnt.
void ShapeFunctionHead(Translator& t, LineTokens& tokens) {
    if (t.BlockDepth() != 0) return;
    const type_grammar::HeadShape head = type_grammar::FindHead(tokens);
    if (head.name < 0 || !BodyFollows(t)) return;
    int type = 0;
    const std::vector<std::string_view> views = type_grammar::HeadPrefix(tokens, head, type);
    if (views.empty()) return;
    const std::vector<std::string> prefix(views.begin(), views.end());  // the views may point into the tokens
    bool same = prefix.size() == static_cast<size_t>(head.name);
    for (size_t i = 0; same && i < prefix.size(); ++i) same = prefix[i] == t.TokAt(static_cast<int>(i));
    if (!same) {
        for (size_t i = 0; i < static_cast<size_t>(head.name); ++i)
            t.Tok(static_cast<int>(i)).assign(i < prefix.size() ? std::string_view(prefix[i]) : std::string_view());
        t.CompactTokens();
    }
    tokens.Learn(prefix[static_cast<size_t>(type)]);
}

}  // namespace

PassResult RecognizeTypeWords(Translator& t) {
    LineTokens tokens{t};
    // The tokenizer hands the tokens over compacted.
    type_grammar::FoldTypeWordsAndTags(tokens);
    ShapeFunctionHead(t, tokens);
    type_grammar::LearnFromDeclaration(tokens);
    return PassResult::GoOn;
}

PassResult NormalizeTypes(Translator& t) {
    for (int i = 0; i <= t.lastToken; ++i) {
        const std::string& word = t.TokAt(i);
        if (word.empty() || word[0] != 'G') continue;
        std::string& token = t.Tok(i);
        if (token == "GLvoid"sv) token = "void";
        if (token == "GLint"sv) token = "int";
        if (token == "GLuint"sv && t.TokAt(1) == "loop"sv) token = "int";
    }
    // The window procedure named in a window-class set-up line.
    if (t.lastToken >= 1 && LCaseEquals(t.TokAt(t.lastToken - 1), "wndproc")) t.Tok(t.lastToken - 1) = "WndMainProc";
    return PassResult::GoOn;
}

namespace {

// Identifiers that would read as words of the BASIC dialect.
constexpr std::string_view kRenames[][2] = {
    {"loop", "iLoop"},   {"pos", "ppos"},     {"len", "llen"},       {"set", "sset"},
    {"delay", "ddelay"}, {"timer", "ttimer"}, {"object", "oobject"},
};

// True when a token starting with `c` could be renamed: the words above,
// "timer." and "unsigned", in any letter case.
bool MayBeRenamed(char c) {
    switch (c | 0x20) {  // ASCII letters in lower case; no other byte maps onto these
        case 'd':
        case 'l':
        case 'o':
        case 'p':
        case 's':
        case 't':
        case 'u': return true;
        default: return false;
    }
}

// Renames token i (not empty) where it must be; true when a slot was emptied.
bool RenameIdentifierAt(Translator& t, int i) {
    // A word is only compared with the renamed words of its first letter.
    // (No new name is one of the words, so at most one applies.)
    const char first = ToLowerAscii(t.TokAt(i)[0]);
    for (const auto& rename : kRenames)
        if (rename[0][0] == first && LCaseEquals(t.TokAt(i), rename[0])) t.Tok(i) = rename[1];
    // The checks below go by the first letter too (a renamed word passes
    // neither).
    if (first == 't' && LCaseEquals(std::string_view(t.TokAt(i)).substr(0, 6), "timer."))
        t.Tok(i) = Join({"t", t.TokAt(i)});
    // "unsigned" in other letter cases, before int, char or long.
    if (first == 'u' && LCaseEquals(t.TokAt(i), "unsigned")) {
        t.scratchText = LCase(t.TokAt(i + 1));
        if (t.scratchText == "int"sv || t.scratchText == "char"sv || t.scratchText == "long"sv) {
            t.Tok(i + 1) = Join({"U", UCase(t.TokAt(i + 1))});
            t.Tok(i).clear();
            t.scratchText.clear();
            return true;
        }
    }
    t.scratchText.clear();
    return false;
}

}  // namespace

PassResult RenameIdentifiers(Translator& t) {
    if (t.lastToken >= 0) t.scratchText.clear();  // as each token's check leaves it
    bool emptied = false;
    for (int i = 0; i <= t.lastToken; ++i) {
        const std::string& token = t.TokAt(i);
        if (!token.empty() && MayBeRenamed(token[0])) emptied |= RenameIdentifierAt(t, i);
    }
    // The tokens came in compacted: only a folded "unsigned" leaves a slot
    // to remove.
    if (emptied) t.CompactTokens();
    return PassResult::GoOn;
}

}  // namespace xlat
