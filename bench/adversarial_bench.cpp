// Hostile shapes of input that must still translate in time close to linear
// in their size: one very long line, a line of very many tokens, a long
// if/else chain, many structure definitions with no ";" after them, one
// initialiser statement over many lines, a line of small blocks, and long
// lists on one line: declarators, parameters, character escapes, deletes;
// one-line bodies whose blocks hold strings, character literals, and a
// comment at the end of the line; and bare blocks nested deep on one line.
#include <benchmark/benchmark.h>

#include <string>

#include "driver/convert.hpp"
#include "indenter/indent.hpp"

namespace {

enum Shape {
    kLongLine,
    kManyTokens,
    kElseChain,
    kStructsWithoutSemicolon,
    kLongInitialiser,
    kOneLineBlocks,
    kDeclaratorList,
    kParameterList,
    kCharacterEscapes,
    kDeletes,
    kStringBlocks,
    kCharacterBlocks,
    kMixedMarks,
    kNestedBareBlocks,
};

// At least `bytes` characters of the given shape.
std::string AdversarialSource(Shape shape, std::size_t bytes) {
    std::string s;
    s.reserve(bytes + 128);
    switch (shape) {
        case kLongLine:  // a whole function body on one line
            s = "int f(int x) { ";
            while (s.size() < bytes) s += "x = x + 1; if (x > 3) { x = 2; } ";
            s += "return x; }\n";
            break;
        case kManyTokens:  // one statement of many operands
            s = "int f(void) {\nint a = 1;\na = ";
            while (s.size() < bytes) s += "a + ";
            s += "a;\nreturn a;\n}\n";
            break;
        case kElseChain:
            s = "int f(int x) {\nint a = 0;\n";
            for (int i = 0; s.size() < bytes; ++i)
                s += "if (x == " + std::to_string(i) + ") a = " + std::to_string(i) + ";\nelse\n";
            s += "a = 0;\nreturn a;\n}\n";
            break;
        case kStructsWithoutSemicolon:
            for (int i = 0; s.size() < bytes; ++i) s += "struct S" + std::to_string(i) + " { int a }\n";
            break;
        case kLongInitialiser:  // one statement over many lines, with comments
            s = "static const int table[] = {\n";
            for (int i = 0; s.size() < bytes; ++i)
                s += "    " + std::to_string(i) + ", " + std::to_string(2 * i) + ", /* row */ " +
                     std::to_string(3 * i) + ", // " + std::to_string(i) + "\n";
            s += "    0 };\n";
            break;
        case kOneLineBlocks:  // a whole function of small blocks on one line
            s = "int f(int x) { ";
            while (s.size() < bytes) s += "if (x) { y = 1; } else { y = 2; } while (x < 9) { x++; } ";
            s += "return x; }\n";
            break;
        case kDeclaratorList:  // one declaration of many variables
            s = "void f(void) {\nlong ";
            for (int i = 0; s.size() < bytes; ++i) s += "*p" + std::to_string(i) + "[4], v" + std::to_string(i) + ", ";
            s += "last;\n}\n";
            break;
        case kParameterList:  // a function head of many parameters
            s = "int f(";
            for (int i = 0; s.size() < bytes; ++i)
                s += "int a" + std::to_string(i) + ", char *b" + std::to_string(i) + ", ";
            s += "int z) {\nreturn z;\n}\n";
            break;
        case kCharacterEscapes:  // one statement of many character literals
            s = "int f(void) {\nint c = 0;\nc = ";
            while (s.size() < bytes) s += "'\\n' + 'a' + ";
            s += "0; // a comment that notes the literals\nreturn c;\n}\n";
            break;
        case kDeletes:  // a line of many delete statements
            s = "void f(void) {\n";
            for (int i = 0; s.size() < bytes; ++i) s += "delete p" + std::to_string(i) + "; ";
            s += "\n}\n";
            break;
        case kStringBlocks:  // a line of small blocks that print strings
            s = "void f(void) {\n";
            while (s.size() < bytes) s += "if (a) { puts(\"x y\"); } ";
            s += "\n}\n";
            break;
        case kCharacterBlocks:  // a line of small blocks of character literals
            s = "void f(void) {\n";
            while (s.size() < bytes) s += "if (a) { c='x'; } ";
            s += "\n}\n";
            break;
        case kMixedMarks:  // braces, comment marks and quotes in literals, and a comment
            s = "void f(void) {\n";
            while (s.size() < bytes)
                s += "if (a) { puts(\"}{; // it's\"); c='}'; d='\\''; } while (b) { e='{'; puts(\"a\\\"b\\\"\"); } ";
            s += "// end\n}\n";
            break;
        case kNestedBareBlocks: {  // { { { ... } } } on one line
            const std::size_t depth = bytes / 4;
            s = "void f(void) {\n";
            for (std::size_t i = 0; i < depth; ++i) s += "{ ";
            for (std::size_t i = 0; i < depth; ++i) s += "} ";
            s += "\n}\n";
            break;
        }
    }
    return s;
}

void BM_Adversarial(benchmark::State& state) {
    const auto shape = static_cast<Shape>(state.range(0));
    const std::string source = AdversarialSource(shape, static_cast<std::size_t>(state.range(1)) << 10);
    for (auto _ : state) {
        xlat::Conversion result = xlat::TranslateSource(source);
        std::string indented = xlat::IndentOutput(result.text);
        benchmark::DoNotOptimize(indented.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(source.size()));
}

// Every shape at 256 KB and 1 MB: the time per byte should hardly change.
BENCHMARK(BM_Adversarial)
    ->ArgsProduct({{kLongLine, kManyTokens, kElseChain, kStructsWithoutSemicolon, kLongInitialiser, kOneLineBlocks,
                    kDeclaratorList, kParameterList, kCharacterEscapes, kDeletes, kStringBlocks, kCharacterBlocks,
                    kMixedMarks, kNestedBareBlocks},
                   {256, 1024}})
    ->ArgNames({"shape", "KB"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
