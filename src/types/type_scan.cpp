#include "types/type_scan.hpp"

#include <algorithm>
#include <array>
#include <unordered_set>

#include "runtime/strings.hpp"
#include "types/type_grammar.hpp"
#include "types/type_table.hpp"

namespace xlat {

namespace {

// The characters that end a word.
constexpr auto kDelimiters = [] {
    std::array<bool, 256> delimiters{};
    for (char c : std::string_view(" \t[](){}:;,*=!-+<>/%&\"'\r")) delimiters[static_cast<unsigned char>(c)] = true;
    return delimiters;
}();

bool IsDelimiter(char c) { return kDelimiters[static_cast<unsigned char>(c)]; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Every character at its own code, so that a one-character token can be a
// view of it.
constexpr auto kPunctuation = [] {
    std::array<char, 256> chars{};
    for (int c = 0; c < 256; ++c) chars[static_cast<size_t>(c)] = static_cast<char>(c);
    return chars;
}();

class Scanner {
public:
    std::vector<std::string> names;

    void Scan(std::string_view text) {
        size_t pos = 0;
        while (pos < text.size()) {
            size_t end = text.find('\n', pos);
            if (end == std::string_view::npos) end = text.size();
            ScanLine(text.substr(pos, end - pos));
            pos = end + 1;
        }
        EndStatement();
    }

private:
    // The statement read so far: views into the text, or into the fixed
    // words below.
    std::vector<std::string_view> tokens_;
    std::vector<std::string_view> heldHead_;  // a statement that is a head if a "{" follows it
    struct NameHash {
        using is_transparent = void;
        size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
    };
    std::unordered_set<std::string, NameHash, std::equal_to<>> seen_;
    bool inComment_ = false;
    bool inDirective_ = false;  // a directive continued on this line
    int deadDepth_ = 0;         // inside "#if 0" when > 0

    void Learn(std::string_view name) {
        if (name.empty() || seen_.find(name) != seen_.end()) return;
        seen_.emplace(name);
        names.emplace_back(name);
    }
    std::string_view Tok(size_t i) const { return i < tokens_.size() ? tokens_[i] : std::string_view(); }

    void ScanLine(std::string_view line) {
        if (inDirective_) {
            inDirective_ = EndsWith(RTrim(line, '\r'), "\\");
            return;
        }
        const std::string_view trimmed = TrimView(line);
        if (!inComment_ && StartsWith(trimmed, "#")) {
            Directive(trimmed);
            inDirective_ = EndsWith(RTrim(trimmed, '\r'), "\\");
            return;
        }
        if (deadDepth_ > 0) return;
        size_t i = 0;
        while (i < line.size()) {
            const char c = line[i];
            if (inComment_) {
                const size_t close = line.find("*/", i);
                if (close == std::string_view::npos) return;
                inComment_ = false;
                i = close + 2;
            } else if (!IsDelimiter(c)) {
                size_t end = i + 1;
                while (end < line.size() && !IsDelimiter(line[end])) ++end;
                Add(line.substr(i, end - i));
                i = end;
            } else if (IsBlank(c)) {
                do ++i;
                while (i < line.size() && IsBlank(line[i]));
            } else if (c == '/' && i + 1 < line.size() && line[i + 1] == '/') {
                break;
            } else if (c == '/' && i + 1 < line.size() && line[i + 1] == '*') {
                inComment_ = true;
                i += 2;
            } else if (c == '"' || c == '\'') {
                // A literal is one token that begins with no letter.
                size_t close = i + 1;
                while (close < line.size() && line[close] != c) close += line[close] == '\\' ? 2 : 1;
                Add(c == '"' ? std::string_view("\"") : std::string_view("'"));
                i = close + 1;
            } else {
                Punctuation(c);
                ++i;
            }
        }
        // A statement goes on over lines until it ends like one.
        const std::string_view last = Tok(tokens_.size() - 1);
        if (last == ";" || last == ")") EndStatement();
    }

    void Directive(std::string_view line) {
        std::string_view word = TrimView(line.substr(1));
        const bool opens = StartsWith(word, "if");
        if (deadDepth_ > 0) {
            if (opens)
                ++deadDepth_;
            else if (StartsWith(word, "endif") ||
                     (deadDepth_ == 1 && (StartsWith(word, "else") || StartsWith(word, "elif"))))
                --deadDepth_;
            return;
        }
        if (StartsWith(word, "if ") && TrimView(word.substr(3)) == "0") deadDepth_ = 1;
    }

    void Add(std::string_view token) { tokens_.push_back(token); }

    // A "{" ends the statement in front of it; a "}" stands alone.
    void Punctuation(char c) {
        if (c == '}') {
            EndStatement();
            return;
        }
        Add(std::string_view(&kPunctuation[static_cast<unsigned char>(c)], 1));
        if (c == '{') EndStatement();
    }

    void EndStatement() {
        if (!heldHead_.empty()) {
            // A head with its body's "{" as the next statement.
            const bool body = tokens_.size() == 1 && tokens_[0] == "{";
            heldHead_.swap(tokens_);
            LearnFromHead(body);
            tokens_.swap(heldHead_);
            heldHead_.clear();
        }
        if (!tokens_.empty()) LearnFromStatement();
        tokens_.clear();
    }

    // The tokens of the statement, as the type-word grammar reads and
    // writes them (the same grammar as the type-word pass's).
    struct StatementTokens {
        Scanner& scanner;
        std::string_view At(int i) const { return scanner.Tok(static_cast<size_t>(i)); }
        int Last() const { return static_cast<int>(scanner.tokens_.size()) - 1; }
        void Set(int i, std::string_view text) { scanner.tokens_[static_cast<size_t>(i)] = text; }
        void Learn(std::string_view name) { scanner.Learn(name); }
        void Compact() {
            std::vector<std::string_view>& t = scanner.tokens_;
            t.erase(std::remove(t.begin(), t.end(), std::string_view()), t.end());
        }
        bool IsType(std::string_view name) const { return scanner.IsType(name); }
    };

    bool IsType(std::string_view name) const {
        static const TypeTable builtIn;
        return builtIn.Contains(name) || seen_.find(name) != seen_.end();
    }

    void LearnFromStatement() {
        StatementTokens tokens{*this};
        type_grammar::FoldTypeWordsAndTags(tokens);
        const std::string_view first = Tok(0);
        if (first == "struct") return LearnFromStruct();
        if (first == "typedef") return LearnFromTypedef();
        if (tokens_.back() == ")" && type_grammar::FindHead(tokens).name >= 0) {
            heldHead_ = tokens_;  // a head if the next statement is its body's "{"
            return;
        }
        LearnFromHead(tokens_.back() == "{");
    }

    // A statement that may be a function head; `body`: a "{" follows it.
    void LearnFromHead(bool body) {
        StatementTokens tokens{*this};
        // Only a head with a body has its words reshaped.
        const type_grammar::HeadShape head = body ? type_grammar::FindHead(tokens) : type_grammar::HeadShape();
        int type = 0;
        const std::vector<std::string_view> prefix =
            body && head.name >= 0 ? type_grammar::HeadPrefix(tokens, head, type) : std::vector<std::string_view>();
        if (!prefix.empty()) {
            // The words in front of the name in the form the head pass reads
            // (views into the text, which stays).
            tokens_.erase(tokens_.begin(), tokens_.begin() + head.name);
            tokens_.insert(tokens_.begin(), prefix.begin(), prefix.end());
            Learn(prefix[static_cast<size_t>(type)]);
        }
        type_grammar::LearnFromDeclaration(tokens);
    }

    // `struct point {`, `struct point p;` and the shape the pre-pass gives a
    // definition that declares variables: `struct p1, *pp; point {`.
    void LearnFromStruct() {
        const size_t last = tokens_.size() - 1;
        size_t semicolon = 1;
        while (semicolon < last && Tok(semicolon) != ";") ++semicolon;
        if (last >= 3 && Tok(last) == "{" && semicolon >= 2) {
            if (semicolon == last - 2 && Tok(last - 1) != ";") return Learn(Tok(last - 1));
            if (semicolon == last - 1) {
                for (size_t i = 1; i < semicolon; ++i)
                    if (StartsName(Tok(i))) return Learn(Join({"T", UCase(Tok(i))}));
            }
            return;
        }
        if (StartsName(Tok(1))) Learn(Tok(1));
    }

    void LearnFromTypedef() {
        if (Tok(1) == "struct") {
            bool body = false;
            for (std::string_view token : tokens_) body = body || token == "{";
            if (!body && tokens_.back() == ";") {
                for (size_t i = 2; i + 1 < tokens_.size(); ++i)
                    if (StartsName(Tok(i))) Learn(Tok(i));
            } else {
                Learn(Tok(2));
            }
            return;
        }
        for (std::string_view token : tokens_)
            if (token == "{") return;
        Learn(Tok(1));
    }
};

}  // namespace

std::vector<std::string> ScanTypeNames(std::string_view text) {
    Scanner scanner;
    scanner.Scan(text);
    return std::move(scanner.names);
}

}  // namespace xlat
