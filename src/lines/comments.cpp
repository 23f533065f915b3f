// The comment pass: C comments become BASIC comments (an apostrophe).
//
// The pre-pass has already moved whatever followed a "*/" onto a line of its
// own, so a comment closer is only ever looked for at the end of a line.
#include "driver/passes.hpp"
#include "runtime/strings.hpp"

namespace xlat {

namespace {

// A block comment that began on this line and runs over the next ones: each
// line is written as a comment until the one that ends with the closer.
int CopyBlockComment(Translator& t) {
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
    return 0;
}

// Cuts a trailing "//" comment off the line into lineComment. The line is
// split at its slashes (never inside a string literal); the first two slash
// tokens in a row begin the comment.
int CutTrailingComment(Translator& t) {
    // The character literal of a slash must not be taken for a comment.
    ReplaceOutsideQuotes(t.lineText, "'/'", "47");
    // Without a slash there is no comment, and the slash tokens are not
    // needed: the next pass that reads tokens cuts the line again.
    if (t.lineText.find('/') == std::string::npos) return 1;
    Tokenize(t, "/");
    for (int i = 0; i < t.lastToken; ++i) {
        if (t.TokAt(i) != "/"sv || t.TokAt(i + 1) != "/"sv) continue;
        std::string code;
        for (int j = 0; j < i; ++j) code += t.TokAt(j);
        std::string comment;
        for (int j = i + 2; j <= t.lastToken; ++j) comment += t.TokAt(j);
        t.lineText = Trim(code);
        t.lineComment = std::move(comment);
        break;
    }
    return 1;
}

}  // namespace

int ConvertComments(Translator& t) {
    // Every comment mark holds a slash: a line without one is only tested
    // for being blank.
    if (t.lineText.find('/') == std::string::npos) {
        if (!t.lineText.empty()) return 1;
        t.Write("");  // blank lines of the source survive
        return 0;
    }
    // A block comment that closes on its own line is handled as a "//" one.
    long opener = InStr(t.lineText, "/*");
    long closer = InStr(t.lineText, "*/");
    if (opener < closer) t.lineText = Remove(Replace(t.lineText, "/*", "//"), "*/");

    size_t firstNonBlank = t.lineText.find_first_not_of(' ');
    if (firstNonBlank != std::string::npos && t.lineText.compare(firstNonBlank, 2, "/*") == 0)
        return CopyBlockComment(t);

    if (StartsWith(t.lineText, "//")) {
        t.Write2("'", Mid(t.lineText, 3));
        return 0;
    }
    if (t.lineText.empty()) {
        // Blank lines of the source survive.
        t.Write("");
        return 0;
    }
    return CutTrailingComment(t);
}

}  // namespace xlat
