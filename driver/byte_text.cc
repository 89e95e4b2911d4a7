#include "driver/byte_text.h"

namespace {

// First code unit of the range that stands for single undecodable bytes.
constexpr char16_t escaped_byte_base = 0xDC00;

// Length of the valid UTF-8 sequence at `p` (at most `left` bytes), and its
// code point in `code`; 0 when the bytes there are not one.
std::size_t utf8_sequence(const unsigned char* p, std::size_t left, char32_t& code) {
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
  // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
  if (code < minimum || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return 0;
  return length;
}

void append_utf8(QByteArray& out, char32_t code) {
  if (code < 0x80) {
    out.append(static_cast<char>(code));
  } else if (code < 0x800) {
    out.append(static_cast<char>(0xC0 | (code >> 6)));
    out.append(static_cast<char>(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    out.append(static_cast<char>(0xE0 | (code >> 12)));
    out.append(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.append(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.append(static_cast<char>(0xF0 | (code >> 18)));
    out.append(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
    out.append(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.append(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

}  // namespace

QString text_from_bytes(const char* bytes, std::size_t size) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes);
  QString text;
  text.reserve(static_cast<qsizetype>(size));
  std::size_t at = 0;
  while (at < size) {
    char32_t code;
    const std::size_t length = utf8_sequence(p + at, size - at, code);
    if (length == 0) {
      text.append(QChar(static_cast<char16_t>(escaped_byte_base + p[at])));
      ++at;
      continue;
    }
    if (code < 0x10000) {
      text.append(QChar(static_cast<char16_t>(code)));
    } else {
      text.append(QChar(QChar::highSurrogate(code)));
      text.append(QChar(QChar::lowSurrogate(code)));
    }
    at += length;
  }
  return text;
}

QByteArray bytes_from_text(const QString& text) {
  QByteArray out;
  out.reserve(text.size());
  const qsizetype size = text.size();
  for (qsizetype at = 0; at < size; ++at) {
    const char16_t unit = text.at(at).unicode();
    if (QChar::isHighSurrogate(unit) && at + 1 < size && QChar::isLowSurrogate(text.at(at + 1).unicode())) {
      append_utf8(out, QChar::surrogateToUcs4(unit, text.at(at + 1).unicode()));
      ++at;
    } else if (unit >= escaped_byte_base + 0x80 && unit <= escaped_byte_base + 0xFF) {
      out.append(static_cast<char>(unit - escaped_byte_base));
    } else if (QChar::isSurrogate(unit)) {
      // Any other lone surrogate is not text: the same stand-in Qt uses.
      append_utf8(out, 0xFFFD);
    } else {
      append_utf8(out, unit);
    }
  }
  return out;
}
