#include "driver/utf8_validity.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

// Size of the blocks in which a file is read for the check.
constexpr std::size_t check_block_size = 32 * 1024;

// The eight high bits of a word: a word of ASCII bytes has none of them set.
constexpr uint64_t high_bits = 0x8080808080808080ULL;

// Starts a character at its lead byte `lead` (0x80 or above): how many
// continuation bytes follow and the bounds of the first of them. False when
// no character starts with that byte.
bool start_character(Utf8Validity& validity, unsigned char lead) {
  uint8_t count = 0;
  uint8_t lowest = 0x80;
  uint8_t highest = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    count = 1;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    count = 2;
    if (lead == 0xE0) lowest = 0xA0;   // below: overlong
    if (lead == 0xED) highest = 0x9F;  // above: surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    count = 3;
    if (lead == 0xF0) lowest = 0x90;   // below: overlong
    if (lead == 0xF4) highest = 0x8F;  // above: beyond U+10FFFF
  } else {
    return false;  // a continuation byte, an overlong two-byte lead, or no lead at all
  }
  validity.continuations_left = count;
  validity.lowest = lowest;
  validity.highest = highest;
  return true;
}

}  // namespace

void utf8_validity_feed(Utf8Validity& validity, const char* data, std::size_t size) {
  if (validity.broken) return;
  const auto* byte = reinterpret_cast<const unsigned char*>(data);
  const unsigned char* const end = byte + size;
  while (byte < end) {
    if (validity.continuations_left == 0) {
      // Between characters, runs of ASCII go by eight bytes at a time.
      while (end - byte >= 8) {
        uint64_t word;
        std::memcpy(&word, byte, sizeof word);
        if ((word & high_bits) != 0) break;
        byte += 8;
      }
      if (byte == end) break;
      if (*byte < 0x80) {
        ++byte;
        continue;
      }
      if (!start_character(validity, *byte)) {
        validity.broken = true;
        return;
      }
    } else {
      if (*byte < validity.lowest || *byte > validity.highest) {
        validity.broken = true;
        return;
      }
      --validity.continuations_left;
      validity.lowest = 0x80;
      validity.highest = 0xBF;
    }
    ++byte;
  }
}

bool utf8_validity_complete(const Utf8Validity& validity) {
  return !validity.broken && validity.continuations_left == 0;
}

bool file_is_utf8(int fd) {
  Utf8Validity validity = {};
  char block[check_block_size];
  off_t offset = 0;
  for (;;) {
    const ssize_t count = pread(fd, block, sizeof block, offset);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return false;
    if (count == 0) return utf8_validity_complete(validity);
    utf8_validity_feed(validity, block, static_cast<std::size_t>(count));
    if (validity.broken) return false;
    offset += count;
  }
}
