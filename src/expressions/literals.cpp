// Character literals: BASIC has none, so every 'c' left in the line becomes a
// number or an ASC("c") call, and the meaning of an escape is noted in the
// line's comment.
#include <string>
#include <vector>

#include "driver/passes.hpp"
#include "runtime/strings.hpp"

namespace xlat {

namespace {

struct Escape {
    char letter;  // the character after the backslash
    const char* code;
};

constexpr Escape kEscapes[] = {
    {'\'', "39"}, {'"', "34"}, {'\\', "92"}, {'a', "7"}, {'b', "8"},
    {'f', "12"},  {'n', "10"}, {'r', "13"},  {'t', "9"}, {'v', "11"},
};

// The text that replaces the literal whose content (between the
// apostrophes) is `content`.
std::string LiteralReplacement(const std::string& content) {
    if (content.size() == 2 && content[0] == '\\') {
        for (const Escape& e : kEscapes)
            if (content[1] == e.letter) return e.code;
    }
    return Remove("ASC(" + Enclose(Trim(content)) + ")", "\\");
}

// Hexadecimal and octal (or zero) escapes keep their digits as written.
bool IsNumericEscape(const std::string& content) {
    return content.size() >= 2 && content[0] == '\\' && (content[1] == 'x' || content[1] == '0');
}

// The notes, newest first, in front of `comment`, all joined by " : ".
std::string NotesBefore(const std::vector<std::string>& notes, const std::string& comment) {
    std::string text;
    for (auto note = notes.rbegin(); note != notes.rend(); ++note) {
        if (!text.empty()) text += " : ";
        text += *note;
    }
    if (!comment.empty()) text += " : " + comment;
    return text;
}

}  // namespace

void ConvertCharLiterals(Translator& t) {
    // Without an apostrophe the cut below gives one token and nothing changes.
    if (!t.lineText.empty() && !Contains(t.lineText, "'")) return;
    if (!Tokenize(t, "'")) return;  // empty line: already written
    if (t.lastToken == 0) return;   // no apostrophe outside string literals
    // Each note goes in front of the notes already there, joined by " : ";
    // they are gathered and put in front of the comment once at the end (a
    // line of thousands of literals would otherwise copy the comment for each).
    std::vector<std::string> notes;
    for (int i = 0; i <= t.lastToken; ++i) {
        if (t.TokAt(i) != "'"sv || t.TokAt(i + 2) != "'"sv) continue;
        const std::string content = t.TokAt(i + 1);
        t.Tok(i).clear();
        t.Tok(i + 2).clear();
        if (IsNumericEscape(content)) {
            t.Tok(i + 1) = Remove(content, "\\");
            continue;
        }
        std::string replacement = LiteralReplacement(content);
        if (content.size() > 1) notes.push_back(content + " = " + replacement);
        t.Tok(i + 1) = std::move(replacement);
        t.scratchText.clear();
    }
    if (!notes.empty()) t.lineComment = NotesBefore(notes, t.lineComment);
    t.CompactTokens();
    t.JoinTokens();
}

}  // namespace xlat
