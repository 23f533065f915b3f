#include "c_scan.hpp"

#include <algorithm>
#include <cctype>

namespace structure {

namespace {

bool IsWordStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// Words that put a parenthesis after them without naming a function:
// statements written at file level, as in a fragment of a program.
bool IsStatementWord(std::string_view word) {
    return word == "if" || word == "for" || word == "while" || word == "switch" || word == "return" || word == "sizeof";
}

enum class Kind { Word, Literal, Punct };

struct Token {
    Kind kind = Kind::Punct;
    std::string text;
};

// The kinds of open braces: a function body, an `extern "C"` block (whose
// contents stand at file level) and any other block.
enum class Brace { Function, Linkage, Other };

// Brace state saved at a conditional-compilation directive.
struct Branching {
    std::vector<Brace> atStart;     // the braces open where the block began
    std::vector<Brace> afterFirst;  // the braces open after its first branch
    bool pastFirst = false;
};

class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    CSource Run() {
        bool lineStart = true;
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (c == '\n') {
                lineStart = true;
                ++at_;
            } else if (std::isspace(static_cast<unsigned char>(c))) {
                ++at_;
            } else if (StartsComment()) {
                SkipComment();
            } else if (c == '#' && lineStart) {
                Directive();
            } else {
                lineStart = false;
                Take(NextToken());
            }
        }
        return std::move(result_);
    }

private:
    bool StartsComment() const {
        return text_[at_] == '/' && at_ + 1 < text_.size() && (text_[at_ + 1] == '/' || text_[at_ + 1] == '*');
    }

    // Skips the comment at `at_` and keeps its words; a line comment stops
    // before its line end.
    void SkipComment() {
        const bool block = text_[at_ + 1] == '*';
        size_t end = text_.find(block ? "*/" : "\n", at_ + 2);
        if (end == std::string_view::npos) end = text_.size();
        AddWords(text_.substr(at_ + 2, end - at_ - 2), result_.commentWords);
        at_ = block ? std::min(end + 2, text_.size()) : end;
    }

    // Skips the literal at `at_`, which never runs past its line.
    void SkipLiteral() {
        const char quote = text_[at_++];
        while (at_ < text_.size() && text_[at_] != quote && text_[at_] != '\n') at_ += text_[at_] == '\\' ? 2 : 1;
        if (at_ < text_.size() && text_[at_] == quote) ++at_;
    }

    Token NextToken() {
        const size_t start = at_;
        const char c = text_[at_];
        if (c == '"' || c == '\'') {
            SkipLiteral();
            return {Kind::Literal, std::string(text_.substr(start, at_ - start))};
        }
        if (IsWordChar(c)) {
            while (at_ < text_.size() && IsWordChar(text_[at_])) ++at_;
            std::string word(text_.substr(start, at_ - start));
            if (IsWordStart(c)) {
                if (word.size() >= 3) result_.codeWords.insert(word);
                return {Kind::Word, std::move(word)};
            }
            return {Kind::Literal, std::move(word)};  // a number
        }
        ++at_;
        return {Kind::Punct, std::string(1, c)};
    }

    // Where the next line begins when a backslash at `at_` continues the
    // line; 0 when it does not.
    size_t ContinuedLine() const {
        if (text_[at_] != '\\') return 0;
        size_t next = at_ + 1;
        if (next < text_.size() && text_[next] == '\r') ++next;
        return next < text_.size() && text_[next] == '\n' ? next + 1 : 0;
    }

    // A directive runs to its line end, with its continued lines; comments
    // in it are comments, the rest counts as code.
    void Directive() {
        std::string code;
        ++at_;
        while (at_ < text_.size() && text_[at_] != '\n') {
            if (StartsComment()) {
                SkipComment();
            } else if (const size_t next = ContinuedLine(); next != 0) {
                at_ = next;
                code += ' ';
            } else if (text_[at_] == '"' || text_[at_] == '\'') {
                SkipLiteral();
            } else {
                code += text_[at_++];
            }
        }
        AddWords(code, result_.codeWords);
        size_t word = code.find_first_not_of(" \t");
        if (word == std::string::npos) return;
        size_t end = word;
        while (end < code.size() && IsWordChar(code[end])) ++end;
        Branch(std::string_view(code).substr(word, end - word));
    }

