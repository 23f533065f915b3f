// Pattern matcher. See pattern.hpp for the interface.
#include "prepass/pattern.hpp"

#include <cstring>
#include <new>

namespace xlat {

namespace {

// Flags of a parsed construct.
constexpr int kWorst = 0;     // nothing known
constexpr int kHasWidth = 1;  // never matches the empty text
constexpr int kSimple = 2;    // a single-character node (may carry a repeat)
constexpr int kSpStart = 4;   // starts with "*" or "?"

constexpr std::size_t kProgramLimit = 32767;
constexpr std::size_t kNoNode = static_cast<std::size_t>(-1);

bool IsRepeatSign(char c) { return c == '*' || c == '+' || c == '?'; }
bool IsMeta(char c) { return c != '\0' && std::strchr("^$.[()|?+*\\", c) != nullptr; }

std::string_view UpToNul(std::string_view text) {
    const void* nul = text.empty() ? nullptr : std::memchr(text.data(), '\0', text.size());
    if (nul == nullptr) return text;
    return text.substr(0, static_cast<const char*>(nul) - text.data());
}

// Link of the node at `p` in `program`: kNoNode when its distance is 0.
std::size_t NextNode(const std::vector<std::uint8_t>& program, std::size_t p) {
    if (p + 3 > program.size()) return kNoNode;
    std::size_t offset = (static_cast<std::size_t>(program[p + 1]) << 8) | program[p + 2];
    if (offset == 0) return kNoNode;
    if (program[p] == kNodeBackLink) return offset > p ? kNoNode : p - offset;
    return p + offset;
}

// ---------------------------------------------------------------------------
// Compiler: two passes over the pattern, the first only counting bytes.

class Compiler {
public:
    using Ref = std::ptrdiff_t;
    static constexpr Ref kNull = -2;   // failure / no node
    static constexpr Ref kDummy = -1;  // the node "emitted" by the counting pass

    Compiler(std::string_view pattern, PatternErrors* errors) : src_(pattern), errors_(errors) {}

    std::unique_ptr<CompiledPattern> Compile() {
        // First pass: size and legality.
        counting_ = true;
        size_ = 0;
        Start();
        int flags = 0;
        if (Reg(false, flags) == kNull) return nullptr;
        if (size_ >= kProgramLimit) return Fail("regexp too big");

        std::unique_ptr<CompiledPattern> result;
        try {
            result = std::make_unique<CompiledPattern>();
            result->program.reserve(size_);  // allocated once, at its exact size
        } catch (const std::bad_alloc&) {
            return Fail("out of space");
        }

        // Second pass: emit.
        counting_ = false;
        code_ = &result->program;
        Start();
        if (Reg(false, flags) == kNull) return nullptr;
        DeriveHints(*result, flags);
        return result;
    }

private:
    std::nullptr_t Fail(std::string_view message) {
        PatternError(message, errors_);
        return nullptr;
    }
    Ref FailRef(std::string_view message) {
        PatternError(message, errors_);
        return kNull;
    }

    void Start() {
        at_ = 0;
        groups_ = 1;
        Byte(kPatternMagic);
    }

    char Peek() const { return at_ < src_.size() ? src_[at_] : '\0'; }
    char PeekAt(std::size_t i) const { return i < src_.size() ? src_[i] : '\0'; }

    Ref Node(std::uint8_t op) {
        if (counting_) {
            size_ += 3;
            return kDummy;
        }
        Ref ref = static_cast<Ref>(code_->size());
        code_->push_back(op);
        code_->push_back(0);
        code_->push_back(0);
        return ref;
    }

    void Byte(std::uint8_t c) {
        if (counting_) {
            ++size_;
            return;
        }
        code_->push_back(c);
    }

    // Puts a node of kind `op` in front of the operand at `operand`.
    void Insert(std::uint8_t op, Ref operand) {
        if (counting_) {
            size_ += 3;
            return;
        }
        const std::uint8_t node[3] = {op, 0, 0};
        code_->insert(code_->begin() + operand, node, node + 3);
    }

    Ref Next(Ref p) const {
        if (p < 0) return kNull;
        std::size_t n = NextNode(*code_, static_cast<std::size_t>(p));
        return n == kNoNode ? kNull : static_cast<Ref>(n);
    }

    // Sets the link of the last node of the chain starting at `p` to `val`.
    void Tail(Ref p, Ref val) {
        if (p < 0 || val < 0) return;
        Ref scan = p;
        for (;;) {
            Ref temp = Next(scan);
            if (temp == kNull) break;
            scan = temp;
        }
        std::vector<std::uint8_t>& code = *code_;
        Ref offset = code[scan] == kNodeBackLink ? scan - val : val - scan;
        code[scan + 1] = static_cast<std::uint8_t>((offset >> 8) & 0xFF);
        code[scan + 2] = static_cast<std::uint8_t>(offset & 0xFF);
    }

    // Tail on the operand of an alternative node; nothing for any other node.
    void OperandTail(Ref p, Ref val) {
        if (p < 0 || (*code_)[p] != kNodeAlternative) return;
        Tail(p + 3, val);
    }

