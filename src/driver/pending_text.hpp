// The text waiting to be taken as the next line. It reads like a string
// (it converts to std::string_view and std::string), but putting text in
// front of it and taking text off its front cost only the text moved: on a
// long line the pending text is the whole rest of the line, and every piece
// cut off the line goes through both.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace xlat {

class PendingText;

// `text + pendingText`, kept apart until it is assigned: assigned back to
// the same pending text it becomes a cheap prepend.
struct PendingWithPrefix {
    std::string prefix;
    const PendingText* rest;
    operator std::string() const;
};

class PendingText {
public:
    PendingText() = default;
    PendingText(const PendingText& other) { Assign(other.View()); }
    PendingText& operator=(const PendingText& other) {
        if (this != &other) Assign(other.View());
        return *this;
    }
    PendingText& operator=(std::string_view text) {
        Assign(text);
        return *this;
    }
    PendingText& operator=(const std::string& text) { return *this = std::string_view(text); }
    PendingText& operator=(const char* text) { return *this = std::string_view(text); }
    PendingText& operator=(const PendingWithPrefix& joined);
    PendingText& operator+=(std::string_view text);

    std::string_view View() const { return std::string_view(buffer_).substr(start_); }
    operator std::string_view() const { return View(); }
    operator std::string() const { return std::string(View()); }
    friend bool operator==(const PendingText& a, std::string_view b) { return a.View() == b; }
    // Two pending texts are alike when their texts are (where the text
    // starts in the buffer and what is known of its pieces are not compared).
    bool operator==(const PendingText& other) const { return View() == other.View(); }
    size_t size() const { return buffer_.size() - start_; }
    bool empty() const { return size() == 0; }
    void clear() {
        buffer_.clear();
        start_ = 0;
        quietFrom_ = npos;
    }

    void Prepend(std::string_view text);
    // Drops the first n characters; the text left must start with a token.
    void DropFront(size_t n);

    // Where (an index into View()) the text starts to be quiet pieces: the
    // pieces of a cut by the statement splitter, each followed by one blank
    // (so that cutting them again gives them back), together quiet text
    // (see IsQuietText). npos when no such part is known.
    size_t QuietPiecesFrom() const { return quietFrom_ == npos ? npos : quietFrom_ - start_; }
    // Declares that the whole text is such quiet pieces.
    void MarkQuietPieces() { quietFrom_ = start_; }

    static constexpr size_t npos = std::string_view::npos;

private:
    void Assign(std::string_view text);
    // Whether `text` is a view of this very buffer.
    bool Aliases(std::string_view text) const;

    std::string buffer_;  // the text is buffer_[start_..]; the front is free room
    size_t start_ = 0;
    size_t quietFrom_ = npos;  // buffer index where quiet pieces begin
};

// Whether the passes before the statement splitter (the comment, directive
// and literal passes) leave `text` alone, and leave a line alone that is
// made of such texts with a blank after each but the last, none of those
// ending in a slash (the statement splitter's pieces end in ")", "{", "}"
// or ";" and a blank): no tab or other control blank, no "*/", and outside
// the quoted literals (every quote opens or closes one) no apostrophe and
// no slash followed by a slash or by a blank and a slash (the comment pass
// takes both for "//"); and its quotes are paired. A test runs those passes
// over every short text to hold this true.
bool IsQuietText(std::string_view text);

PendingWithPrefix operator+(std::string prefix, const PendingText& rest);
PendingWithPrefix operator+(const char* prefix, const PendingText& rest);
std::string operator+(const PendingText& text, std::string_view more);

}  // namespace xlat
