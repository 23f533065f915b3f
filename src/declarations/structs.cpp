
#include <vector>

#include "declarations/declarations.hpp"
#include "driver/passes.hpp"
#include "runtime/strings.hpp"
#include "statements/flow_helpers.hpp"

namespace xlat {

namespace {

// The comment of a TYPE head goes on the same line behind four blanks.
void DecorateTypeComment(Translator& t) {
    t.lineComment = t.lineComment.empty() ? std::string(" ") : "    '" + t.lineComment;
}

// A structure head met inside the body of another: the outer TYPE block's
// lines so far are set aside, so that the inner TYPE block is written
// before them; they come back after the inner END TYPE (RestoreOuterType).
// True when the head stands inside another structure.
bool HoldOuterType(Translator& t) {
    if (t.blockStack.empty()) return false;
    BlockRecord& outer = t.blockStack.back();
    if (outer.typeStart < 0 || !outer.heldLines.empty()) return false;
    outer.heldLines.assign(t.out, static_cast<size_t>(outer.typeStart));
    t.out.resize(static_cast<size_t>(outer.typeStart));
    return true;
}

// Writes the TYPE head and arms its END TYPE for the body's "{". An empty
// name is given at the "}" (`typedef struct {` ... `} T;`). A union is
// marked: its members share storage, those of a TYPE do not.
void OpenTypeBlock(Translator& t, const std::string& name, bool typedefNames) {
    HoldOuterType(t);
    const long start = static_cast<long>(t.out.size());
    if (t.TokAt(0) == "union"sv || t.TokAt(1) == "union"sv) t.Write("' union: its members share storage in C");
    t.Write("TYPE " + name + t.lineComment);
    t.lineComment.clear();
    t.pendingBlock = BlockRecord{};
    t.pendingBlock.closer = "END TYPE";
    t.pendingBlock.typeStart = start;
    t.pendingBlock.typedefNames = typedefNames;
    if (!name.empty() && !t.IsTypeName(name)) t.AddTypeName(name);
    t.inTypeDef = 1;
}

// `struct p1 , * pp ; point {` (a definition that declares variables, its
// declarators moved in front by the pre-pass) or the anonymous
// `struct v ; {`: a TYPE block, and after its END TYPE the declaration
// `point p1 , * pp ;` translated like any other. False when the line had
// another shape.
bool TranslateStructWithVariables(Translator& t) {
    const int last = t.lastToken;
    if (last < 3 || t.TokAt(last) != "{"sv) return false;
    int semicolon = 1;
    while (semicolon < last && t.TokAt(semicolon) != ";"sv) ++semicolon;
    if (semicolon < 2) return false;
    std::string name;
    if (semicolon == last - 2 && t.TokAt(last - 1) != ";"sv) {
        name = t.TokAt(last - 1);
    } else if (semicolon == last - 1) {
        for (int i = 1; i < semicolon && name.empty(); ++i)
            if (StartsName(t.TokAt(i))) name = Join({"T", UCase(t.TokAt(i))});
        if (name.empty()) return false;
    } else {
        return false;
    }
    DecorateTypeComment(t);
    const std::string declaration = name + " " + TokensWithBlanks(t, 1, semicolon - 1) + ";";
    HoldOuterType(t);
    BlockRecord variables;
    variables.autoClose = 1;
    variables.declaration = declaration;
    t.PushBlock(variables);
    OpenTypeBlock(t, name, false);
    t.pendingText = "{ " + t.pendingText;
    return true;
}

// The text that follows the line: what waits in pendingText, or else the
// next input line (read ahead, not consumed).
std::string NextText(Translator& t) {
    std::string waiting = Trim(t.pendingText);
    if (!waiting.empty() || t.AtEnd()) return waiting;
    const LineSource::Mark mark = t.in.Position();
    std::string next = Trim(t.ReadLine());
    t.in.Rewind(mark);
    return next;
}

// `struct tag ;` with no body after it declares the tag for later use: only
// its comment is kept. (Followed by "{", it names an anonymous structure.)
bool IsForwardDeclaration(Translator& t) {
    return t.lastToken == 2 && t.TokAt(2) == ";"sv && !StartsWith(NextText(t), "{");
}

// `typedef struct tag name ;` with no body after it only names a structure
// that is defined elsewhere (often a forward declaration). A TYPE head here
// would wait for a body that never comes and take the next block of the
// file for it. (`typedef struct name ;` followed by a "{" line is an
// anonymous structure whose "{" stood on the line after `typedef struct`.)
bool IsStructAlias(Translator& t) {
    if (t.TokAt(t.lastToken) != ";"sv) return false;
    for (int i = 0; i <= t.lastToken; ++i)
        if (t.TokAt(i) == "{"sv) return false;
    return !StartsWith(NextText(t), "{");
}

// Writes the line's comment on a line of its own, as the only trace of a
// declaration that needs no BASIC.
void KeepOnlyComment(Translator& t) {
    if (!t.lineComment.empty()) t.Write2("'", t.lineComment);
    t.lineComment.clear();
}

}  // namespace

PassResult TranslateStruct(Translator& t) {
    if (TranslateStructWithVariables(t)) return PassResult::LineDone;
    if (IsForwardDeclaration(t)) {
        KeepOnlyComment(t);
        return PassResult::LineDone;
    }
    DecorateTypeComment(t);
    if (t.lastToken > 2) {
        // `struct point p ;`: a declaration with the tag as its type.
        t.Tok(0).clear();
        t.CompactTokens();
        if (!t.IsTypeName(t.TokAt(0))) t.AddTypeName(t.TokAt(0));
        return PassResult::GoOn;
    }
    // `struct point {`, or `struct p ;` whose body follows: the variable is
    // declared by a record under the TYPE block, closed with it. `struct {`
    // is named at its "}".
    std::string name;
    for (int i = t.lastToken; i >= 1; --i) {
        const std::string& token = t.TokAt(i);
        if (token == ";"sv) {
            const std::string w = t.TokAt(i - 1);
            if (HoldOuterType(t)) {
                // Inside another structure: a member of it.
                t.pendingBlock.declaration = Join({"T", UCase(w), " ", w, " ;"});
            } else {
                t.pendingBlock.closer = "GLOBAL " + w + " AS T" + UCase(w);
            }
            t.pendingBlock.autoClose = 1;
            t.PushBlock(t.pendingBlock);
            t.Tok(i - 1) = Join({"T", UCase(w)});
        } else if (token != "{"sv) {
            name = token;
            break;
        }
    }
    OpenTypeBlock(t, name, false);
    if (t.TokAt(t.lastToken) == "{"sv) t.pendingText = "{" + t.pendingText;
    return PassResult::LineDone;
}

PassResult TranslateTypedef(Translator& t) {
    const bool structure = t.TokAt(1) == "struct"sv || t.TokAt(1) == "union"sv;
    if (structure && IsStructAlias(t)) {
        // The tag and the new names are types from now on.
        for (int i = 2; i < t.lastToken; ++i)
            if (StartsName(t.TokAt(i)) && !t.IsTypeName(t.TokAt(i))) t.AddTypeName(t.TokAt(i));
        KeepOnlyComment(t);
        return PassResult::LineDone;
    }
    if (structure) {
        // `typedef struct {`: the name comes after the "}".
        DecorateTypeComment(t);
        OpenTypeBlock(t, t.TokAt(2) == "{"sv ? std::string() : t.TokAt(2), true);
        if (t.TokAt(t.lastToken) == "{"sv) t.pendingText = "{" + t.pendingText;
        return PassResult::LineDone;
    }
    for (int i = 0; i <= t.lastToken; ++i) {
        if (t.TokAt(i) != "{"sv) continue;
        // `typedef enum { ... } NAME;`: the block goes on like a plain enum.
        t.Tok(0).clear();
        t.CompactTokens();
        return PassResult::GoOn;
    }
    // `typedef double REAL ;` becomes a constant.
    t.InsertToken(" = ", 2);
    t.Tok(0) = "CONST ";
    t.Tok(t.lastToken).clear();
    t.CompactTokens();
    t.JoinTokens();
    if (!t.lineComment.empty()) {
        t.Write2("  ' ", t.lineComment);
        t.lineComment.clear();
    }
    t.Write(t.lineText);
    t.AddTypeName(t.TokAt(1));
    return PassResult::LineDone;
}

void NameTypeAtClose(Translator& t, int brace, const BlockRecord& type) {
    // The names after the "}": typedef names, or the variables of the
    // structure (`} buf ;`, `} * list , first ;`).
    std::vector<std::string> names;
    std::string declarators;
    for (int i = brace + 1; i <= t.lastToken && t.TokAt(i) != ";"sv; ++i) {
        if (StartsName(t.TokAt(i))) names.push_back(t.TokAt(i));
        declarators += t.TokAt(i) + " ";
    }
    t.lastToken = brace;
    if (names.empty()) return;
    const size_t head = t.out.find("TYPE ", static_cast<size_t>(type.typeStart));
    if (head == std::string::npos) return;
    const size_t nameAt = head + 5;
    std::string name;
    if (nameAt == t.out.size() || t.out[nameAt] == ' ') {
        // A head written without its name.
        name = type.typedefNames ? names.front() : Join({"T", UCase(names.front())});
        t.out.insert(nameAt, name);
        if (!t.IsTypeName(name)) t.AddTypeName(name);
    } else {
        name = t.out.substr(nameAt, t.out.find_first_of(" \n", nameAt) - nameAt);
    }
    if (!type.typedefNames) {
        t.pendingText = name + " " + declarators + "; " + t.pendingText;
        return;
    }
    for (const std::string& typedefName : names)
        if (!t.IsTypeName(typedefName)) t.AddTypeName(typedefName);
}

void RestoreOuterType(Translator& t) {
    if (t.blockStack.empty() || t.blockStack.back().heldLines.empty()) return;
    BlockRecord& outer = t.blockStack.back();
    outer.typeStart = static_cast<long>(t.out.size());
    t.out += outer.heldLines;
    outer.heldLines.clear();
    t.inTypeDef = 1;
}

}  // namespace xlat