    // A pattern (paren false) or a group body (paren true).
    Ref Reg(bool paren, int& flagp) {
        flagp = kHasWidth;
        Ref ret = kNull;
        int parno = 0;
        if (paren) {
            if (groups_ >= kPatternGroups) return FailRef("too many ()");
            parno = groups_++;
            ret = Node(static_cast<std::uint8_t>(kNodeGroupStart + parno));
        }
        int flags = 0;
        Ref br = Branch(flags);
        if (br == kNull) return kNull;
        if (ret != kNull) {
            Tail(ret, br);
        } else {
            ret = br;
        }
        if (!(flags & kHasWidth)) flagp &= ~kHasWidth;
        flagp |= flags & kSpStart;
        while (Peek() == '|') {
            ++at_;
            br = Branch(flags);
            if (br == kNull) return kNull;
            Tail(ret, br);
            if (!(flags & kHasWidth)) flagp &= ~kHasWidth;
            flagp |= flags & kSpStart;
        }
        Ref ender = Node(static_cast<std::uint8_t>(paren ? kNodeGroupEnd + parno : kNodeEnd));
        Tail(ret, ender);
        for (Ref b = ret; b >= 0; b = Next(b)) OperandTail(b, ender);
        if (paren) {
            if (Peek() != ')') return FailRef("unmatched ()");
            ++at_;
        } else if (at_ < src_.size()) {
            if (Peek() == ')') return FailRef("unmatched ()");
            return FailRef("junk on end");
        }
        return ret;
    }

    Ref Branch(int& flagp) {
        flagp = kWorst;
        Ref ret = Node(kNodeAlternative);
        Ref chain = kNull;
        bool any = false;
        while (at_ < src_.size() && Peek() != '|' && Peek() != ')') {
            int flags = 0;
            Ref latest = Piece(flags);
            if (latest == kNull) return kNull;
            flagp |= flags & kHasWidth;
            if (!any) {
                flagp |= flags & kSpStart;
            } else {
                Tail(chain, latest);
            }
            any = true;
            chain = latest;
        }
        if (!any) Node(kNodeEmpty);
        return ret;
    }

    Ref Piece(int& flagp) {
        int flags = 0;
        Ref ret = Atom(flags);
        if (ret == kNull) return kNull;
        char op = Peek();
        if (!IsRepeatSign(op)) {
            flagp = flags;
            return ret;
        }
        if (!(flags & kHasWidth) && op != '?') return FailRef("*+ operand could be empty");
        flagp = op != '+' ? (kWorst | kSpStart) : (kWorst | kHasWidth);

        if (op == '*' && (flags & kSimple)) {
            Insert(kNodeRepeat0, ret);
        } else if (op == '*') {
            // x* as (x&|), where & loops back to the alternative.
            Insert(kNodeAlternative, ret);
            OperandTail(ret, Node(kNodeBackLink));
            OperandTail(ret, ret);
            Tail(ret, Node(kNodeAlternative));
            Tail(ret, Node(kNodeEmpty));
        } else if (op == '+' && (flags & kSimple)) {
            Insert(kNodeRepeat1, ret);
        } else if (op == '+') {
            // x+ as x(&|), where & loops back to x.
            Ref next = Node(kNodeAlternative);
            Tail(ret, next);
            Tail(Node(kNodeBackLink), ret);
            Tail(next, Node(kNodeAlternative));
            Tail(ret, Node(kNodeEmpty));
        } else {
            // x? as (x|).
            Insert(kNodeAlternative, ret);
            Tail(ret, Node(kNodeAlternative));
            Ref next = Node(kNodeEmpty);
            Tail(ret, next);
            OperandTail(ret, next);
        }
        ++at_;
        if (IsRepeatSign(Peek())) return FailRef("nested *?+");
        return ret;
    }

    // A "[...]" set, after its "[": its node with the characters it holds.
    Ref CharacterSet() {
        Ref ret;
        if (Peek() == '^') {
            ret = Node(kNodeNoneOf);
            ++at_;
        } else {
            ret = Node(kNodeOneOf);
        }
        if (Peek() == ']' || Peek() == '-') Byte(static_cast<std::uint8_t>(src_[at_++]));
        while (at_ < src_.size() && Peek() != ']') {
            if (Peek() == '-') {
                ++at_;
                if (Peek() == ']' || at_ >= src_.size()) {
                    Byte('-');
                } else {
                    int from = static_cast<unsigned char>(PeekAt(at_ - 2)) + 1;
                    int to = static_cast<unsigned char>(Peek());
                    if (from > to + 1) return FailRef("invalid [] range");
                    for (; from <= to; ++from) Byte(static_cast<std::uint8_t>(from));
                    ++at_;
                }
            } else {
                Byte(static_cast<std::uint8_t>(src_[at_++]));
            }
        }
        Byte(0);
        if (Peek() != ']') return FailRef("unmatched []");
        ++at_;
        return ret;
    }