    // Every branch of a conditional block starts with the braces open where
    // the block began; after the block, those open after its first branch.
    void Branch(std::string_view directive) {
        if (directive == "if" || directive == "ifdef" || directive == "ifndef") {
            branchings_.push_back({braces_, {}, false});
        } else if (!branchings_.empty() && (directive == "elif" || directive == "else")) {
            Branching& b = branchings_.back();
            if (!b.pastFirst) b.afterFirst = braces_;
            b.pastFirst = true;
            braces_ = b.atStart;
            NewStatement();
        } else if (!branchings_.empty() && directive == "endif") {
            if (branchings_.back().pastFirst) {
                braces_ = branchings_.back().afterFirst;
                NewStatement();
            }
            branchings_.pop_back();
        }
    }

    bool AtFileLevel() const {
        for (Brace b : braces_)
            if (b != Brace::Linkage) return false;
        return true;
    }

    void NewStatement() {
        sawParameters_ = sawAssignment_ = false;
        name_.clear();
        parens_ = 0;
    }

    bool Is(const Token& token, std::string_view text) const { return token.text == text; }

    void Take(Token token) {
        const bool top = AtFileLevel();
        if (token.kind == Kind::Punct) {
            const char c = token.text[0];
            if (c == '(') {
                if (top && parens_ == 0 && last_.kind == Kind::Word && !Is(last_, "__attribute__") &&
                    !Is(last_, "__declspec"))
                    name_ = last_.text;
                if (parens_ == 0) sawParameters_ = true;
                ++parens_;
            } else if (c == ')') {
                if (parens_ > 0) --parens_;
            } else if (c == '=' && parens_ == 0) {
                sawAssignment_ = true;
            } else if (c == ';' && parens_ == 0 && top) {
                NewStatement();
            } else if (c == '{') {
                OpenBrace(top);
            } else if (c == '}') {
                if (!braces_.empty()) braces_.pop_back();
                if (AtFileLevel()) NewStatement();
            }
        }
        beforeLast_ = std::move(last_);
        last_ = std::move(token);
    }

    void OpenBrace(bool top) {
        const bool tagged = last_.kind == Kind::Word && (Is(beforeLast_, "struct") || Is(beforeLast_, "union"));
        if (Is(last_, "struct") || Is(last_, "union") || tagged) ++result_.structures;
        Brace kind = Brace::Other;
        if (top && parens_ == 0 && Is(last_, ")") && sawParameters_ && !sawAssignment_ && !IsStatementWord(name_)) {
            kind = Brace::Function;
            if (name_ != "main") result_.functions.push_back(name_);
        } else if (top && Is(beforeLast_, "extern") && last_.kind == Kind::Literal) {
            kind = Brace::Linkage;
        }
        braces_.push_back(kind);
        if (AtFileLevel()) NewStatement();
    }

    std::string_view text_;
    size_t at_ = 0;
    CSource result_;
    std::vector<Brace> braces_;
    std::vector<Branching> branchings_;
    Token last_, beforeLast_;
    // The file-level statement read so far: its parenthesis depth, whether
    // it holds a parameter list or an assignment, and the word before its
    // last parameter list (the function's name).
    int parens_ = 0;
    bool sawParameters_ = false;
    bool sawAssignment_ = false;
    std::string name_;
};

}  // namespace

void AddWords(std::string_view text, WordSet& words) {
    for (size_t i = 0; i < text.size();) {
        if (!IsWordChar(text[i])) {
            ++i;
            continue;
        }
        const size_t start = i;
        while (i < text.size() && IsWordChar(text[i])) ++i;
        if (IsWordStart(text[start]) && i - start >= 3) words.emplace(text.substr(start, i - start));
    }
}

CSource ScanC(std::string_view text) { return Scanner(text).Run(); }

}  // namespace structure
