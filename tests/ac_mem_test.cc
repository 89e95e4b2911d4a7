#include "driver/ac_mem.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "driver/exit_trap.h"
#include "tests/stream_capture.h"

namespace {

// What the program printed, without the sanitizer's own notes on failed requests.
std::string without_sanitizer_notes(const std::string& text) {
  std::string kept;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    end = end == std::string::npos ? text.size() : end + 1;
    if (text.compare(start, 2, "==") != 0) kept.append(text, start, end - start);
    start = end;
  }
  return kept;
}

// Also where the heap hands back a block just released with other bytes in
// it, as it does for small sizes.
TEST(AcMemTest, BlocksStartZeroFilled) {
  for (size_t size : {size_t{0}, size_t{1}, size_t{37}, size_t{1024}, size_t{1025}, size_t{1} << 20}) {
    auto* used = static_cast<unsigned char*>(ac_alloc(size));
    std::memset(used, 0xa5, size);
    ac_free(used);
    auto* block = static_cast<unsigned char*>(ac_alloc(size));
    ASSERT_NE(block, nullptr);
    for (size_t i = 0; i < size; ++i) ASSERT_EQ(block[i], 0) << "size " << size << " byte " << i;
    ac_free(block);
  }
  ac_free(nullptr);
}

TEST(AcMemTest, GrowingKeepsTheContent) {
  auto* block = static_cast<char*>(ac_alloc(4));
  block[0] = 'a', block[3] = 'z';
  block = static_cast<char*>(ac_realloc(block, 1 << 16));
  EXPECT_EQ(block[0], 'a');
  EXPECT_EQ(block[3], 'z');
  ac_free(block);
}

// Every way of asking for memory ends in the same message and status 9.
TEST(AcMemTest, ExhaustionPrintsTheSizeAndEndsWithStatusNine) {
  const size_t huge = size_t{1} << 46;
  const std::string expected = "\nFatal Error: cannot allocate " + std::to_string(huge) + " bytes\n";
  struct Request {
    const char* how;
    void (*ask)(size_t);
  } requests[] = {
      {"ac_alloc", [](size_t n) { ac_free(ac_alloc(n)); }},
      // A failed resize leaves the block where it was; the static keeps it reachable.
      {"ac_realloc", [](size_t n) { static void* block = ac_alloc(1); block = ac_realloc(block, n); }},
      {"container", [](size_t n) { std::vector<char> v; v.reserve(n); }},
  };
  for (const Request& request : requests) {
    ExitTrap trap;
    StreamCapture err(stderr);
    int status = -1;
    try {
      request.ask(huge);
    } catch (const ProcessExit& exit) {
      status = exit.status;
    }
    EXPECT_EQ(status, 9) << request.how;
    EXPECT_EQ(without_sanitizer_notes(err.text()), expected) << request.how;
  }
}

}  // namespace
