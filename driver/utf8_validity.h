#ifndef MIRELCHOP_DRIVER_UTF8_VALIDITY_H
#define MIRELCHOP_DRIVER_UTF8_VALIDITY_H

#include <cstddef>
#include <cstdint>

// Whether bytes fed in pieces of any size form well-formed UTF-8: no
// overlong form, no surrogate, nothing beyond U+10FFFF, no stray
// continuation byte and no character cut short at the end. Start from {}.
struct Utf8Validity {
  uint8_t continuations_left;  // continuation bytes the current character still needs
  uint8_t lowest;              // bounds of the next continuation byte, which
  uint8_t highest;             // rule out overlong forms, surrogates and too high values
  bool broken;                 // some byte fed so far cannot be UTF-8
};

// Takes the next `size` bytes; does nothing more once the text is broken.
void utf8_validity_feed(Utf8Validity& validity, const char* data, std::size_t size);

// True when everything fed so far, taken as the whole text, is valid UTF-8.
bool utf8_validity_complete(const Utf8Validity& validity);

// True when the file open on `fd` is valid UTF-8 from its first byte to its
// end, read without moving the descriptor's offset; false as soon as it is
// not, and when it cannot be read.
bool file_is_utf8(int fd);

#endif
