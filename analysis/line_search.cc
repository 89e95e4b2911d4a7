#include "analysis/line_search.h"

#include <bit>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {

// line_search_end a byte at a step.
const char* end_bytewise(const char* from, const char* end) {
  while (from < end && *from != '\n' && *from != '\r') ++from;
  return from;
}

// line_search_after_newlines a line at a step.
const char* after_newlines_by_memchr(const char* from, const char* end, uint64_t& newlines) {
  for (; newlines > 0; --newlines) {
    const void* newline = std::memchr(from, '\n', static_cast<std::size_t>(end - from));
    if (newline == nullptr) return end;
    from = static_cast<const char*>(newline) + 1;
  }
  return from;
}

#if defined(__x86_64__)
// Whether the 32-byte steps below can run here.
bool has_avx2() { return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt"); }

// Which of the 32 bytes at `from` equal `byte`, a bit each.
__attribute__((target("avx2"))) inline unsigned bytes_equal(const char* from, __m256i byte) {
  const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from));
  return static_cast<unsigned>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(bytes, byte)));
}

// line_search_end 32 bytes at a step.
__attribute__((target("avx2"))) const char* end_avx2(const char* from, const char* end) {
  const __m256i newline = _mm256_set1_epi8('\n');
  const __m256i carriage = _mm256_set1_epi8('\r');
  for (; end - from >= 32; from += 32) {
    const unsigned found = bytes_equal(from, newline) | bytes_equal(from, carriage);
    if (found != 0) return from + std::countr_zero(found);
  }
  return end_bytewise(from, end);
}

// line_search_after_newlines 32 bytes at a step, the last step searched
// for the wanted newline among those it holds.
__attribute__((target("avx2,popcnt"))) const char* after_newlines_avx2(const char* from, const char* end,
                                                                      uint64_t& newlines) {
  const __m256i newline = _mm256_set1_epi8('\n');
  for (; newlines > 0 && end - from >= 32; from += 32) {
    unsigned found = bytes_equal(from, newline);
    const auto count = static_cast<uint64_t>(std::popcount(found));
    if (count < newlines) {
      newlines -= count;
      continue;
    }
    for (; newlines > 1; --newlines) found &= found - 1;
    newlines = 0;
    return from + std::countr_zero(found) + 1;
  }
  return after_newlines_by_memchr(from, end, newlines);
}
#endif

}  // namespace

const char* line_search_end(const char* from, const char* end) {
#if defined(__x86_64__)
  if (has_avx2()) return end_avx2(from, end);
#endif
  return end_bytewise(from, end);
}

const char* line_search_after_newlines(const char* from, const char* end, uint64_t& newlines) {
#if defined(__x86_64__)
  if (has_avx2()) return after_newlines_avx2(from, end, newlines);
#endif
  return after_newlines_by_memchr(from, end, newlines);
}
