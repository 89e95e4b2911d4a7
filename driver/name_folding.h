#ifndef MIRELCHOP_DRIVER_NAME_FOLDING_H
#define MIRELCHOP_DRIVER_NAME_FOLDING_H

#include <cstddef>

// Lowers an ASCII capital; every other byte passes as it is.
constexpr char lower_ascii(char byte) { return byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a') : byte; }

// True when some byte of the NUL-terminated `text` is 0x80 or above.
bool beyond_ascii(const char* text);

// The most bytes fold_name can write for a name of `length` bytes: folding
// keeps every character's length, so `length`.
constexpr std::size_t folded_capacity(std::size_t length) { return length; }

// Writes the `length` bytes of `name` lowered to `out` (room for
// folded_capacity(length) bytes) and returns how many it wrote. Letters are
// lowered as GNAT lowers them in file names: the ASCII capitals, and the
// capitals of Latin-1, U+00C0 to U+00DE (U+00D7, the multiplication sign,
// apart), which lower by 0x20. When `utf8`, the other bytes are read as
// UTF-8 characters, and those capitals are lowered in their UTF-8 form;
// every other character, and a byte that starts no complete character,
// passes unchanged. Otherwise each byte is a Latin-1 character.
std::size_t fold_name(const char* name, std::size_t length, bool utf8, char* out);

#endif
