#include <string_view>
#include <vector>

#include "driver/passes.hpp"
#include "statements/flow_helpers.hpp"

namespace xlat {

namespace {

bool HasTokenFrom(const Translator& t, std::string_view text, int from) {
    for (int i = from; i <= t.lastToken; ++i)
        if (t.TokAt(i) == text) return true;
    return false;
}

// The word that a keyword becomes wherever it stands, or nothing.
std::string_view RenamedKeyword(std::string_view token) {
    switch (token[0]) {
        case 'b': return token == "break"sv ? "EXIT LOOP"sv : ""sv;
        case 'c': return token == "continue"sv ? "ITERATE"sv : ""sv;
        case 'i': return token == "int"sv ? "INTEGER"sv : ""sv;
        case 'g': return token == "goto"sv ? "GOTO"sv : ""sv;
        default: return {};
    }
}

// `delete p` becomes `free( p )`. The ")" goes in at once past the last
// token, or else is noted in `closers` to be inserted with the others.
void DeleteToFree(Translator& t, int i, std::vector<int>& closers) {
    t.Tok(i) = "free(";
    if (i + 2 > t.lastToken)
        t.InsertToken(")", i + 2);
    else
        closers.push_back(i + 2);
}

}  // namespace

// Single C keywords rewritten wherever they stand; a line with the
// conditional operator goes out as raw C.
PassResult TranslateKeywords(Translator& t) {
    // The tokens are compacted at the end; when the walk below meets no empty
    // or blank token and empties none, there is nothing to compact.
    bool compact = false;
    // The ")" after each "delete" operand: gathered and inserted in one go, so
    // that a line of many deletes is not shifted once per delete. The inserts
    // at or past the last token move it and go in at once.
    std::vector<int>& closers = t.indexScratch;
    closers.clear();
    auto insertClosers = [&] {
        t.InsertTokenBeforeEach(")", closers);
        closers.clear();
    };
    for (int i = t.lastToken; i >= 0; --i) {
        const std::string& token = t.TokAt(i);
        if (token.size() <= 1 && (token.empty() || token[0] == ' ')) {
            compact = true;
            continue;
        }
        switch (token[0]) {
            case 'd':
                if (token != "delete"sv) break;
                DeleteToFree(t, i, closers);
                compact = true;  // past the last token, the ")" may leave a gap
                break;
            case 'F':
                if (token != "FAR"sv || t.TokAt(i + 1) != "*"sv) break;
                t.Tok(i).clear();
                compact = true;
                break;
            case '?':
                if (token != "?"sv || !HasTokenFrom(t, ":", i)) break;
                insertClosers();
                WriteRawLine(t);
                ApplyRawBraces(t);
                t.lineText.clear();
                return PassResult::LineDone;
            case 'b':
            case 'c':
            case 'i':
            case 'g':
                if (const std::string_view word = RenamedKeyword(token); !word.empty()) t.Tok(i).assign(word);
                break;
        }
    }
    insertClosers();
    if (t.TokAt(0) == "inline"sv && t.IsTypeName(t.TokAt(1))) {
        t.Tok(0).clear();
        compact = true;
    }
    if (compact) t.CompactTokens();
    return PassResult::GoOn;
}

}  // namespace xlat