    // A run of plain characters: one literal node. A repeat sign after the
    // run applies to its last character alone, which is left for a node of
    // its own.
    Ref LiteralRun(int& flagp) {
        std::size_t len = 0;
        while (at_ + len < src_.size() && !IsMeta(src_[at_ + len])) ++len;
        if (len == 0) return FailRef("internal disaster");  // cannot arise
        char ender = PeekAt(at_ + len);
        if (len > 1 && IsRepeatSign(ender)) --len;
        flagp |= kHasWidth;
        if (len == 1) flagp |= kSimple;
        const Ref ret = Node(kNodeLiteral);
        for (; len > 0; --len) Byte(static_cast<std::uint8_t>(src_[at_++]));
        Byte(0);
        return ret;
    }

    Ref Atom(int& flagp) {
        flagp = kWorst;
        Ref ret = kNull;
        char c = Peek();
        ++at_;
        switch (c) {
            case '^': ret = Node(kNodeStartAnchor); break;
            case '$': ret = Node(kNodeEndAnchor); break;
            case '.':
                ret = Node(kNodeAny);
                flagp |= kHasWidth | kSimple;
                break;
            case '[':
                ret = CharacterSet();
                if (ret == kNull) return kNull;
                flagp |= kHasWidth | kSimple;
                break;
            case '(': {
                int flags = 0;
                ret = Reg(true, flags);
                if (ret == kNull) return kNull;
                flagp |= flags & (kHasWidth | kSpStart);
                break;
            }
            case '\0':
            case '|':
            case ')': return FailRef("internal urp");  // caught earlier; cannot arise
            case '?':
            case '+':
            case '*': return FailRef("?+* follows nothing");
            case '\\':
                if (at_ >= src_.size()) return FailRef("trailing \\");
                ret = Node(kNodeLiteral);
                Byte(static_cast<std::uint8_t>(src_[at_++]));
                Byte(0);
                flagp |= kHasWidth | kSimple;
                break;
            default: --at_; return LiteralRun(flagp);
        }
        return ret;
    }

    // Three hints (first character, anchor, required literal), plus a literal
    // found at a fixed offset from the start of every match.
    static void DeriveHints(CompiledPattern& p, int flags) {
        const std::vector<std::uint8_t>& prog = p.program;
        std::size_t scan = 1;  // the first top-level alternative
        std::size_t after = NextNode(prog, scan);
        if (after != kNoNode && prog[after] == kNodeEnd) {  // one top-level branch
            scan += 3;
            if (prog[scan] == kNodeLiteral) {
                p.firstChar = prog[scan + 3];
            } else if (prog[scan] == kNodeStartAnchor) {
                p.anchored = true;
            }
            if (flags & kSpStart) {
                const char* longest = nullptr;
                std::size_t len = 0;
                for (std::size_t s = scan; s != kNoNode; s = NextNode(prog, s)) {
                    if (prog[s] != kNodeLiteral) continue;
                    const char* lit = reinterpret_cast<const char*>(&prog[s + 3]);
                    std::size_t n = std::strlen(lit);
                    if (n >= len) {
                        longest = lit;
                        len = n;
                    }
                }
                if (longest != nullptr) p.required.assign(longest, len);
            }
        }
        DeriveSearchLiteral(p);
    }

    // Walks the fixed-width start of the node sequence (what every match passes
    // through, at a known distance from its start) and keeps the longest run of
    // literal characters found there.
    static void DeriveSearchLiteral(CompiledPattern& p) {
        const std::vector<std::uint8_t>& prog = p.program;
        std::size_t offset = 0;
        std::string run;
        std::size_t runStart = 0;
        auto finish = [&]() {
            if (run.size() > p.searchLiteral.size()) {
                p.searchLiteral = run;
                p.searchOffset = runStart;
            }
            run.clear();
        };
        auto add = [&](const char* chars, std::size_t n) {
            if (run.empty()) runStart = offset;
            run.append(chars, n);
            offset += n;
        };
        std::size_t s = 1;
        for (int guard = 0; s != kNoNode && s + 3 <= prog.size() && guard < 100000; ++guard) {
            std::uint8_t op = prog[s];
            if (op == kNodeAlternative) {
                std::size_t n = NextNode(prog, s);
                if (n != kNoNode && prog[n] == kNodeAlternative) break;  // a real choice
                s += 3;
                continue;
            }
            if (op == kNodeLiteral) {
                const char* lit = reinterpret_cast<const char*>(&prog[s + 3]);
                add(lit, std::strlen(lit));
            } else if (op == kNodeOneOf || op == kNodeNoneOf || op == kNodeAny) {
                bool single = false;
                char member = 0;
                if (op == kNodeOneOf) {
                    const char* set = reinterpret_cast<const char*>(&prog[s + 3]);
                    single = set[0] != '\0';
                    member = set[0];
                    for (const char* m = set; *m != '\0'; ++m) single = single && *m == member;
                }
                if (single) {
                    add(&member, 1);
                } else {
                    finish();
                    ++offset;
                }
            } else if ((op == kNodeRepeat0 || op == kNodeRepeat1) && !run.empty()) {
                DeriveFillerHint(p, s, run, runStart, op == kNodeRepeat0 ? 0 : 1);
                break;
            } else if (op == kNodeEmpty || op == kNodeStartAnchor || op == kNodeEndAnchor ||
                       (op > kNodeGroupStart && op < kNodeGroupStart + kPatternGroups) ||
                       (op > kNodeGroupEnd && op < kNodeGroupEnd + kPatternGroups)) {
                // zero width
            } else {
                break;  // end, repeats, back links: the fixed part is over
            }
            s = NextNode(prog, s);
        }
        finish();
    }

