// C declarations become DIM RAW, GLOBAL or STATIC lines; initialised arrays
// and strings become SET / SHAREDSET blocks; function heads go on to the
// function-head pass.
#include <utility>
#include <vector>

#include "declarations/declarations.hpp"
#include "declarations/insert_in_front.hpp"
#include "driver/passes.hpp"
#include "runtime/strings.hpp"

namespace xlat {

namespace {

// Inserts `as` and `type` in front of every "," and ";" of the line, so each
// declarator gets its own type.
void InsertTypeBeforeSeparators(Translator& t, std::string_view as, const std::string& type) {
    InsertInFront(
        t, [&t](int i) { return t.TokAt(i) == ","sv || t.TokAt(i) == ";"sv ? 2 : 0; },
        [&](int, int k, std::string& slot) { slot.assign(k == 0 ? as : std::string_view(type)); });
}

// `char s[] = "ab" "cd";` and `char *p = "x";`: written here as a SET block
// holding one literal per line.
void WriteStringInitialiser(Translator& t, int equals) {
    const bool backslash = Contains(t.lineText, "\\");
    if (backslash) t.Write("$IPRINT_OFF");
    int typeIndex = 0;
    std::string keyword = "SET";
    if (t.TokAt(0) == "static"sv) {
        t.Tok(0).clear();
        typeIndex = 1;
        keyword = "SHAREDSET";
    }
    const std::string type = t.TokAt(typeIndex);
    t.Tok(typeIndex).clear();
    int stars = 0;
    for (int i = typeIndex + 1; i < equals; ++i) {
        if (t.TokAt(i) == "*"sv) {
            t.Tok(i).clear();
            ++stars;
        }
        t.Tok(typeIndex) += " " + t.TokAt(i);
        t.Tok(i).clear();
    }
    std::string head = keyword + t.TokAt(typeIndex) + " AS " + type;
    for (int k = 0; k < stars; ++k) head += " PTR";
    t.Write(head);
    t.Tok(typeIndex).clear();
    for (int i = equals + 1; i < t.lastToken; ++i) {
        t.Write(t.TokAt(i));
        t.Tok(i).clear();
    }
    t.Tok(equals).clear();
    t.Write("END SET");
    if (backslash) t.Write("$IPRINT_ON");
    t.lineText.clear();
}

// `int a[3] = {1, 2, 3};`: the line becomes the SET head and the brace part
// goes on as the next line, where its "{" opens the SET block.
void RewriteBraceInitialiser(Translator& t, int equals) {
    std::string keyword = "SET";
    if (t.TokAt(0) == "static"sv) {
        t.Tok(0) = t.TokAt(1);
        t.Tok(1).clear();
        keyword = "SHAREDSET";
    }
    t.scratchText.clear();
    for (int i = equals + 1; i <= t.lastToken; ++i) {
        t.scratchText += t.TokAt(i) + " ";
        t.Tok(i).clear();
    }
    t.pendingText = t.scratchText + t.pendingText;
    t.Tok(equals).clear();
    const std::string type = t.TokAt(0);
    t.Tok(++t.lastToken) = "AS";
    t.Tok(++t.lastToken) = type;
    t.Tok(0) = keyword;
    t.CompactTokens();
    t.pendingBlock.closer = "END SET";
}

// Each "*" outside a subscript becomes a PTR after its declarator's type
// (in front of the first "," after it). The line ends in "," here, so every
// declarator is followed by one.
void StarsToPtr(Translator& t) {
    PtrInsertions ptrs;  // in front of the ","s
    bool inBrackets = false;
    int comma = -1;  // the first "," after the token looked at
    for (int i = t.lastToken; i >= 0; --i) {
        const std::string& token = t.TokAt(i);
        if (token == ","sv) {
            comma = i;
        } else if (token == "]"sv) {
            inBrackets = true;
        } else if (token == "["sv) {
            inBrackets = false;
        } else if (!inBrackets && token == "*"sv) {
            t.Tok(i).clear();
            if (comma >= 0) ptrs.Add(t, comma);
        }
    }
    ptrs.InsertInto(t);
}

}  // namespace

PassResult TranslateDeclaration(Translator& t) {
    // A type name alone is no declaration: a macro used as a statement
    // whose name was taken for a type.
    if (t.lastToken < 1) return PassResult::GoOn;
    if (!IsVoidOrStorage(t.TokAt(0)) && !t.IsTypeName(t.TokAt(0))) return PassResult::GoOn;
    // `list = create(value);` is an assignment even when list names a type.
    if (t.TokAt(1) == "="sv) return PassResult::GoOn;
    if (TranslateInitialiser(t)) return PassResult::GoOn;
    if (t.lastToken >= 0 && t.TokAt(t.lastToken) == ";"sv) return TranslateVariables(t);
    // A head has a parameter list: without one, the ";" was left out
    // (`struct S { int a }`), and the line declares variables.
    bool parameters = false;
    for (int i = 1; i <= t.lastToken && !parameters; ++i) parameters = t.TokAt(i) == "("sv;
    if (!parameters) {
        t.InsertToken(";", t.lastToken + 1);
        return TranslateVariables(t);
    }
    return TranslateFunctionHead(t);
}

bool TranslateInitialiser(Translator& t) {
    int equals = 0;
    for (int i = 1; i <= t.lastToken; ++i) {
        const std::string& token = t.TokAt(i);
        if (token == "="sv) {
            equals = i;
            if (StartsWith(t.TokAt(i + 1), "\"") && EndsWith(t.TokAt(t.lastToken - 1), "\"") &&
                t.TokAt(t.lastToken) == ";"sv) {
                t.JoinTokens();  // the initialiser looks at the whole line
                WriteStringInitialiser(t, equals);
                return true;
            }
        } else if (token == "{"sv && equals > 0) {
            RewriteBraceInitialiser(t, equals);
            return true;
        }
    }
    return false;
}

PassResult TranslateVariables(Translator& t) {
    if (t.TokAt(t.lastToken - 1) == ")"sv && t.beforeFirstFunction == 1) {
        // A prototype at file level: nothing is written for it.
        t.lineText.clear();
        t.lineComment.clear();
        return PassResult::LineDone;
    }
    if (t.TokAt(0) == "static"sv) {
        const std::string type = t.TokAt(1);
        if (t.beforeFirstFunction == 1) {
            t.Tok(0) = "GLOBAL";
            InsertTypeBeforeSeparators(t, " AS", type);
            if (t.inTypeDef) t.Tok(0).clear();
        } else {
            t.Tok(0) = "STATIC";
            InsertTypeBeforeSeparators(t, "AS", type);
        }
        t.Tok(1).clear();
    } else {
        if (t.TokAt(0) == "register"sv) {
            t.Tok(0).clear();
            t.CompactTokens();
        }
        t.JoinTokens();
        if (Contains(t.lineText, ")")) {
            // An initialiser with a call: the declaration is written now and
            // the assignment is translated as the next statement.
            for (int i = 0; i <= t.lastToken; ++i) {
                if (t.TokAt(i) != "="sv) continue;
                // With no variable name before the "=" there is nothing to
                // assign; sending the text on would bring it back unchanged.
                if (i == 0) break;
                std::string assignment;
                for (int j = i - 1; j <= t.lastToken; ++j) assignment += t.TokAt(j);
                t.pendingText = assignment + t.pendingText;
                t.Tok(i).assign(1, ';');
                t.lastToken = i;
                break;
            }
        }
        const std::string type = t.TokAt(0);
        InsertTypeBeforeSeparators(t, "AS", type);
        t.Tok(0) = "GLOBAL";
        if (t.inTypeDef) t.Tok(0).clear();
        if (t.beforeFirstFunction == 0) {
            t.InsertToken("RAW", 1);
            t.Tok(0) = "DIM";
        }
    }
    t.CompactTokens();
    t.Tok(t.lastToken).assign(1, ',');
    StarsToPtr(t);
    t.Tok(t.lastToken).clear();
    return PassResult::GoOn;
}

void DeclarationToDim(Translator& t, std::string& text) {
    text = Trim(text);
    // Each replacement rebuilds the text only where its pattern occurs.
    for (auto [pattern, replacement] : {std::pair{"=="sv, "="sv}, std::pair{"|"sv, " BOR "sv}, std::pair{"& "sv, "&"sv},
                                        std::pair{" )"sv, ")"sv}, std::pair{"( "sv, "("sv}})
        if (Contains(text, pattern)) text = Replace(text, pattern, replacement);
    const std::string type = Extract(text, " ");
    if (!t.IsTypeName(type)) return;
    text = "DIM RAW " + Mid(text, static_cast<long>(type.size()) + 1) + " AS " + type;
}

}  // namespace xlat
