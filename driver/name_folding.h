#ifndef MIRELCHOP_DRIVER_NAME_FOLDING_H
#define MIRELCHOP_DRIVER_NAME_FOLDING_H

#include <cstddef>

// Lowers an ASCII capital; every other byte passes as it is.
constexpr char lower_ascii(char byte) { return byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a') : byte; }

// True when some byte of the NUL-terminated `text` is 0x80 or above.
bool beyond_ascii(const char* text);

// The most bytes fold_name can write for a name of `length` bytes: lowering
// a character can lengthen its UTF-8 form (U+023A, two bytes, lowers to
// U+2C65, three), never to more than twice.
constexpr std::size_t folded_capacity(std::size_t length) { return 2 * length; }

// Writes the `length` bytes of `name` lowered to `out` (room for
// folded_capacity(length) bytes) and returns how many it wrote. ASCII
// capitals lower as always. Other bytes, when `utf8`, are read as UTF-8
// characters, each lowered by its Unicode simple lower-case mapping, one
// character to one (a byte that starts no complete character passes
// unchanged). The capital I with a dot above, U+0130, is kept: Ada holds it
// distinct from I, and as an ASCII i it would give İZ the file of IZ.
// Otherwise each byte is a Latin-1 character, and the capitals 0xC0 to 0xDE
// (0xD7, the multiplication sign, apart) lower by 0x20.
std::size_t fold_name(const char* name, std::size_t length, bool utf8, char* out);

#endif