    static bool IsGroupMark(std::uint8_t op) {
        return (op > kNodeGroupStart && op < kNodeGroupStart + kPatternGroups) ||
               (op > kNodeGroupEnd && op < kNodeGroupEnd + kPatternGroups);
    }

    // When the node at `repeat` repeats one character and a literal word comes
    // next (past zero-width group marks): the character, the word and the
    // word's node. Otherwise kNoNode.
    static std::size_t FillerAndWord(const std::vector<std::uint8_t>& prog, std::size_t repeat, char& filler,
                                     std::string& word) {
        if (prog[repeat] != kNodeRepeat0 && prog[repeat] != kNodeRepeat1) return kNoNode;
        const std::size_t operand = repeat + 3;
        const char* chars = reinterpret_cast<const char*>(&prog[operand + 3]);
        if (prog[operand] == kNodeLiteral && std::strlen(chars) == 1) {
            filler = chars[0];
        } else if (prog[operand] == kNodeOneOf && chars[0] != '\0') {
            filler = chars[0];
            for (const char* m = chars; *m != '\0'; ++m)
                if (*m != filler) return kNoNode;
        } else {
            return kNoNode;
        }
        std::size_t s = NextNode(prog, repeat);
        while (s != kNoNode && IsGroupMark(prog[s])) s = NextNode(prog, s);
        if (s == kNoNode || prog[s] != kNodeLiteral) return kNoNode;
        word = reinterpret_cast<const char*>(&prog[s + 3]);
        return s;
    }

    // The node at `repeat` follows the literal `lead`; when it repeats one
    // character and a literal word comes next, the filler hint is set, and
    // with it the second run and word that may follow the first word.
    static void DeriveFillerHint(CompiledPattern& p, std::size_t repeat, const std::string& lead,
                                 std::size_t leadOffset, std::size_t minimum) {
        const std::vector<std::uint8_t>& prog = p.program;
        char filler = 0;
        std::string word;
        const std::size_t wordNode = FillerAndWord(prog, repeat, filler, word);
        // The start is found back from the word only when neither the lead's
        // end nor the word's start can be taken for filler.
        if (wordNode == kNoNode || word.size() < 2 || word[0] == filler || lead.back() == filler) return;
        p.fillerLead = lead;
        p.fillerWord = word;
        p.filler = filler;
        p.fillerMinimum = minimum;
        p.fillerLeadOffset = leadOffset;
        const auto isLineBreak = [](char c) { return c == '\r' || c == '\n'; };
        p.fillerFromLead = isLineBreak(word[0]) && !isLineBreak(lead[0]);

        std::size_t next = NextNode(prog, wordNode);
        while (next != kNoNode && IsGroupMark(prog[next])) next = NextNode(prog, next);
        if (next == kNoNode) return;
        char nextFiller = 0;
        std::string nextWord;
        // The run before the second word is always the longest one there when
        // the word cannot begin with filler.
        if (FillerAndWord(prog, next, nextFiller, nextWord) == kNoNode || nextWord.empty() || nextWord[0] == nextFiller)
            return;
        p.nextFiller = nextFiller;
        p.nextFillerMinimum = prog[next] == kNodeRepeat1 ? 1 : 0;
        p.nextWord = nextWord;
    }

    std::string_view src_;
    PatternErrors* errors_;
    std::size_t at_ = 0;
    int groups_ = 1;
    bool counting_ = true;
    std::size_t size_ = 0;
    std::vector<std::uint8_t>* code_ = nullptr;
};

// ---------------------------------------------------------------------------
// Matcher: the backtracking walk with an explicit stack of choice points, so
// that deep backtracking never grows the call stack.

class Matcher {
public:
    Matcher(const CompiledPattern& pattern, PatternErrors* errors)
        : prog_(pattern.program.data()),
          size_(pattern.program.size()),
          pattern_(pattern),
          errors_(errors),
          aux_(pattern.program.size(), -1) {}

