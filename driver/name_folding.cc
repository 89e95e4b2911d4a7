#include "driver/name_folding.h"

#include <QChar>

#include <cstdint>

namespace {

// The capital I with a dot above, which keeps its form (see fold_name).
constexpr char32_t dotted_capital_i = 0x130;

// A byte of the name, unsigned.
unsigned char at(const char* name, std::size_t index) { return static_cast<unsigned char>(name[index]); }

// Lowers an ASCII capital; every other byte is returned unchanged.
unsigned char lower_ascii(unsigned char byte) { return byte >= 'A' && byte <= 'Z' ? byte - 'A' + 'a' : byte; }

// Lowers a Latin-1 capital; every other byte is returned unchanged.
unsigned char lower_latin1(unsigned char byte) {
  if (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7) return byte + 0x20;
  return lower_ascii(byte);
}

// Decodes the character whose lead byte is at `index` into `code`; returns
// its length in bytes, or 0 when no well-formed character starts there.
std::size_t decode(const char* name, std::size_t length, std::size_t index, char32_t& code) {
  const unsigned char lead = at(name, index);
  std::size_t count;
  char32_t lowest;
  if (lead >= 0xC2 && lead <= 0xDF) {
    count = 2, code = lead & 0x1F, lowest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    count = 3, code = lead & 0x0F, lowest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    count = 4, code = lead & 0x07, lowest = 0x10000;
  } else {
    return 0;
  }
  if (length - index < count) return 0;
  for (std::size_t i = 1; i < count; ++i) {
    const unsigned char next = at(name, index + i);
    if ((next & 0xC0) != 0x80) return 0;
    code = (code << 6) | (next & 0x3F);
  }
  if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return count;
}

// Writes `code` in UTF-8 at `out`; returns the bytes written.
std::size_t encode(char32_t code, char* out) {
  auto* bytes = reinterpret_cast<unsigned char*>(out);
  if (code < 0x80) {
    bytes[0] = static_cast<unsigned char>(code);
    return 1;
  }
  if (code < 0x800) {
    bytes[0] = static_cast<unsigned char>(0xC0 | (code >> 6));
    bytes[1] = static_cast<unsigned char>(0x80 | (code & 0x3F));
    return 2;
  }
  if (code < 0x10000) {
    bytes[0] = static_cast<unsigned char>(0xE0 | (code >> 12));
    bytes[1] = static_cast<unsigned char>(0x80 | ((code >> 6) & 0x3F));
    bytes[2] = static_cast<unsigned char>(0x80 | (code & 0x3F));
    return 3;
  }
  bytes[0] = static_cast<unsigned char>(0xF0 | (code >> 18));
  bytes[1] = static_cast<unsigned char>(0x80 | ((code >> 12) & 0x3F));
  bytes[2] = static_cast<unsigned char>(0x80 | ((code >> 6) & 0x3F));
  bytes[3] = static_cast<unsigned char>(0x80 | (code & 0x3F));
  return 4;
}

}  // namespace

bool beyond_ascii(const char* text, std::size_t length) {
  for (std::size_t i = 0; i < length; ++i)
    if (at(text, i) >= 0x80) return true;
  return false;
}

std::size_t fold_name(const char* name, std::size_t length, bool utf8, char* out) {
  std::size_t written = 0;
  std::size_t index = 0;
  while (index < length) {
    const unsigned char byte = at(name, index);
    char32_t code;
    const std::size_t count = utf8 && byte >= 0x80 ? decode(name, length, index, code) : 0;
    if (count != 0) {
      written += encode(code == dotted_capital_i ? code : QChar::toLower(code), out + written);
      index += count;
    } else {
      out[written++] = static_cast<char>(utf8 ? lower_ascii(byte) : lower_latin1(byte));
      ++index;
    }
  }
  return written;
}
