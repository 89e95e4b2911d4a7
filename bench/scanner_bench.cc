// Scanning speed: bytes of Ada text turned into tokens per second.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "analysis/ada_grammar.hh"
#include "analysis/scanner.h"
#include "driver/ac_mem.h"

namespace {

// About `size` bytes of varied Ada 95 text: specs and bodies with context
// clauses, comments, attributes, based and real literals, strings,
// character literals and operators.
std::string ada_text(std::size_t size) {
  std::string text;
  for (int n = 0; text.size() < size; ++n) {
    const std::string id = std::to_string(n);
    text += "with Ada.Text_IO; use Ada.Text_IO;\n"
            "-- Unit " + id + ": generated for the scanner benchmark.\n"
            "package Pkg_" + id + " is\n"
            "   type Word_" + id + " is mod 2**16;\n"
            "   Limit : constant := 16#FF_FF#;\n"
            "   Ratio : constant Float := 12_345.67_8E-3;\n"
            "   Name  : constant String := \"Unit \"\"" + id + "\"\" of the run\";\n"
            "   procedure Step (X : in out Word_" + id + "; C : Character := 'a');\n"
            "end Pkg_" + id + ";\n\n"
            "package body Pkg_" + id + " is\n"
            "   procedure Step (X : in out Word_" + id + "; C : Character := 'a') is\n"
            "   begin\n"
            "      if X'Size >= 8 and then C /= ' ' then\n"
            "         X := X * 2 + Word_" + id + "'(1);\t-- doubled\n"
            "      elsif Character'Pos (C) in 1 .. 10 then\n"
            "         X := Word_" + id + "'Last;\n"
            "      end if;\n"
            "      Put_Line (Name & Word_" + id + "'Image (X));\n"
            "   end Step;\n"
            "end Pkg_" + id + ";\n\n";
  }
  return text;
}

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
      if (token == TOKEN_IDENTIFIER || token == TOKEN_STRING_LITERAL ||
          token == TOKEN_CHARACTER_LITERAL) {
        ac_free(token_value.text);
      }
    }
    std::fclose(stream);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
  state.counters["tokens"] = benchmark::Counter(static_cast<double>(tokens), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_ScanAdaText)->Arg(4 << 20)->Unit(benchmark::kMillisecond);

}  // namespace