    // Searches [begin, end) as a text of its own; offsets in `match` are
    // relative to `begin`.
    bool Search(const char* begin, const char* end, PatternMatch& match) {
        match.Clear();
        match.text = std::string_view(begin, static_cast<std::size_t>(end - begin));
        bol_ = begin;
        eol_ = end;
        if (!RequiredLiteralPresent(begin, end)) return false;

        const char* found = nullptr;
        if (pattern_.anchored) {
            if (Try(begin)) found = begin;
        } else if (!pattern_.fillerWord.empty()) {
            found = pattern_.fillerFromLead ? SearchOnFromLead(begin, end) : SearchBackFromWord(begin, end);
        } else if (!pattern_.searchLiteral.empty()) {
            const std::string& lit = pattern_.searchLiteral;
            const std::size_t d = pattern_.searchOffset;
            const std::string_view all(begin, static_cast<std::size_t>(end - begin));
            std::size_t from = 0;  // smallest candidate start not yet tried
            while (!failed_) {
                std::size_t q = all.find(lit, from + d);
                if (q == std::string_view::npos) break;
                std::size_t p = q - d;
                if (Try(begin + p)) {
                    found = begin + p;
                    break;
                }
                from = p + 1;
            }
        } else if (pattern_.firstChar != 0) {
            const char* s = begin;
            while (!failed_ && s < end) {
                s = static_cast<const char*>(std::memchr(s, pattern_.firstChar, static_cast<std::size_t>(end - s)));
                if (s == nullptr) break;
                if (Try(s)) {
                    found = s;
                    break;
                }
                ++s;
            }
        } else {
            for (const char* s = begin; !failed_ && s <= end; ++s) {
                if (Try(s)) {
                    found = s;
                    break;
                }
            }
        }
        if (found == nullptr) {
            match.Clear();
            return false;
        }
        for (int n = 0; n < kPatternGroups; ++n) {
            match.start[n] = starts_[n] ? starts_[n] - begin : -1;
            match.end[n] = ends_[n] ? ends_[n] - begin : -1;
        }
        match.start[0] = found - begin;
        match.end[0] = matchEnd_ - begin;
        return true;
    }

private:
    enum FrameKind : std::uint8_t { kUndoStart, kUndoEnd, kChoice, kRepeat };
    struct Frame {  // 24 bytes
        FrameKind kind;
        std::uint8_t nextch;   // kRepeat: first byte of a following literal, or 0
        std::uint8_t minimum;  // kRepeat: 0 or 1
        std::uint8_t group;    // kUndoStart / kUndoEnd
        std::uint32_t node;    // kChoice: the alternative to try; kRepeat: the node after
        const char* pos;       // saved position (or the old capture value)
        std::ptrdiff_t count;  // kRepeat: the next repetition count to try
    };

    // Step 1 of the search: the text must hold the required literal. The
    // position of the next occurrence is cached, so that repeated searches of
    // later parts of one text (ReplaceAllMatches) look at every byte once.
    // Each place of the filler hint's word, in text order, gives at most one
    // start to try: back over the filler run, then the lead before it.
    const char* SearchBackFromWord(const char* begin, const char* end) {
        const CompiledPattern& p = pattern_;
        const std::string_view all(begin, static_cast<std::size_t>(end - begin));
        const std::size_t before = p.fillerLeadOffset + p.fillerLead.size();  // from a start to the run
        for (std::size_t q = all.find(p.fillerWord, before + p.fillerMinimum); q != std::string_view::npos && !failed_;
             q = all.find(p.fillerWord, q + 1)) {
            std::size_t r = q;
            while (r > 0 && all[r - 1] == p.filler) --r;
            if (q - r < p.fillerMinimum || r < before) continue;
            if (all.compare(r - p.fillerLead.size(), p.fillerLead.size(), p.fillerLead) != 0) continue;
            if (!NextWordFollows(all, q + p.fillerWord.size())) continue;
            const char* start = begin + (r - before);
            if (Try(start)) return start;
        }
        return nullptr;
    }

    // The same from each place of the lead: on over the filler run, then the
    // word after it. Both give the same starts in the same order, as the run
    // between lead and word is always the longest one there.
    const char* SearchOnFromLead(const char* begin, const char* end) {
        const CompiledPattern& p = pattern_;
        const std::string_view all(begin, static_cast<std::size_t>(end - begin));
        for (std::size_t q = all.find(p.fillerLead, p.fillerLeadOffset); q != std::string_view::npos && !failed_;
             q = all.find(p.fillerLead, q + 1)) {
            const std::size_t run = q + p.fillerLead.size();
            std::size_t r = run;
            while (r < all.size() && all[r] == p.filler) ++r;
            if (r - run < p.fillerMinimum || all.compare(r, p.fillerWord.size(), p.fillerWord) != 0) continue;
            if (!NextWordFollows(all, r + p.fillerWord.size())) continue;
            const char* start = begin + (q - p.fillerLeadOffset);
            if (Try(start)) return start;
        }
        return nullptr;
    }

    // Whether the text from `at`, right after the filler hint's word, goes on
    // with the second run and word of the hint (when it has them).
    bool NextWordFollows(std::string_view all, std::size_t at) const {
        const CompiledPattern& p = pattern_;
        if (p.nextWord.empty()) return true;
        std::size_t r = at;
        while (r < all.size() && all[r] == p.nextFiller) ++r;
        return r - at >= p.nextFillerMinimum && all.compare(r, p.nextWord.size(), p.nextWord) == 0;
    }

