// Heads of C function definitions become SUB or FUNCTION heads; the heads
// of main and WinMain get their own treatment.
#include <utility>
#include <vector>

#include "declarations/insert_in_front.hpp"
#include "driver/passes.hpp"
#include "runtime/strings.hpp"

namespace xlat {

namespace {

// Index of the first "," or ")" after `from`, up to `limit`; -1 when none.
int NextSeparator(const Translator& t, int from, int limit) {
    for (int j = from + 1; j <= limit; ++j)
        if (t.TokAt(j) == ","sv || t.TokAt(j) == ")"sv) return j;
    return -1;
}

int LastCloseParen(const Translator& t) {
    for (int i = t.lastToken; i >= 0; --i)
        if (t.TokAt(i) == ")"sv) return i;
    return -1;
}

// A body brace on the head's own line is sent on as a line of its own, so
// that it opens the body's block just as a brace on the next line would.
void KeepBodyBrace(Translator& t, bool hadBrace) {
    if (hadBrace) t.pendingText = "{ " + t.pendingText;
}

// The names of WinMain's parameters (at most four, in order), to be renamed
// inside its body: the last word of each parameter that has a type in front
// of it. A parameter without a name (a lone type, `HINSTANCE,`) saves
// nothing; nor do punctuation and the text past the list.
void SaveWinMainParams(Translator& t, int close) {
    for (std::string& name : t.winMainParams) name.clear();
    int slot = 0, words = 0;
    std::string name;
    for (int i = 4; i <= close && slot < 4; ++i) {
        const std::string& token = t.TokAt(i);
        if (token == ","sv || i == close) {
            if (words > 1) t.winMainParams[slot] = name;
            ++slot;
            words = 0;
            name.clear();
        } else if (StartsName(token)) {
            ++words;
            name = token;
        }
    }
}

bool StarBeforeParameters(const Translator& t) {
    for (int i = 0; i <= t.lastToken && t.TokAt(i) != "("sv; ++i)
        if (t.TokAt(i) == "*"sv) return true;
    return false;
}

bool IsSeparator(std::string_view token) { return token == ","sv || token == ")"sv; }

// Each type name among tokens 3..p (the last ")") goes, and "AS" and the
// type go in front of the first "," or ")" after it; a parameter of several
// type words gets a pair for each, the last word's first. Returns false, with
// nothing changed, when a type name is itself a "," or ")" (a separator that
// goes and comes back elsewhere): the types then go in one at a time.
bool MoveTypesBehindNames(Translator& t, int p) {
    // The types in the order they go in (down the line, so the separators
    // that they go in front of come in the order that InsertInFront fills).
    std::vector<std::pair<int, std::string>> found;  // where each stands, and its text
    std::vector<int> count;                          // per separator; made at the first type
    int sep = -1;                                    // the first separator after the token looked at
    for (int i = p; i >= 3; --i) {
        const std::string& token = t.TokAt(i);
        if (!t.IsTypeName(token)) {
            if (IsSeparator(token)) sep = i;
            continue;
        }
        if (IsSeparator(token)) return false;
        if (sep < 0) continue;
        if (count.empty()) {
            count.assign(static_cast<size_t>(t.lastToken + 1), 0);
            found.reserve(static_cast<size_t>(i - 2));
        }
        ++count[static_cast<size_t>(sep)];
        found.emplace_back(i, token);
    }
    if (found.empty()) return true;
    for (const auto& type : found) t.Tok(type.first).clear();
    size_t next = 0;  // the first type of the separator being filled
    InsertInFront(
        t, [&count](int i) { return 2 * count[static_cast<size_t>(i)]; },
        [&](int i, int k, std::string& slot) {
            if (k % 2 == 0)
                slot.assign("AS");
            else
                slot.assign(found[next + static_cast<size_t>(k / 2)].second);
            if (k == 0) next += static_cast<size_t>(count[static_cast<size_t>(i)]);  // its last one
        });
    return true;
}

// The same, one type at a time.
void MoveTypesBehindNamesSlowly(Translator& t, int p) {
    for (int i = p; i >= 3; --i) {
        if (!t.IsTypeName(t.TokAt(i))) continue;
        const int sep = NextSeparator(t, i, p);
        if (sep < 0) continue;
        const std::string type = t.TokAt(i);
        t.InsertToken(type, sep);
        t.InsertToken("AS", sep);
        t.Tok(i).clear();
        p += 2;
    }
}

// Each "*" among tokens 3..p (the last ")") goes, and a PTR goes in front
// of the first "," or ")" after it.
void StarsToPtrInParameters(Translator& t, int p) {
    PtrInsertions ptrs;
    int sep = -1;
    for (int i = p; i >= 3; --i) {
        const std::string& token = t.TokAt(i);
        if (IsSeparator(token)) sep = i;
        if (token != "*"sv || sep < 0) continue;
        t.Tok(i).clear();
        ptrs.Add(t, sep);
    }
    ptrs.InsertInto(t);
}

// Parameters: "type name" becomes "name AS type", each "*" a PTR after the
// type, and a reference parameter "&name" becomes "BYREF name". (All in a
// pass or two over the tokens: a head may hold thousands of parameters.)
void TranslateParameters(Translator& t) {
    const int p = LastCloseParen(t);
    if (!MoveTypesBehindNames(t, p)) MoveTypesBehindNamesSlowly(t, p);
    t.CompactTokens();
    StarsToPtrInParameters(t, LastCloseParen(t));
    for (int i = 3; i <= t.lastToken; ++i)
        if (StartsWith(t.TokAt(i), "&")) t.Tok(i) = "BYREF " + t.TokAt(i).substr(1);
}

// The head of WinMain (its closing ")" at `c`): FUNCTION WinMain(), with the
// parameter names saved for its body.
void OpenWinMain(Translator& t, int c, bool hadBrace) {
    SaveWinMainParams(t, c);
    t.Tok(0) = "FUNCTION";
    t.Tok(1) = "WinMain()";
    t.lastToken = 1;
    t.pendingBlock.closer = "END FUNCTION";
    t.inWinMain = 1;
    t.pendingBlock.closesEntryPoint = true;
    KeepBodyBrace(t, hadBrace);
}

// main's head is not written; its body is a block without closer.
void OpenMain(Translator& t, bool hadBrace) {
    t.inMain = 1;
    t.pendingBlock.closer.clear();
    t.pendingBlock.closesEntryPoint = true;
    KeepBodyBrace(t, hadBrace);
}

// Each "*" before the parameter list goes, and a PTR per star ends the head.
void ReturnStarsToPtr(Translator& t) {
    int stars = 0;
    for (int i = 0; i <= t.lastToken && t.TokAt(i) != "("sv; ++i) {
        if (t.TokAt(i) == "*"sv) {
            t.Tok(i).clear();
            ++stars;
        }
    }
    for (int k = 0; k < stars; ++k) t.Tok(++t.lastToken) = "PTR";
    t.CompactTokens();
}

}  // namespace

PassResult TranslateFunctionHead(Translator& t) {
    t.beforeFirstFunction = 0;
    if (t.TokAt(0) == "static"sv) {
        t.Tok(0).clear();
        t.CompactTokens();
    }
    const bool hadBrace = t.lastToken >= 0 && t.TokAt(t.lastToken) == "{"sv;
    // `void *f(` returns a pointer: a FUNCTION, not a SUB.
    const bool returnsPointer = StarBeforeParameters(t);
    const int c = LastCloseParen(t);
    if (c >= 0) {
        if (LCaseEquals(t.TokAt(2), "wndproc")) t.Tok(2) = "WndMainProc";
        const std::string& second = t.TokAt(1);
        if ((second == "APIENTRY"sv || second == "WINAPI"sv) && UCase(t.TokAt(2)) == "WINMAIN"sv) {
            OpenWinMain(t, c, hadBrace);
            return PassResult::GoOn;
        }
        if (second == "CALLBACK"sv || second == "APIENTRY"sv || second == "WINAPI"sv) {
            t.Tok(1).clear();
            t.Tok(0) += " CALLBACK";
        }
        if (LCaseEquals(t.TokAt(1), "main")) {
            OpenMain(t, hadBrace);
            return PassResult::LineDone;
        }
        if (t.TokAt(0) != "void"sv || returnsPointer) {
            // With a body brace at the end this overwrites the "{"; the slot
            // past lastToken still holds a copy of it, so it comes back last.
            const std::string type = t.TokAt(0);
            t.Tok(c + 1) = "AS";
            t.Tok(c + 2) = type;
            t.lastToken += 2;
        }
    }
    if (t.TokAt(0) == "void"sv && !returnsPointer) {
        t.Tok(0) = "SUB";
        t.pendingBlock.closer = "END SUB";
    } else {
        t.Tok(0) = "FUNCTION";
        t.pendingBlock.closer = "END FUNCTION";
    }
    ReturnStarsToPtr(t);
    // `(void)`, not `(void *p)`, is an empty list.
    if (t.TokAt(3) == "void"sv && t.TokAt(4) == ")"sv) {
        t.Tok(3).clear();
        return PassResult::GoOn;
    }
    TranslateParameters(t);
    return PassResult::GoOn;
}

PassResult CleanFunctionHead(Translator& t) {
    if (t.TokAt(0) != "FUNCTION"sv && t.TokAt(0) != "SUB"sv) return PassResult::GoOn;
    for (int i = 0; i <= t.lastToken; ++i) {
        if (t.TokAt(i) == "FILE"sv && t.TokAt(i + 1) == "PTR"sv) t.Tok(i + 1).clear();
        if (LCaseEquals(t.TokAt(i), "const")) t.Tok(i).clear();
    }
    return PassResult::GoOn;
}

}  // namespace xlat
