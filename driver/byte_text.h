#ifndef MIRELCHOP_DRIVER_BYTE_TEXT_H
#define MIRELCHOP_DRIVER_BYTE_TEXT_H

#include <QByteArray>
#include <QString>
#include <cstddef>

// Decodes UTF-8 `bytes` (file names, words of the command line, the
// environment) without losing any: each byte that is not part of a valid
// UTF-8 sequence becomes the lone code unit U+DC00 + byte, which no message
// text holds. Qt would put U+FFFD in its place, and the name would print as
// another file's.
QString text_from_bytes(const char* bytes, std::size_t size);

// Encodes `text` as UTF-8, giving each lone code unit U+DC80..U+DCFF from
// text_from_bytes back as the byte it stands for: a name spliced into a
// translated message prints as the user's bytes.
QByteArray bytes_from_text(const QString& text);

#endif