    bool RequiredLiteralPresent(const char* begin, const char* end) {
        if (pattern_.required.empty()) return true;
        if (mustNone_) return false;
        if (mustAt_ != nullptr && mustAt_ >= begin) return true;
        std::string_view all(begin, static_cast<std::size_t>(end - begin));
        std::size_t at = all.find(pattern_.required);
        if (at == std::string_view::npos) {
            mustNone_ = true;  // none in any later part of the same text either
            return false;
        }
        mustAt_ = begin + at;
        return true;
    }

    void Error(std::string_view message) {
        PatternError(message, errors_);
        failed_ = true;
    }

    bool Try(const char* at) {
        for (int n = 0; n < kPatternGroups; ++n) starts_[n] = ends_[n] = nullptr;
        return Run(at);
    }

    std::size_t Next(std::size_t p) const {
        std::size_t offset = (static_cast<std::size_t>(prog_[p + 1]) << 8) | prog_[p + 2];
        if (offset == 0) return kNoNode;
        if (prog_[p] == kNodeBackLink) return offset > p ? kNoNode : p - offset;
        return p + offset;
    }

    // Operand of a literal or set node: its length (literal) or its table.
    int Aux(std::size_t node) {
        int a = aux_[node];
        if (a >= 0) return a;
        std::size_t o = node + 3;
        std::size_t e = o;
        while (e < size_ && prog_[e] != 0) ++e;
        if (prog_[node] == kNodeLiteral) {
            a = static_cast<int>(e - o);
        } else {
            std::array<bool, 256> table{};
            for (std::size_t i = o; i < e; ++i) table[prog_[i]] = true;
            sets_.push_back(table);
            a = static_cast<int>(sets_.size() - 1);
        }
        aux_[node] = a;
        return a;
    }

    bool InSet(std::size_t node, char c) { return sets_[Aux(node)][static_cast<unsigned char>(c)]; }

    // How many times in a row the single-character node `o` matches from `at`.
    std::ptrdiff_t CountRun(std::size_t o, const char* at) {
        if (o + 3 > size_) {
            Error("internal foulup");
            return -1;
        }
        const char* s = at;
        switch (prog_[o]) {
            case kNodeAny: return eol_ - at;
            case kNodeLiteral: {
                const char c = static_cast<char>(prog_[o + 3]);
                while (s < eol_ && *s == c) ++s;
                return s - at;
            }
            case kNodeOneOf: {
                const std::array<bool, 256>& t = sets_[Aux(o)];
                while (s < eol_ && t[static_cast<unsigned char>(*s)]) ++s;
                return s - at;
            }
            case kNodeNoneOf: {
                const std::array<bool, 256>& t = sets_[Aux(o)];
                while (s < eol_ && !t[static_cast<unsigned char>(*s)]) ++s;
                return s - at;
            }
            default: Error("internal foulup"); return -1;
        }
    }

    // Largest k in [minimum, k] at which the rest may be tried (the character
    // after k repetitions equals nextch when a literal follows); -1 if none.
    std::ptrdiff_t NextCount(const char* save, std::ptrdiff_t k, int minimum, std::uint8_t nextch) const {
        if (nextch != 0) {
            while (k >= minimum && !(save + k < eol_ && static_cast<std::uint8_t>(save[k]) == nextch)) --k;
        }
        return k >= minimum ? k : -1;
    }

    bool IsAlternativeAt(std::size_t n) const { return n != kNoNode && n < size_ && prog_[n] == kNodeAlternative; }

    // A group's start or end node: notes where the group starts or ends, to
    // be undone on backtracking. False for a node of no known kind.
    bool MarkGroup(std::uint8_t op, const char* input) {
        if (op > kNodeGroupStart && op < kNodeGroupStart + kPatternGroups) {
            const int g = op - kNodeGroupStart;
            stack_.push_back(Frame{kUndoStart, 0, 0, static_cast<std::uint8_t>(g), 0, starts_[g], 0});
            starts_[g] = input;
        } else if (op > kNodeGroupEnd && op < kNodeGroupEnd + kPatternGroups) {
            const int g = op - kNodeGroupEnd;
            stack_.push_back(Frame{kUndoEnd, 0, 0, static_cast<std::uint8_t>(g), 0, ends_[g], 0});
            ends_[g] = input;
        } else {
            Error("memory corruption");
            return false;
        }
        return true;
    }

    // The nodes that match characters: true, with `input` past them, when
    // the characters at `input` match the node at `scan`.
    bool StepOverChars(std::uint8_t op, std::size_t scan, const char*& input) {
        if (op == kNodeLiteral) {
            const std::size_t len = static_cast<std::size_t>(Aux(scan));
            if (static_cast<std::size_t>(eol_ - input) < len || len == 0 ||
                std::memcmp(input, &prog_[scan + 3], len) != 0)
                return false;
            input += len;
            return true;
        }
        if (input >= eol_) return false;
        if (op == kNodeOneOf && !InSet(scan, *input)) return false;
        if (op == kNodeNoneOf && InSet(scan, *input)) return false;
        ++input;
        return true;
    }

