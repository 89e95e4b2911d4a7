#include "driver/utf8_codec.h"

std::size_t utf8_decode(const unsigned char* p, std::size_t left, char32_t& code) {
  const unsigned char lead = p[0];
  std::size_t length;
  char32_t minimum;
  if (lead < 0x80) {
    code = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, code = lead & 0x1F, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, code = lead & 0x0F, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, code = lead & 0x07, minimum = 0x10000;
  } else {
    return 0;
  }
  if (left < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((p[i] & 0xC0) != 0x80) return 0;
    code = (code << 6) | (p[i] & 0x3F);
  }
  if (code < minimum || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return 0;
  return length;
}

std::size_t utf8_encode(char32_t code, char* out) {
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
