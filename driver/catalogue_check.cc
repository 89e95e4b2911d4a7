#include "driver/catalogue_check.h"

#include <cstdint>
#include <cstring>

namespace {

// The first bytes of every compiled catalogue.
constexpr unsigned char magic[16] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                     0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};

// Section tags of the file.
enum SectionTag : unsigned char {
  CONTEXTS = 0x2f,
  HASHES = 0x42,
  MESSAGES = 0x69,
  NUMERUS_RULES = 0x88,
  DEPENDENCIES = 0x96,
  LANGUAGE = 0xa7,
};

// Field tags inside one message record.
enum MessageTag : unsigned char {
  END = 1,
  TRANSLATION = 3,
  OBSOLETE_1 = 5,
  SOURCE_TEXT = 6,
  CONTEXT = 7,
  COMMENT = 8,
};

// One section's bytes; size 0 when the file has none.
struct Section {
  const unsigned char* data = nullptr;
  std::size_t size = 0;
};

std::uint32_t read32(const unsigned char* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

std::uint16_t read16(const unsigned char* p) { return static_cast<std::uint16_t>((p[0] << 8) | p[1]); }

// A message record from `offset` to its END tag (or the section's end, where
// a lookup stops too), every field's length within the section.
bool message_is_sound(const Section& messages, std::size_t offset) {
  std::size_t at = offset;
  while (at < messages.size) {
    const unsigned char tag = messages.data[at++];
    switch (tag) {
      case END:
        return true;
      case OBSOLETE_1:
        if (messages.size - at < 4) return false;
        at += 4;
        break;
      case TRANSLATION:
      case SOURCE_TEXT:
      case CONTEXT:
      case COMMENT: {
        if (messages.size - at < 4) return false;
        const std::uint32_t length = read32(messages.data + at);
        at += 4;
        if (messages.size - at < length) return false;
        if (tag == TRANSLATION && (length & 1) != 0) return false;
        // A lookup reads the comment's first byte even when it is empty.
        if (tag == COMMENT && at == messages.size) return false;
        at += length;
        break;
      }
      default:
        // A lookup gives up on any other tag without reading further.
        return true;
    }
  }
  return true;
}

// The hash table: pairs of (hash, message offset), every offset within the
// messages and every record there sound.
bool hashes_are_sound(const Section& hashes, const Section& messages) {
  if (hashes.size % 8 != 0) return false;
  for (std::size_t at = 0; at < hashes.size; at += 8) {
    const std::uint32_t offset = read32(hashes.data + at + 4);
    if (offset >= messages.size || !message_is_sound(messages, offset)) return false;
  }
  return true;
}

// The context table: a bucket count, that many bucket offsets, then lists of
// length-prefixed context names, each list ended by a zero length.
bool contexts_are_sound(const Section& contexts) {
  if (contexts.size == 0) return true;
  if (contexts.size < 2) return false;
  const std::size_t buckets = read16(contexts.data);
  if (buckets == 0 || contexts.size < 2 + 2 * buckets) return false;
  for (std::size_t bucket = 0; bucket < buckets; ++bucket) {
    const std::size_t list = read16(contexts.data + 2 + 2 * bucket);
    if (list == 0) continue;
    std::size_t at = 2 + 2 * buckets + 2 * list;
    for (;;) {
      if (at >= contexts.size) return false;
      const std::size_t length = contexts.data[at++];
      if (length == 0) break;
      if (contexts.size - at < length) return false;
      at += length;
    }
  }
  return true;
}

}  // namespace

bool catalogue_is_sound(const unsigned char* data, std::size_t size) {
  if (size < sizeof magic || std::memcmp(data, magic, sizeof magic) != 0) return false;
  Section contexts, hashes, messages;
  // Sections are read as the loader reads them: while more than five bytes
  // remain, up to a zero tag or a zero length. Two sections of one kind are
  // refused, so that whichever one the loader keeps is the one checked (the
  // catalogue fuzzer found a crash with a second index and message pair).
  bool seen[256] = {};
  std::size_t at = sizeof magic;
  while (size - at > 5) {
    const unsigned char tag = data[at];
    const std::uint32_t length = read32(data + at + 1);
    at += 5;
    if (tag == 0 || length == 0) break;
    if (size - at < length) return false;
    if (seen[tag]) return false;
    seen[tag] = true;
    const Section section{data + at, length};
    switch (tag) {
      case CONTEXTS:
        contexts = section;
        break;
      case HASHES:
        hashes = section;
        break;
      case MESSAGES:
        messages = section;
        break;
      case DEPENDENCIES:
        return false;
      default:
        // The language name and the plural rules: the program asks for no
        // plural forms, and the name is only ever decoded as text.
        break;
    }
    at += length;
  }
  return contexts_are_sound(contexts) && hashes_are_sound(hashes, messages);
}
