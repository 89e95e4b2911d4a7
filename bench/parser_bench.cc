// Parsing speed: tokens of Ada text parsed into the unit list per second,
// scanning included, as the run loop parses a source.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "analysis/ac_tree.h"
#include "analysis/ada_grammar.hh"
#include "analysis/parser.h"
#include "analysis/scanner.h"
#include "bench/ada_text.h"
#include "driver/ac_mem.h"
#include "driver/run_settings.h"

namespace {

// The scanner reading `text` from its start, as for a new source.
FILE* scan_from(std::string& text) {
  FILE* stream = fmemopen(text.data(), text.size(), "r");
  analysis_begin(stream);
  return stream;
}

// The number of tokens in `text`.
std::int64_t token_count(std::string& text) {
  FILE* stream = scan_from(text);
  std::int64_t tokens = 0;
  for (int token; (token = next_token()) != TOKEN_END_OF_INPUT; ++tokens)
    if (token_has_text(token)) ac_free(token_value.text);
  std::fclose(stream);
  return tokens;
}

// Parses the whole text once per iteration and releases its unit list.
void BM_ParseAdaText(benchmark::State& state) {
  std::string text = ada_text(static_cast<std::size_t>(state.range(0)));
  const std::int64_t tokens = token_count(text);
  current_source_name = "bench.ada";
  for (auto _ : state) {
    FILE* stream = scan_from(text);
    if (stream == nullptr) {
      state.SkipWithError("fmemopen failed");
      break;
    }
    if (parse_compilation() != 0) {
      state.SkipWithError("the text does not parse");
      break;
    }
    units_free_all();
    std::fclose(stream);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
  state.counters["tokens"] =
      benchmark::Counter(static_cast<double>(tokens * state.iterations()), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_ParseAdaText)->Arg(4 << 20)->Unit(benchmark::kMillisecond);

}  // namespace
