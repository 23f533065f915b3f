// Translates generated sources of 1, 4 and 16 MB in process and reports the
// throughput; peak memory of the process is reported as a counter.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include "driver/convert.hpp"
#include "generator/generate.hpp"
#include "indenter/indent.hpp"
#include "runtime/platform.hpp"

namespace {

double PeakMemoryMB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_Translate(benchmark::State& state) {
    const std::size_t bytes = static_cast<std::size_t>(state.range(0)) << 20;
    const bool crlf = state.range(1) != 0;
    xlat::GiveLargeBlocksBack();  // as the xlat command does
    const std::string source = xlat::bench::GenerateSource(bytes, crlf);
    // One untimed run first: the figures are those of the translator, not
    // of the system handing the process its first memory.
    benchmark::DoNotOptimize(xlat::IndentOutput(xlat::TranslateSource(source).text).data());
    size_t partsKept = 0;
    for (auto _ : state) {
        xlat::Conversion result = xlat::TranslateSource(source);
        std::string indented = xlat::IndentOutput(result.text);
        benchmark::DoNotOptimize(indented.data());
        partsKept = result.partsKept;
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(source.size()));
    state.counters["peak_MB"] = PeakMemoryMB();
    // Parts translated side by side and kept (0: one thread did it all).
    state.counters["parts_kept"] = static_cast<double>(partsKept);
}

BENCHMARK(BM_Translate)
    ->ArgsProduct({{1, 4, 16}, {0, 1}})
    ->ArgNames({"MB", "crlf"})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0)    // several runs even of the largest source
    ->UseRealTime();  // large sources are translated on several threads

}  // namespace