    bool Run(const char* input) {
        stack_.clear();
        std::size_t scan = 1;
        for (;;) {
            // Forward: walk the nodes until the end node or a failure.
            for (;;) {
                if (scan == kNoNode || scan + 3 > size_) {
                    Error("corrupted pointers");
                    return false;
                }
                const std::uint8_t op = prog_[scan];
                std::size_t next = Next(scan);
                bool ok = true;
                switch (op) {
                    case kNodeEnd: matchEnd_ = input; return true;
                    case kNodeStartAnchor: ok = input == bol_; break;
                    case kNodeEndAnchor: ok = input == eol_; break;
                    case kNodeAny:
                    case kNodeLiteral:
                    case kNodeOneOf:
                    case kNodeNoneOf: ok = StepOverChars(op, scan, input); break;
                    case kNodeEmpty:
                    case kNodeBackLink: break;
                    case kNodeAlternative:
                        if (IsAlternativeAt(next))
                            stack_.push_back(Frame{kChoice, 0, 0, 0, static_cast<std::uint32_t>(next), input, 0});
                        next = scan + 3;
                        break;
                    case kNodeRepeat0:
                    case kNodeRepeat1: {
                        const std::uint8_t nextch =
                            (next != kNoNode && next + 3 < size_ && prog_[next] == kNodeLiteral) ? prog_[next + 3] : 0;
                        const int minimum = op == kNodeRepeat0 ? 0 : 1;
                        const std::ptrdiff_t n = CountRun(scan + 3, input);
                        if (n < 0) return false;
                        const std::ptrdiff_t k = NextCount(input, n, minimum, nextch);
                        if (k < 0) {
                            ok = false;
                            break;
                        }
                        stack_.push_back(Frame{kRepeat, nextch, static_cast<std::uint8_t>(minimum), 0,
                                               static_cast<std::uint32_t>(next), input, k - 1});
                        input += k;
                        break;
                    }
                    default:
                        if (!MarkGroup(op, input)) return false;
                        break;
                }
                if (!ok) break;
                scan = next;
            }
            if (!Backtrack(input, scan)) return false;
        }
    }

    // Goes back to the latest choice point, undoing captures on the way, and
    // sets where the forward walk takes up again. False when no choice is
    // left (or the program is damaged).
    bool Backtrack(const char*& input, std::size_t& scan) {
        for (;;) {
            if (stack_.empty()) return false;
            const Frame f = stack_.back();
            stack_.pop_back();
            if (f.kind == kUndoStart) {
                starts_[f.group] = f.pos;
                continue;
            }
            if (f.kind == kUndoEnd) {
                ends_[f.group] = f.pos;
                continue;
            }
            if (f.kind == kChoice) {
                if (f.node + 3 > size_) {
                    Error("corrupted pointers");
                    return false;
                }
                const std::size_t after = Next(f.node);
                if (IsAlternativeAt(after))
                    stack_.push_back(Frame{kChoice, 0, 0, 0, static_cast<std::uint32_t>(after), f.pos, 0});
                input = f.pos;
                scan = f.node + 3;
                return true;
            }
            // kRepeat: fewer repetitions.
            const std::ptrdiff_t k = NextCount(f.pos, f.count, f.minimum, f.nextch);
            if (k < 0) continue;
            stack_.push_back(Frame{kRepeat, f.nextch, f.minimum, 0, f.node, f.pos, k - 1});
            input = f.pos + k;
            scan = f.node;
            return true;
        }
    }

