#include "driver/name_folding.h"

#include "driver/utf8_codec.h"

namespace {

// Lowers a Latin-1 capital, given as its code; every other code is returned
// unchanged.
char32_t lower_latin1(char32_t code) {
  if (code >= 0xC0 && code <= 0xDE && code != 0xD7) return code + 0x20;
  return code < 0x80 ? static_cast<unsigned char>(lower_ascii(static_cast<char>(code))) : code;
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
      written += utf8_encode(lower_latin1(code), out + written);
      index += count;
    } else {
      out[written++] = utf8 ? lower_ascii(name[index]) : static_cast<char>(lower_latin1(bytes[index]));
      ++index;
    }
  }
  return written;
}
