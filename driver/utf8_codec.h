#ifndef MIRELCHOP_DRIVER_UTF8_CODEC_H
#define MIRELCHOP_DRIVER_UTF8_CODEC_H

#include <cstddef>

// The most bytes one character takes in UTF-8.
constexpr std::size_t utf8_max_length = 4;

// Length of the valid UTF-8 character at `p` (at most `left` bytes, at
// least one), and its code point in `code`; 0 when the bytes there are not
// one: overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
std::size_t utf8_decode(const unsigned char* p, std::size_t left, char32_t& code);

// Writes the code point `code` (at most U+10FFFF) in UTF-8 at `out`, which
// has room for utf8_max_length bytes, and returns how many it wrote.
std::size_t utf8_encode(char32_t code, char* out);

#endif
