#include "driver/byte_text.h"

#include "driver/utf8_codec.h"

namespace {

// First code unit of the range that stands for single undecodable bytes.
constexpr char16_t escaped_byte_base = 0xDC00;

// Appends `code` to `out` in UTF-8.
void append_utf8(QByteArray& out, char32_t code) {
  char bytes[utf8_max_length];
  out.append(bytes, static_cast<qsizetype>(utf8_encode(code, bytes)));
}

}  // namespace

QString text_from_bytes(const char* bytes, std::size_t size) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes);
  QString text;
  text.reserve(static_cast<qsizetype>(size));
  std::size_t at = 0;
  while (at < size) {
    char32_t code;
    const std::size_t length = utf8_decode(p + at, size - at, code);
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
