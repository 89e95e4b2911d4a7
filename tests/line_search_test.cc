#include "analysis/line_search.h"

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

// A text placed so that it ends where an unreadable page begins: a search
// that reads one byte past its end faults.
class GuardedText {
 public:
  GuardedText() {
    page_ = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    pages_ = static_cast<char*>(mmap(nullptr, 2 * page_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
    EXPECT_NE(pages_, MAP_FAILED);
    EXPECT_EQ(mprotect(pages_ + page_, page_, PROT_NONE), 0);
  }
  ~GuardedText() { munmap(pages_, 2 * page_); }
  GuardedText(const GuardedText&) = delete;
  GuardedText& operator=(const GuardedText&) = delete;

  // Where a copy of `text` starts; it ends at the unreadable page.
  const char* place(const std::string& text) {
    char* start = pages_ + page_ - text.size();
    std::memcpy(start, text.data(), text.size());
    return start;
  }

 private:
  std::size_t page_ = 0;
  char* pages_ = nullptr;
};

// Texts of every length up to 130 bytes (beyond four steps of 32), of bytes
// that are mostly plain, with newlines, carriage returns, NUL and 0xFF bytes
// spread at every distance from each other.
std::string mixed_text(std::size_t length, unsigned seed) {
  static const char bytes[] = {'a', 'a', 'a', 'a', 'a', 'a', '\n', '\r', '\0', '\xff', '-', ' '};
  std::string text;
  uint32_t state = seed * 2654435761u + 1;
  for (std::size_t i = 0; i < length; ++i) {
    state = state * 1664525u + 1013904223u;
    text += bytes[(state >> 24) % (seed % 3 == 0 ? 6 : sizeof bytes)];
  }
  return text;
}

// What the searches must answer, a byte at a time.
std::size_t first_line_end(const std::string& text) {
  const std::size_t at = text.find_first_of("\r\n");
  return at == std::string::npos ? text.size() : at;
}

std::size_t after_newlines(const std::string& text, uint64_t& newlines) {
  std::size_t at = 0;
  while (newlines > 0 && at < text.size())
    if (text[at++] == '\n') --newlines;
  return at;
}

TEST(LineSearchTest, FirstLineEndInTextsOfEveryLength) {
  GuardedText guarded;
  for (std::size_t length = 0; length <= 130; ++length) {
    for (unsigned seed = 0; seed < 12; ++seed) {
      const std::string text = mixed_text(length, seed);
      const char* start = guarded.place(text);
      SCOPED_TRACE(testing::Message() << "length " << length << ", seed " << seed);
      EXPECT_EQ(line_search_end(start, start + length) - start, static_cast<std::ptrdiff_t>(first_line_end(text)));
    }
  }
  // A line end in a long line, at every place of its 32-byte step.
  for (std::size_t at = 0; at < 100; ++at) {
    std::string text(200, 'x');
    text[at] = at % 2 == 0 ? '\n' : '\r';
    const char* start = guarded.place(text);
    EXPECT_EQ(line_search_end(start, start + text.size()) - start, static_cast<std::ptrdiff_t>(at));
  }
}

TEST(LineSearchTest, AfterNewlinesInTextsOfEveryLength) {
  GuardedText guarded;
  for (std::size_t length = 0; length <= 130; ++length) {
    for (unsigned seed = 0; seed < 12; ++seed) {
      const std::string text = mixed_text(length, seed);
      const char* start = guarded.place(text);
      const auto in_text = static_cast<uint64_t>(std::count(text.begin(), text.end(), '\n'));
      for (uint64_t wanted = 0; wanted <= in_text + 2; ++wanted) {
        SCOPED_TRACE(testing::Message() << "length " << length << ", seed " << seed << ", newlines " << wanted);
        uint64_t left = wanted;
        uint64_t expected_left = wanted;
        const std::size_t expected = after_newlines(text, expected_left);
        EXPECT_EQ(line_search_after_newlines(start, start + length, left) - start,
                  static_cast<std::ptrdiff_t>(expected));
        EXPECT_EQ(left, expected_left);
      }
    }
  }
  // More newlines wanted than 32 bits of a count could hold.
  const std::string lines(100, '\n');
  const char* start = guarded.place(lines);
  uint64_t left = uint64_t{1} << 40;
  EXPECT_EQ(line_search_after_newlines(start, start + lines.size(), left), start + lines.size());
  EXPECT_EQ(left, (uint64_t{1} << 40) - 100);
}

}  // namespace
