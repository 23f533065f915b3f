// Character literals: BASIC has none, so every 'c' left in the line becomes a
// number or an ASC("c") call, and the meaning of an escape is noted in the
// line's comment.
#include <charconv>
#include <string>
#include <vector>

#include "driver/tokenizer.hpp"
#include "expressions/expressions.hpp"
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

// The value of a hexadecimal escape ("\x" and hex digits) or an octal one
// ("\" and one to three octal digits) as a decimal number; empty for any
// other content.
std::string NumericEscapeValue(std::string_view content) {
    if (content.size() < 2 || content[0] != '\\') return {};
    const bool hex = content[1] == 'x';
    const std::string_view digits = content.substr(hex ? 2 : 1);
    if (digits.empty() || (!hex && digits.size() > 3)) return {};
    unsigned long value = 0;
    const char* const last = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), last, value, hex ? 16 : 8);
    if (error != std::errc() || stop != last) return {};
    return std::to_string(value);
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
    if (Tokenize(t, "'") == PassResult::LineDone) return;  // empty line: already written
    if (t.lastToken == 0) return;                          // no apostrophe outside string literals
    // Each note goes in front of the notes already there, joined by " : ";
    // they are gathered and put in front of the comment once at the end (a
    // line of thousands of literals would otherwise copy the comment for each).
    std::vector<std::string> notes;
    for (int i = 0; i <= t.lastToken; ++i) {
        if (t.TokAt(i) != "'"sv || t.TokAt(i + 2) != "'"sv) continue;
        const std::string content = t.TokAt(i + 1);
        t.Tok(i).clear();
        t.Tok(i + 2).clear();
        std::string replacement = NumericEscapeValue(content);
        if (replacement.empty()) replacement = LiteralReplacement(content);
        // The zero character is common enough to need no note.
        if (content.size() > 1 && content != "\\0"sv) notes.push_back(content + " = " + replacement);
        t.Tok(i + 1) = std::move(replacement);
        t.scratchText.clear();
    }
    if (!notes.empty()) t.lineComment = NotesBefore(notes, t.lineComment);
    t.CompactTokens();
    t.JoinTokens();
}

}  // namespace xlat
