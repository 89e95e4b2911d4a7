// Scanning speed: bytes of Ada text turned into tokens per second.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "analysis/ada_grammar.hh"
#include "analysis/scanner.h"
#include "bench/ada_text.h"
#include "driver/ac_mem.h"

namespace {

// Scans the whole text once per iteration, as the parser would pull it.
void BM_ScanAdaText(benchmark::State& state) {
  std::string text = ada_text(static_cast<std::size_t>(state.range(0)));
  std::int64_t tokens = 0;
  for (auto _ : state) {
    FILE* stream = fmemopen(text.data(), text.size(), "r");
    if (stream == nullptr) {
      state.SkipWithError("fmemopen failed");
      break;
    }
    scanner_input = stream;
    scanner_reset();
    for (int token; (token = next_token()) != TOKEN_END_OF_INPUT; ++tokens) {
      // The parse keeps the texts; here they would pile up over the iterations.
      if (token_has_text(token)) ac_free(token_value.text);
    }
    std::fclose(stream);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
  state.counters["tokens"] = benchmark::Counter(static_cast<double>(tokens), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_ScanAdaText)->Arg(4 << 20)->Unit(benchmark::kMillisecond);

}  // namespace
