// Text operations on texts of 1 to 64 MiB: the fitted complexity must be
// linear (Google Benchmark prints it as "N").
//
// Fresh memory costs a page fault per page on a virtual machine, which would
// hide the operations' own cost behind the allocator's; malloc is told to keep
// large blocks, so each size measures the operation on warm memory.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <string>

#include "convert/TextOperations.h"

namespace {

// A page-like text: ASCII with two-byte characters, blanks and markers.
std::string MakeText(std::size_t size) {
  const std::string unit = "document.write('2013\xC4\xEA" "6\xD4\xC2 19\xC8\xD5');var a = 1;\xA1\xA1x;";
  std::string text;
  text.reserve(size + unit.size());
  while (text.size() < size) text += unit;
  text.resize(size);
  return text;
}

void BM_SplitText(benchmark::State& state) {
  const std::string text = MakeText(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(veltrane::SplitText(text, "document.write('"));
  state.SetBytesProcessed(state.iterations() * state.range(0));
  state.SetComplexityN(state.range(0));
}

void BM_FindTextAbsent(benchmark::State& state) {
  const std::string text = MakeText(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(veltrane::FindText(text, "document.write('X"));
  state.SetBytesProcessed(state.iterations() * state.range(0));
  state.SetComplexityN(state.range(0));
}

void BM_RemoveAllSpaces(benchmark::State& state) {
  const std::string text = MakeText(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(veltrane::RemoveAllSpaces(text));
  state.SetBytesProcessed(state.iterations() * state.range(0));
  state.SetComplexityN(state.range(0));
}

constexpr std::int64_t kMiB = 1 << 20;
BENCHMARK(BM_SplitText)->RangeMultiplier(4)->Range(kMiB, 64 * kMiB)->Unit(benchmark::kMillisecond)->MinTime(1.0)->Complexity();
BENCHMARK(BM_FindTextAbsent)->RangeMultiplier(4)->Range(kMiB, 64 * kMiB)->Unit(benchmark::kMillisecond)->MinTime(1.0)->Complexity();
BENCHMARK(BM_RemoveAllSpaces)->RangeMultiplier(4)->Range(kMiB, 64 * kMiB)->Unit(benchmark::kMillisecond)->MinTime(1.0)->Complexity();

}  // namespace

int main(int argc, char** argv) {
  mallopt(M_MMAP_THRESHOLD, 1 << 30);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
