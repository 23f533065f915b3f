// The comment pass: C comments become BASIC comments (an apostrophe).
//
// The pre-pass has already moved whatever followed a "*/" onto a line of its
// own, so a comment closer is only ever looked for at the end of a line.
#include "comments/comments.hpp"

#include "driver/cut_at_delimiters.hpp"
#include "driver/passes.hpp"
#include "runtime/strings.hpp"

namespace xlat {

namespace {

constexpr size_t npos = std::string_view::npos;

// The index of the apostrophe that closes the character literal opened at
// `open`, or npos when none does on the line.
size_t CharLiteralEnd(std::string_view line, size_t open) {
    const size_t first = open + 1;
    if (first >= line.size()) return npos;
    return line.find('\'', line[first] == '\\' ? first + 2 : first + 1);
}

// The first index outside the literals where `isMark` holds; npos when
// there is none.
template <class IsMark>
size_t FindOutsideLiterals(std::string_view line, bool startsInString, IsMark isMark) {
    size_t i = 0;
    if (startsInString) {
        i = line.find('"');
        if (i == npos) return npos;
        ++i;
    }
    for (; i < line.size(); ++i) {
        if (isMark(i)) return i;
        if (line[i] == '"') {
            i = line.find('"', i + 1);
            if (i == npos) return npos;
        } else if (line[i] == '\'') {
            if (const size_t end = CharLiteralEnd(line, i); end != npos) i = end;
        }
    }
    return npos;
}

size_t FindMarkOutsideLiterals(std::string_view line, std::string_view mark, bool startsInString) {
    return FindOutsideLiterals(line, startsInString, [&](size_t i) { return line.compare(i, mark.size(), mark) == 0; });
}

// Where a trailing comment's first slash stands, or npos.
size_t TrailingCommentStart(std::string_view line, bool startsInString) {
    const auto slashes = [line](size_t i) {
        if (line[i] != '/') return false;
        return line.compare(i + 1, 1, "/") == 0 || line.compare(i + 1, 2, " /") == 0;
    };
    return FindOutsideLiterals(line, startsInString, slashes);
}

// The text after a comment's two slashes as the pass keeps it: a blank that
// stands alone between two slashes goes (the pass cuts at the slashes and
// drops the pieces that are a single blank).
std::string CommentText(std::string_view rest) {
    static const DelimiterSet kSlash("/");
    std::string text;
    CutAtDelimiters(
        rest, kSlash,
        [&text](std::string_view piece) {
            if (piece != " "sv) text += piece;
        },
        [&text](char, std::string_view slash) { text += slash; });
    return text;
}

// A block comment that began on this line and runs over the next ones: each
// line is written as a comment until the one that ends with the closer.
PassResult CopyBlockComment(Translator& t) {
    std::string line = Replace(t.lineText, "/*", " ");
    // An unclosed comment is reported where it was opened.
    const long opened = t.in.LinesRead();
    for (;;) {
        t.Write2("'", line);
        if (t.AtEnd()) t.Fatal("Sorry: We got lost formating comments", "block comment not closed", opened);
        line = Replace(Trim(t.ReadLine()), "\t", "   ");
        if (EndsWith(RTrim(line), "*/") || Right(line, 3) == "* /"sv) break;
    }
    t.lineText = Remove(Remove(line, "*/"), "* /");
    t.Write2("' ", t.lineText);
    return PassResult::LineDone;
}

}  // namespace

void TurnClosedBlockComment(std::string& line, bool startsInString) {
    if (line.find("/*") == npos && line.find("*/") == npos) return;  // most lines
    const size_t opener = FindMarkOutsideLiterals(line, "/*", startsInString);
    if (opener == npos) {
        // Closers outside the literals, with nothing that they close, go.
        for (size_t closer; (closer = FindMarkOutsideLiterals(line, "*/", startsInString)) != npos;)
            line.erase(closer, 2);
        return;
    }
    // From the opener on, the line is comment text.
    if (line.find("*/", opener + 2) == npos) return;
    line.replace(opener, npos, Remove(Replace(std::string_view(line).substr(opener), "/*", "//"), "*/"));
}

bool OpensUnclosedBlockComment(std::string_view line, bool startsInString) {
    const size_t opener = FindMarkOutsideLiterals(line, "/*", startsInString);
    return opener != npos && line.find("*/", opener + 2) == npos;
}

bool StartsLongBlockComment(std::string_view line) { return StartsWith(line, "/*") && OpensUnclosedBlockComment(line); }

void WriteLongBlockComment(Translator& t, std::string_view line) {
    std::string current = std::move(t.lineText);
    t.lineText = line;
    CopyBlockComment(t);
    t.lineText = std::move(current);
}

bool HoldsTrailingComment(std::string_view line, bool startsInString) {
    return TrailingCommentStart(line, startsInString) != npos;
}

bool CutTrailingComment(std::string& line, std::string& comment, bool startsInString) {
    const size_t first = TrailingCommentStart(line, startsInString);
    if (first == npos) return false;
    const size_t second = line.find('/', first + 1);
    comment = CommentText(std::string_view(line).substr(second + 1));
    line = Trim(std::string_view(line).substr(0, first));
    return true;
}

PassResult ConvertComments(Translator& t) {
    // Every comment mark holds a slash: a line without one is only tested
    // for being blank.
    if (t.lineText.find('/') == std::string::npos) {
        if (!t.lineText.empty()) return PassResult::GoOn;
        t.Write("");  // blank lines of the source survive
        return PassResult::LineDone;
    }
    TurnClosedBlockComment(t.lineText);

    size_t firstNonBlank = t.lineText.find_first_not_of(' ');
    if (firstNonBlank != std::string::npos && t.lineText.compare(firstNonBlank, 2, "/*") == 0)
        return CopyBlockComment(t);

    if (StartsWith(t.lineText, "//")) {
        t.Write2("'", Mid(t.lineText, 3));
        return PassResult::LineDone;
    }
    if (t.lineText.empty()) {
        // Blank lines of the source survive.
        t.Write("");
        return PassResult::LineDone;
    }
    // The character literal of a slash must not be taken for a comment.
    ReplaceOutsideQuotes(t.lineText, "'/'", "47");
    CutTrailingComment(t.lineText, t.lineComment);
    return PassResult::GoOn;
}

}  // namespace xlat
