// Normalising generated C sources of 1, 5, 10 and 20 MB with many matches of
// every pre-pass rule; reports bytes per second (linear growth expected).
#include <benchmark/benchmark.h>

#include <string>

#include "prepass/normalise.hpp"

namespace {

// A generated source of at least `bytes` bytes. Every block holds matches of
// all six rules plus ordinary code that the rules scan without matching.
std::string MakeSource(std::size_t bytes, bool unixLineEnds) {
    const std::string nl = unixLineEnds ? "\n" : "\r\n";
    std::string text;
    text.reserve(bytes + 4096);
    for (int i = 0; text.size() < bytes; ++i) {
        const std::string n = std::to_string(i);
        text += "struct point" + n + " { int x; int y; } p" + n + ", q" + n + ";" + nl;                       // rule 1
        text += "typedef struct tag" + n + " {" + nl + "  int a;" + nl + "} T" + n + ", *PT" + n + ";" + nl;  // rule 2
        text += "typedef struct fwd" + n + " fwd" + n + ";" + nl;     // rule 2, no match (forward declaration)
        text += "struct point" + n + " *make" + n + "(int x);" + nl;  // rule 1, no match (function head)
        text += "/* comment " + n + " */ x = " + n + ";" + nl;        // rule 4
        text += "void f" + n + "(void)" + nl + "{" + nl;
        text += "  int k = 0; /* count */" + nl;
        text += "  do {" + nl + "    k++;" + nl + "  }" + nl + "  while (k < 10);" + nl;  // rule 3
        text += "  printf(\"say \\\"hi\\\" \\\"\\\"\\n\");" + std::string(nl);            // rule 5, repeated
        text += "  puts(\"it\\'s\");" + std::string(nl);                                  // rule 6
        text += "  c = '\\\"'; d = '\\'';" + std::string(nl);                             // rules 5/6, no match
        text += "  for (int j = 0; j < 100; j++) { total += values[j] * weights[j]; }" + std::string(nl);
        text += "}" + std::string(nl);
    }
    return text;
}

void BM_NormaliseSource(benchmark::State& state) {
    const std::size_t mb = static_cast<std::size_t>(state.range(0));
    const std::string source = MakeSource(mb * 1024 * 1024, state.range(1) != 0);
    std::size_t outSize = 0;
    for (auto _ : state) {
        std::string out = xlat::NormaliseSource(source);
        outSize = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(source.size()));
    state.counters["in_bytes"] = static_cast<double>(source.size());
    state.counters["out_bytes"] = static_cast<double>(outSize);
}

}  // namespace

BENCHMARK(BM_NormaliseSource)
    ->ArgsProduct({{1, 5, 10, 20}, {0, 1}})
    ->ArgNames({"MB", "unix"})
    ->Unit(benchmark::kMillisecond);  // bytes/s from CPU time: the build machine is shared
