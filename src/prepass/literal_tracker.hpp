// Whether places of a C text lie inside a string or character literal, the
// text being read as C: a quote inside a comment opens nothing, a backslash
// in a literal escapes the character after it, and a literal left open ends
// at its line's end.
#pragma once

#include <cstddef>
#include <string_view>

#include "prepass/char_finder.hpp"

namespace xlat {

class LiteralTracker {
public:
    explicit LiteralTracker(std::string_view text) : text_(text) {}

    // Whether the character at `pos` stands inside a literal (its closing
    // quote included). `pos` never goes back from one call to the next.
    bool Inside(std::size_t pos) {
        for (;;) {
            SkipPlain();
            if (at_ >= pos) break;
            Read();
        }
        return in_ == In::String || in_ == In::Char;
    }

    // Whether the character at `pos` stands in code: outside the literals
    // and the comments. `pos` never goes back from one call to the next,
    // here or in Inside.
    bool InCode(std::size_t pos) {
        Inside(pos);
        return in_ == In::Code;
    }

private:
    enum class In { Code, String, Char, LineComment, BlockComment };

    // Moves at_ to the next character that can change what the text is in.
    void SkipPlain() {
        switch (in_) {
            case In::Code: at_ = codeStops_.Next(at_); break;
            case In::String: at_ = stringStops_.Next(at_); break;
            case In::Char: at_ = charStops_.Next(at_); break;
            case In::LineComment: at_ = lineEnds_.Next(at_); break;
            case In::BlockComment: at_ = stars_.Next(at_); break;
        }
    }

    // Reads the character at at_ (two for a mark or an escape).
    void Read() {
        const char c = text_[at_];
        const char next = at_ + 1 < text_.size() ? text_[at_ + 1] : '\0';
        switch (in_) {
            case In::Code:
                if (c == '"')
                    in_ = In::String;
                else if (c == '\'')
                    in_ = In::Char;
                else if (c == '/' && next == '/')
                    in_ = In::LineComment, ++at_;
                else if (c == '/' && next == '*')
                    in_ = In::BlockComment, ++at_;
                break;
            case In::String:
            case In::Char:
                if (c == '\\') {
                    // An escape; a backslash at a line's end continues the literal.
                    at_ += next == '\r' && at_ + 2 < text_.size() && text_[at_ + 2] == '\n' ? 2 : 1;
                } else {
                    in_ = In::Code;  // the closing quote, or the line's end
                }
                break;
            case In::LineComment: in_ = In::Code; break;
            case In::BlockComment:
                if (next == '/') in_ = In::Code, ++at_;
                break;
        }
        ++at_;
    }

    std::string_view text_;
    std::size_t at_ = 0;
    In in_ = In::Code;
    CharFinder<3> codeStops_{text_, {'"', '\'', '/'}};
    CharFinder<3> stringStops_{text_, {'\\', '"', '\n'}};
    CharFinder<3> charStops_{text_, {'\\', '\'', '\n'}};
    CharFinder<1> lineEnds_{text_, {'\n'}};
    CharFinder<1> stars_{text_, {'*'}};
};

}  // namespace xlat