    const std::uint8_t* prog_;
    std::size_t size_;
    const CompiledPattern& pattern_;
    PatternErrors* errors_;
    std::vector<int> aux_;
    std::vector<std::array<bool, 256>> sets_;
    std::vector<Frame> stack_;
    const char* bol_ = nullptr;
    const char* eol_ = nullptr;
    const char* matchEnd_ = nullptr;
    std::array<const char*, kPatternGroups> starts_{};
    std::array<const char*, kPatternGroups> ends_{};
    const char* mustAt_ = nullptr;
    bool mustNone_ = false;
    bool failed_ = false;  // a "cannot arise" error stopped the search
};

bool ValidProgram(const CompiledPattern& pattern) {
    return !pattern.program.empty() && pattern.program[0] == kPatternMagic;
}

// Whether a match or an expansion can run: the pattern and the other
// arguments (`othersGiven`) are there and the program is intact. Reports the
// first problem found.
bool Usable(const CompiledPattern* pattern, bool othersGiven, std::string_view missing, std::string_view damaged,
            PatternErrors* errors) {
    if (pattern == nullptr || !othersGiven) {
        PatternError(missing, errors);
        return false;
    }
    if (!ValidProgram(*pattern)) {
        PatternError(damaged, errors);
        return false;
    }
    return true;
}

}  // namespace

void PatternError(std::string_view message, PatternErrors* errors) {
    if (errors == nullptr) return;  // in this program the hook does nothing
    errors->last.assign(message);
    ++errors->count;
}

std::string_view PatternMatch::Group(int n) const {
    if (n < 0 || n >= kPatternGroups || !Has(n) || end[n] < start[n] || static_cast<std::size_t>(end[n]) > text.size())
        return {};
    return text.substr(static_cast<std::size_t>(start[n]), static_cast<std::size_t>(end[n] - start[n]));
}

std::unique_ptr<CompiledPattern> CompilePattern(std::string_view pattern, PatternErrors* errors) {
    if (pattern.data() == nullptr) {
        PatternError("NULL argument", errors);
        return nullptr;
    }
    Compiler compiler(UpToNul(pattern), errors);
    return compiler.Compile();
}

bool MatchPattern(const CompiledPattern* pattern, std::string_view text, PatternMatch& match, PatternErrors* errors) {
    match.Clear();
    if (!Usable(pattern, text.data() != nullptr, "NULL parameter", "corrupted program", errors)) return false;
    text = UpToNul(text);
    Matcher matcher(*pattern, errors);
    return matcher.Search(text.data(), text.data() + text.size(), match);
}

bool ExpandTemplate(const CompiledPattern* pattern, const PatternMatch& match, std::string_view tmpl, std::string* out,
                    PatternErrors* errors) {
    if (!Usable(pattern, tmpl.data() != nullptr && out != nullptr, "NULL parm to regsub",
                "damaged regexp fed to regsub", errors))
        return false;
    tmpl = UpToNul(tmpl);
    const std::size_t n = tmpl.size();
    for (std::size_t i = 0; i < n;) {
        char c = tmpl[i++];
        int no = -1;
        if (c == '&') {
            no = 0;
        } else if (c == '\\' && i < n && tmpl[i] >= '0' && tmpl[i] <= '9') {
            no = tmpl[i++] - '0';
        }
        if (no < 0) {
            if (c == '\\' && i < n && (tmpl[i] == '\\' || tmpl[i] == '&')) c = tmpl[i++];
            out->push_back(c);
            continue;
        }
        if (match.start[no] < 0 || match.end[no] < 0) continue;  // took no part
        const std::ptrdiff_t s = match.start[no];
        const std::ptrdiff_t e = match.end[no];
        if (e < s || static_cast<std::size_t>(e) > match.text.size()) {
            PatternError("damaged match string", errors);
            return false;
        }
        std::string_view piece = match.text.substr(static_cast<std::size_t>(s), static_cast<std::size_t>(e - s));
        const void* nul = piece.empty() ? nullptr : std::memchr(piece.data(), '\0', piece.size());
        if (nul != nullptr) {  // the group's text ends early
            out->append(piece.data(), static_cast<const char*>(nul) - piece.data());
            PatternError("damaged match string", errors);
            return false;
        }
        out->append(piece);
    }
    return true;
}

std::size_t ReplaceAllMatchesInto(const CompiledPattern* pattern, std::string_view text, std::string_view tmpl,
                                  std::size_t maxCount, std::string& out, PatternErrors* errors) {
    out.clear();
    if (text.data() == nullptr) return 0;
    text = UpToNul(text);
    if (pattern == nullptr) return 0;  // a pattern that failed to compile
    if (!ValidProgram(*pattern)) {
        PatternError("corrupted program", errors);
        return 0;
    }

    Matcher matcher(*pattern, errors);
    PatternMatch match;
    const char* const end = text.data() + text.size();
    std::size_t pos = 0;  // everything before pos is already in `out`
    std::size_t count = 0;
    for (;;) {
        const char* begin = text.data() + pos;
        if (!matcher.Search(begin, end, match)) break;
        if (count == 0) {
            const std::size_t want = text.size() + text.size() / 8 + 256;
            if (out.capacity() < want) {
                // A buffer given up first and made anew at the size wanted: growing
                // it in place would double it (and hold both meanwhile).
                std::string().swap(out);
                out.reserve(want);
            }
        }
        const std::size_t s = static_cast<std::size_t>(match.start[0]);
        const std::size_t e = static_cast<std::size_t>(match.end[0]);
        out.append(begin, s);
        ExpandTemplate(pattern, match, tmpl, &out, errors);
        pos += e;
        ++count;
        if (e == s) {  // empty match: step over one character (or stop at the end)
            if (pos >= text.size()) break;
            out.push_back(text[pos++]);
        }
        if (maxCount != 0 && count >= maxCount) break;
    }
    if (count != 0) out.append(text.substr(pos));
    return count;
}

std::string ReplaceAllMatches(const CompiledPattern* pattern, std::string_view text, std::string_view tmpl,
                              std::size_t maxCount, PatternErrors* errors, std::size_t* replaced) {
    std::string out;
    const std::size_t count = ReplaceAllMatchesInto(pattern, text, tmpl, maxCount, out, errors);
    if (replaced != nullptr) *replaced = count;
    if (count == 0) return text.data() == nullptr ? std::string() : std::string(UpToNul(text));
    return out;
}

}  // namespace xlat
