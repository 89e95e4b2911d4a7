#include "driver/name_folding.h"

#include <QChar>

#include "driver/utf8_codec.h"

namespace {

// The capital I with a dot above, which keeps its form (see fold_name).
constexpr char32_t dotted_capital_i = 0x130;

// Lowers a Latin-1 capital; every other byte is returned unchanged.
unsigned char lower_latin1(unsigned char byte) {
  if (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7) return byte + 0x20;
  return static_cast<unsigned char>(lower_ascii(static_cast<char>(byte)));
}

}  // namespace

bool beyond_ascii(const char* text) {
  for (; *text != '\0'; ++text)
    if (static_cast<unsigned char>(*text) >= 0x80) return true;
  return false;
}

std::size_t fold_name(const char* name, std::size_t length, bool utf8, char* out) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(name);
  std::size_t written = 0;
  std::size_t index = 0;
  while (index < length) {
    char32_t code;
    const std::size_t count = utf8 && bytes[index] >= 0x80 ? utf8_decode(bytes + index, length - index, code) : 0;
    if (count != 0) {
      written += utf8_encode(code == dotted_capital_i ? code : QChar::toLower(code), out + written);
      index += count;
    } else {
      out[written++] = utf8 ? lower_ascii(name[index]) : static_cast<char>(lower_latin1(bytes[index]));
      ++index;
    }
  }
  return written;
}
