#ifndef MIRELCHOP_DRIVER_MESSAGES_H
#define MIRELCHOP_DRIVER_MESSAGES_H

#include <QString>
#include <cstdio>

// Loads the two catalogues for the user's locale from $KOVARDIR/lib/locale
// and installs those whose structure is sound into the application object. Ends the process with
// status 7 when KOVARDIR is unset or empty or the directory is missing.
void setup_translations();

// The translation of (context, source text, comment) from the installed
// catalogues, or the source text when none has it.
QString translate(const char* context, const char* source_text, const char* comment = nullptr);

// Bytes from the command line, the environment or the file system, decoded
// as UTF-8 so that they print back as the same bytes, even those that are
// not UTF-8.
QString local_text(const char* bytes);

// Writes `text` as UTF-8 to `channel`, literally; file names in it from
// local_text come out as the user's bytes.
void print_message(FILE* channel, const QString& text);

// Writes `tmpl` with its first %s replaced by the local bytes of `text`; the
// rest of `tmpl` is written as it stands, never read as a format. Without a
// template (null or empty) behaves as print_message.
void print_message_template(FILE* channel, const QString& text, const char* tmpl);

// Prints `message` on standard error and ends the process with `status`.
[[noreturn]] void fail(int status, const QString& message);

#endif
