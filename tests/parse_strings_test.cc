#include "analysis/parse_strings.h"

#include <gtest/gtest.h>
#include <sanitizer/asan_interface.h>

#include <string>
#include <vector>

namespace {

class ParseStringsTest : public ::testing::Test {
 protected:
  void SetUp() override { parse_strings_release(); }
  void TearDown() override { parse_strings_release(); }
};

TEST_F(ParseStringsTest, CopiesEndAtTheFirstNulAndAreTerminated) {
  const char bytes[] = {'a', 'b', 'c', 'd'};
  EXPECT_STREQ(parse_string_new(bytes, 3), "abc");
  const char with_nul[] = {'"', 'x', '\0', 'y', '"'};
  EXPECT_STREQ(parse_string_new(with_nul, sizeof with_nul), "\"x");
  EXPECT_STREQ(parse_string_new(bytes, 0), "");
  EXPECT_STREQ(parse_string_copy("digits"), "digits");
}

// A text without NUL is copied whole at every length, whichever way its
// length has it copied, and terminated right after it.
TEST_F(ParseStringsTest, WholeCopiesKeepEveryByteAtEveryLength) {
  std::string source;
  for (int i = 0; i < 40; ++i) source += static_cast<char>(i % 2 == 0 ? 'A' + i % 26 : 0xC0 + i);
  for (std::size_t length = 0; length <= source.size(); ++length) {
    const char* text = parse_string_whole(source.data(), length);
    EXPECT_EQ(std::string(text), source.substr(0, length)) << "length " << length;
  }
}

TEST_F(ParseStringsTest, ConcatenationNeedsBothEnds) {
  EXPECT_STREQ(parse_string_concat("A", ".", "B"), "A.B");
  EXPECT_STREQ(parse_string_concat("X", "'", "digits"), "X'digits");
  EXPECT_EQ(parse_string_concat(nullptr, ".", "B"), nullptr);
  EXPECT_EQ(parse_string_concat("A", ".", nullptr), nullptr);
}

// Strings taken across many blocks, and one longer than a block, stay
// intact until the release, and the store serves again after it.
TEST_F(ParseStringsTest, StringsStayIntactUntilTheRelease) {
  for (int round = 0; round < 2; ++round) {
    std::vector<std::pair<const char*, std::string>> kept;
    for (int i = 0; i < 20000; ++i) {
      const std::string text = "Name_" + std::to_string(i) + std::string(static_cast<std::size_t>(i % 37), 'x');
      kept.emplace_back(parse_string_new(text.data(), text.size()), text);
    }
    const std::string long_text(300 * 1024, 'L');
    kept.emplace_back(parse_string_new(long_text.data(), long_text.size()), long_text);
    kept.emplace_back(parse_string_concat(kept[0].first, ".", kept[1].first), "Name_0.Name_1x");
    for (const auto& [text, expected] : kept) ASSERT_EQ(text, expected);
    parse_strings_release();
  }
}

#if defined(__SANITIZE_ADDRESS__)
// A name used after its unit's strings were released is caught.
TEST_F(ParseStringsTest, ReleasedStringsArePoisoned) {
  const char* text = parse_string_copy("Released");
  EXPECT_FALSE(__asan_address_is_poisoned(text));
  parse_strings_release();
  EXPECT_TRUE(__asan_address_is_poisoned(text));
}
#endif

}  // namespace
