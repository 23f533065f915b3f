// Tests of the pattern matcher.
#include "prepass/pattern.hpp"
#include "runtime/strings.hpp"

#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <string>
#include <vector>

namespace xlat {
namespace {

std::unique_ptr<CompiledPattern> Compile(std::string_view pattern) {
    PatternErrors errors;
    auto compiled = CompilePattern(pattern, &errors);
    EXPECT_NE(compiled, nullptr) << pattern << ": " << errors.last;
    EXPECT_EQ(errors.count, 0u);
    return compiled;
}

std::string CompileError(std::string_view pattern) {
    PatternErrors errors;
    auto compiled = CompilePattern(pattern, &errors);
    EXPECT_EQ(compiled, nullptr) << pattern;
    EXPECT_EQ(errors.count, 1u) << pattern;
    return errors.last;
}

// The whole match, or "<none>".
std::string Find(std::string_view pattern, std::string_view text) {
    auto compiled = Compile(pattern);
    if (!compiled) return "<bad>";
    PatternMatch m;
    if (!MatchPattern(compiled.get(), text, m)) return "<none>";
    return std::string(m.Group(0));
}

std::string Group(std::string_view pattern, std::string_view text, int n) {
    auto compiled = Compile(pattern);
    PatternMatch m;
    if (!compiled || !MatchPattern(compiled.get(), text, m)) return "<none>";
    if (!m.Has(n)) return "<unset>";
    return std::string(m.Group(n));
}

std::string Subst(std::string_view pattern, std::string_view text, std::string_view tmpl, std::size_t maxCount = 0) {
    auto compiled = Compile(pattern);
    return ReplaceAllMatches(compiled.get(), text, tmpl, maxCount);
}

// ---------------------------------------------------------------- compiling

TEST(PatternCompile, ExactProgramSize) {
    // The first pass counts exactly what the second emits: the vector is
    // reserved once at that size and never grows.
    for (std::string_view pattern : {"a", "abc*d", "(a|b)*c", "(ab)+x", "x?(y)?", "[^;]+[;]", "^a$", "()"}) {
        auto p = Compile(pattern);
        EXPECT_EQ(p->program.size(), p->program.capacity()) << pattern;
    }
}

// A match that begins with a literal, a run of one filler character and a
// word is searched from the word back; the matches must be those of trying
// every start in turn.
TEST(PatternMatch, StartFoundBackFromAWordAfterAFillerRun) {
    // A word that begins with a line break is found from the lead instead; a
    // second word is checked ahead only when it cannot begin with its filler.
    EXPECT_TRUE(Compile("(}[ ]*\r\n[ ]*while)")->fillerFromLead);
    EXPECT_EQ(Compile("(}[ ]*\r\n[ ]*while)")->nextWord, "while");
    EXPECT_EQ(Compile("(ab[ ]*cd)([ ]* e)")->nextWord, "");

    struct Case {
        std::string pattern, text, match;
    };
    const Case cases[] = {
        {"(\r\n[ ]*struct)", "a struct\r\n x struct\r\n   structs", "\r\n   struct"},
        {"(\r\n[ ]*struct)", "\r\nstruct", "\r\nstruct"},
        {"(\r\n[ ]*struct)", "\n  struct \r struct", ""},
        {"(typedef[ ]+struct)", "typedefstruct typedef  struct", "typedef  struct"},
        {"(typedef[ ]+struct)", "typedef\tstruct", ""},
        {"x(ab[-]*cd)", "xabcd", "xabcd"},
        {"x(ab[-]*cd)", "ab--cd xab-cd", "xab-cd"},
        {"(}[ ]*\r\n[ ]*while)", "} x\r\nwhile }}\r\n  while", "}\r\n  while"},
        {"(}[ ]*\r\n[ ]*while)", "}  \r\n whilst\r\n}", ""},
        {"(}[ ]+\r\nw)", "}\r\nw } \r\nw", "} \r\nw"},
        {"(ab[ ]*cd)[ ]+(ef)", "abcdef ab  cd  eg abcd ef", "abcd ef"},
        {"(ab[ ]*cd)([ ]* e)", "abcde abcd  e", "abcd  e"},
    };
    for (const Case& c : cases) {
        auto pattern = Compile(c.pattern);
        xlat::PatternMatch match;
        const bool found = xlat::MatchPattern(pattern.get(), c.text, match);
        EXPECT_EQ(found, !c.match.empty()) << c.pattern << " in " << c.text;
        if (found) {
            EXPECT_EQ(match.Group(0), c.match) << c.pattern << " in " << c.text;
        }
    }
}

TEST(PatternCompile, ProgramsOver32767BytesAreTooBig) {
    EXPECT_NE(CompilePattern(std::string(32000, 'a')), nullptr);
    EXPECT_EQ(CompileError(std::string(32767, 'a')), "regexp too big");
}

TEST(PatternCompile, ErrorMessages) {
    EXPECT_EQ(CompileError(std::string_view()), "NULL argument");
    EXPECT_EQ(CompileError("(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)"), "too many ()");
    EXPECT_NE(CompilePattern("(a)(b)(c)(d)(e)(f)(g)(h)(i)"), nullptr);
    EXPECT_EQ(CompileError("(ab"), "unmatched ()");
    EXPECT_EQ(CompileError("ab)"), "unmatched ()");
    EXPECT_EQ(CompileError("(a*)*"), "*+ operand could be empty");
    EXPECT_EQ(CompileError("(^)+"), "*+ operand could be empty");
    EXPECT_NE(CompilePattern("(a*)?"), nullptr);
    EXPECT_EQ(CompileError("a?+"), "nested *?+");
    EXPECT_EQ(CompileError("a|+"), "?+* follows nothing");
    EXPECT_EQ(CompileError("ab\\"), "trailing \\");
    EXPECT_EQ(CompileError("[a-"), "unmatched []");
    EXPECT_EQ(CompileError("[z-a]"), "invalid [] range");
    // "out of space" (allocation failure), "junk on end", "internal urp" and
    // "internal disaster" cannot arise from any pattern text.
}

TEST(PatternCompile, PatternEndsAtNul) { EXPECT_EQ(Find(std::string_view("ab\0(", 4), "xab"), "ab"); }

TEST(PatternCompile, HookWithoutSinkDoesNothing) {
    EXPECT_EQ(CompilePattern("a**"), nullptr);  // no output, no exit
    PatternError("anything", nullptr);
}

// ---------------------------------------------------------------- syntax

TEST(PatternSyntax, LiteralsAndMeta) {
    EXPECT_EQ(Find("abc", "xxabcx"), "abc");
    EXPECT_EQ(Find("a.c", "a\nc"), "a\nc");
    EXPECT_EQ(Find("{x}-]", "a{x}-]b"), "{x}-]");
    EXPECT_EQ(Find("\\*\\n", "a*n"), "*n");
    EXPECT_EQ(Find("ABC", "abc"), "<none>");  // case-sensitive
    EXPECT_EQ(Find("", "abc"), "");
}

TEST(PatternSyntax, Anchors) {
    EXPECT_EQ(Find("^ab", "ab"), "ab");
    EXPECT_EQ(Find("^ab", "xab"), "<none>");
    EXPECT_EQ(Find("b$", "abb"), "b");
    EXPECT_EQ(Find("b$", "ab\r\nc"), "<none>");  // no notion of lines
    EXPECT_EQ(Find("a\r\n^b", "a\r\nb"), "<none>");
    EXPECT_EQ(Find("x|^a", "ba"), "<none>");  // "^" anywhere in the pattern
    EXPECT_EQ(Find("$", "abc"), "");
}

TEST(PatternSyntax, Sets) {
    EXPECT_EQ(Find("[]a]+", "x]a]y"), "]a]");
    EXPECT_EQ(Find("[a-]+", "xa-ay"), "a-a");
    EXPECT_EQ(Find("[-a]+", "x-a"), "-a");
    EXPECT_EQ(Find("[^\\\\]", "\\\\x"), "x");
    EXPECT_EQ(Find("[^\\\\]", "\\\\"), "<none>");
    EXPECT_EQ(Find("[\\\\n]+", "ab\\nnc"), "\\nn");  // backslash is a member
    EXPECT_EQ(Find("[a-c]+", "xxabcd"), "abc");
    EXPECT_EQ(Find("[a-a]", "a"), "a");
    EXPECT_EQ(Find("[^;]+;", "a\r\nb;"), "a\r\nb;");
    EXPECT_EQ(Find("[^a]", "a"), "<none>");  // not the end of the text
    EXPECT_EQ(Find("[\x80-\xff]+", "ab\x90\xfe"), "\x90\xfe");
}

// Plain repeats, alternatives and backtracking are compared with ECMAScript
// below; these are the forms the random patterns never build.
TEST(PatternSyntax, EmptyBranchesAndBacktrackingOverSets) {
    EXPECT_EQ(Find("a|", "b"), "");  // an empty branch matches the empty text
    EXPECT_EQ(Find("(|a)b", "ab"), "ab");
    EXPECT_EQ(Find("[^;]*;x", "a;b;x"), "b;x");
    EXPECT_EQ(Group("(a+)(a+)b", "aaab", 1), "aa");
    EXPECT_EQ(Group("(a+)(a+)b", "aaab", 2), "a");
}

TEST(PatternMatchTest, CapturesOnTheSuccessfulPath) {
    EXPECT_EQ(Group("(a|b)*", "ab", 1), "b");
    EXPECT_EQ(Group("(a)|(b)", "b", 1), "<unset>");
    EXPECT_EQ(Group("(a)|(b)", "b", 2), "b");
    EXPECT_EQ(Group("((a)|b)+", "ab", 2), "a");         // last instance on the path
    EXPECT_EQ(Group("(a)x|(a)y", "ay", 1), "<unset>");  // failed branch leaves nothing
    EXPECT_EQ(Group("(a)x|(a)y", "ay", 2), "a");
    EXPECT_EQ(Group("x(a*)y", "xy", 1), "");
    PatternMatch m;
    auto p = Compile("b(c)");
    ASSERT_TRUE(MatchPattern(p.get(), "abcd", m));
    EXPECT_EQ(m.start[0], 1);
    EXPECT_EQ(m.end[0], 3);
    EXPECT_EQ(m.start[1], 2);
    EXPECT_EQ(m.end[1], 3);
    EXPECT_EQ(m.start[5], -1);
}

TEST(PatternMatchTest, TextEndsAtNul) {
    EXPECT_EQ(Find("b", std::string_view("a\0b", 3)), "<none>");
    EXPECT_EQ(Find("a$", std::string_view("a\0b", 3)), "a");
}

TEST(PatternMatchTest, DeepBacktrackingDoesNotUseTheCallStack) {
    // One loop iteration per "ab": a recursive walk would need 200,000 frames.
    std::string text;
    for (int i = 0; i < 200000; ++i) text += "ab";
    text += "c";
    EXPECT_EQ(Find("(ab)*c", text).size(), text.size());
    EXPECT_EQ(Group("(a|b)+c", text, 1), "b");
    // Counted repeats over a large run.
    std::string big(4 * 1024 * 1024, 'x');
    big += ";";
    EXPECT_EQ(Find("[^;]+[;]", big).size(), big.size());
    EXPECT_EQ(Find("^x*y", big), "<none>");
}

TEST(PatternMatchTest, MatchErrors) {
    PatternErrors errors;
    PatternMatch m;
    EXPECT_FALSE(MatchPattern(nullptr, "a", m, &errors));
    EXPECT_EQ(errors.last, "NULL parameter");
    auto p = Compile("a");
    EXPECT_FALSE(MatchPattern(p.get(), std::string_view(), m, &errors));
    EXPECT_EQ(errors.last, "NULL parameter");

    CompiledPattern damaged = *p;
    damaged.program[0] = 0;
    EXPECT_FALSE(MatchPattern(&damaged, "a", m, &errors));
    EXPECT_EQ(errors.last, "corrupted program");

    damaged = *p;
    damaged.program[4] = 99;  // the literal node's kind
    damaged.firstChar = 0;
    damaged.searchLiteral.clear();
    EXPECT_FALSE(MatchPattern(&damaged, "a", m, &errors));
    EXPECT_EQ(errors.last, "memory corruption");

    damaged = *p;
    damaged.program[5] = damaged.program[6] = 0;  // the literal's link
    EXPECT_FALSE(MatchPattern(&damaged, "a", m, &errors));
    EXPECT_EQ(errors.last, "corrupted pointers");

    auto star = Compile("a*");
    damaged = *star;
    ASSERT_EQ(damaged.program[4], kNodeRepeat0);
    damaged.program[7] = kNodeEmpty;  // the repeat's operand
    EXPECT_FALSE(MatchPattern(&damaged, "a", m, &errors));
    EXPECT_EQ(errors.last, "internal foulup");
}

// ---------------------------------------------------------------- templates

TEST(PatternTemplate, References) {
    auto p = Compile("(a)(b)");
    PatternMatch m;
    ASSERT_TRUE(MatchPattern(p.get(), "xaby", m));
    std::string out;
    EXPECT_TRUE(ExpandTemplate(p.get(), m, "\\2\\1&\\\\", &out));
    EXPECT_EQ(out, "baab\\");
    out.clear();
    EXPECT_TRUE(ExpandTemplate(p.get(), m, "[\\0][\\&][\\x][\\3][\\", &out));
    EXPECT_EQ(out, "[ab][&][\\x][][\\");
    out.clear();
    EXPECT_TRUE(ExpandTemplate(p.get(), m, std::string_view("\\1\0\\2", 5), &out));
    EXPECT_EQ(out, "a");  // the template ends at its NUL
}

TEST(PatternTemplate, Errors) {
    auto p = Compile("(a)");
    PatternMatch m;
    ASSERT_TRUE(MatchPattern(p.get(), "a", m));
    PatternErrors errors;
    std::string out;
    EXPECT_FALSE(ExpandTemplate(nullptr, m, "x", &out, &errors));
    EXPECT_EQ(errors.last, "NULL parm to regsub");
    EXPECT_FALSE(ExpandTemplate(p.get(), m, std::string_view(), &out, &errors));
    EXPECT_EQ(errors.last, "NULL parm to regsub");
    EXPECT_FALSE(ExpandTemplate(p.get(), m, "x", nullptr, &errors));
    EXPECT_EQ(errors.last, "NULL parm to regsub");
    CompiledPattern damaged = *p;
    damaged.program[0] = 1;
    EXPECT_FALSE(ExpandTemplate(&damaged, m, "x", &out, &errors));
    EXPECT_EQ(errors.last, "damaged regexp fed to regsub");
    PatternMatch shortText = m;
    shortText.text = std::string_view("a\0", 2);
    shortText.end[1] = 2;
    EXPECT_FALSE(ExpandTemplate(p.get(), shortText, "\\1", &out, &errors));
    EXPECT_EQ(errors.last, "damaged match string");
    shortText.end[1] = 7;  // beyond the text
    EXPECT_FALSE(ExpandTemplate(p.get(), shortText, "\\1", &out, &errors));
    EXPECT_EQ(errors.last, "damaged match string");
}

// ---------------------------------------------------------------- replace all

// Counts, "^" on each rest and empty matches are compared with the
// straightforward algorithm below.
TEST(PatternReplaceAll, TemplatesAndTheCountOfAnEndMatch) {
    EXPECT_EQ(Subst("a", "aaa", "aa"), "aaaaaa");
    EXPECT_EQ(Subst("(a)(b)", "abxab", "\\2\\1"), "baxba");
    EXPECT_EQ(Subst("x*", "", "-"), "-");
    std::size_t count = 0;
    auto p = Compile("$");
    EXPECT_EQ(ReplaceAllMatches(p.get(), "ab", "!", 0, nullptr, &count), "ab!");
    EXPECT_EQ(count, 1u);
}

TEST(PatternReplaceAll, FailedPatternLeavesTextUnchanged) {
    PatternErrors errors;
    auto p = CompilePattern("a**", &errors);
    ASSERT_EQ(p, nullptr);
    std::size_t count = 7;
    EXPECT_EQ(ReplaceAllMatches(p.get(), "aaa", "b", 0, &errors, &count), "aaa");
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(ReplaceAllMatches(p.get(), std::string_view("a\0b", 3), "b"), "a");
}

TEST(PatternReplaceAll, IntoReusesTheBufferAndSkipsCopiesWithoutMatches) {
    auto p = Compile("b+");
    std::string out = "old";
    EXPECT_EQ(ReplaceAllMatchesInto(p.get(), "abbcb", "X", 0, out), 2u);
    EXPECT_EQ(out, "aXcX");
    EXPECT_EQ(ReplaceAllMatchesInto(p.get(), "acd", "X", 0, out), 0u);
    EXPECT_EQ(out, "");  // nothing matched: the result is the text itself
    EXPECT_EQ(ReplaceAllMatchesInto(nullptr, "abc", "X", 0, out), 0u);
}

TEST(PatternReplaceAll, RequiredLiteralCachedAcrossSearches) {
    // "x*ab" has the required literal "ab"; many matches, then a long tail
    // without it: every search must still be right.
    std::string text;
    for (int i = 0; i < 1000; ++i) text += "xab-";
    text += std::string(10000, '-');
    std::string expected;
    for (int i = 0; i < 1000; ++i) expected += "Z-";
    expected += std::string(10000, '-');
    EXPECT_EQ(Subst("x*ab", text, "Z"), expected);
}

// The straightforward algorithm (the working text rebuilt at every
// replacement, one character skipped after an empty match), as a reference
// for the linear implementation.
std::string ReferenceReplaceAll(const CompiledPattern* p, std::string text, std::string_view tmpl,
                                std::size_t maxCount) {
    std::string w = text;
    std::size_t pos = 0;
    std::size_t count = 0;
    for (;;) {
        std::string part = w.substr(pos);
        PatternMatch m;
        if (!MatchPattern(p, part, m)) break;
        std::string expansion;
        ExpandTemplate(p, m, tmpl, &expansion);
        std::size_t s = m.start[0], e = m.end[0];
        w = w.substr(0, pos) + part.substr(0, s) + expansion + part.substr(e);
        pos += s + expansion.size();
        ++count;
        if (s == e) {
            if (pos >= w.size()) break;
            ++pos;
        }
        if (maxCount != 0 && count >= maxCount) break;
    }
    return w;
}

std::string RandomPattern(std::mt19937& rng, int depth);

std::string RandomAtom(std::mt19937& rng, int depth) {
    static const char* const atoms[] = {"a", "b", "c", "ab", ".", "[ab]", "[^a]", "[a-c]", "\\.", "^", "$"};
    if (depth < 2 && rng() % 5 == 0) return Join({"(", RandomPattern(rng, depth + 1), ")"});
    return atoms[rng() % (sizeof atoms / sizeof atoms[0])];
}

std::string RandomPattern(std::mt19937& rng, int depth) {
    std::string out;
    int branches = 1 + (rng() % 4 == 0);
    for (int b = 0; b < branches; ++b) {
        if (b) out += "|";
        int pieces = 1 + rng() % 3;
        for (int i = 0; i < pieces; ++i) {
            out += RandomAtom(rng, depth);
            switch (rng() % 6) {
                case 0: out += "*"; break;
                case 1: out += "+"; break;
                case 2: out += "?"; break;
                default: break;
            }
        }
    }
    return out;
}

TEST(PatternReplaceAll, SameResultsAsRebuildingTheTextAtEveryMatch) {
    std::mt19937 rng(12345);
    int compared = 0;
    for (int i = 0; i < 3000; ++i) {
        std::string pattern = RandomPattern(rng, 0);
        auto p = CompilePattern(pattern);
        if (!p) continue;
        std::string text;
        int len = rng() % 14;
        for (int j = 0; j < len; ++j) text += "abc."[rng() % 4];
        const char* tmpl = (i % 3 == 0) ? "<&>" : (i % 3 == 1) ? "\\1-" : "";
        std::size_t maxCount = rng() % 4 == 0 ? 2 : 0;
        EXPECT_EQ(ReplaceAllMatches(p.get(), text, tmpl, maxCount), ReferenceReplaceAll(p.get(), text, tmpl, maxCount))
            << "pattern " << pattern << " text " << text;
        ++compared;
    }
    EXPECT_GT(compared, 1000);
}

// Leftmost, first-alternative, greedy backtracking is the ECMAScript rule, so
// the whole match agrees with std::regex on patterns both accept.
TEST(PatternMatchTest, WholeMatchAgreesWithEcmaScriptBacktracking) {
    std::mt19937 rng(777);
    int compared = 0;
    for (int i = 0; i < 3000; ++i) {
        std::string pattern = RandomPattern(rng, 0);
        auto p = CompilePattern(pattern);
        if (!p) continue;
        std::regex re;
        try {
            re = std::regex(pattern, std::regex::ECMAScript);
        } catch (const std::regex_error&) {
            continue;  // e.g. a repeated anchor, which ECMAScript refuses
        }
        for (int t = 0; t < 4; ++t) {
            std::string text;
            int len = rng() % 12;
            for (int j = 0; j < len; ++j) text += "abc."[rng() % 4];
            PatternMatch m;
            bool ours = MatchPattern(p.get(), text, m);
            std::smatch sm;
            bool theirs = std::regex_search(text, sm, re);
            ASSERT_EQ(ours, theirs) << pattern << " on " << text;
            if (ours) {
                EXPECT_EQ(m.start[0], sm.position(0)) << pattern << " on " << text;
                EXPECT_EQ(m.end[0] - m.start[0], sm.length(0)) << pattern << " on " << text;
            }
            ++compared;
        }
    }
    EXPECT_GT(compared, 4000);
}

}  // namespace
}  // namespace xlat
