#ifndef MIRELCHOP_DRIVER_MESSAGES_H
#define MIRELCHOP_DRIVER_MESSAGES_H

#include <QString>
#include <cstdio>

// Loads the two catalogues for the user's locale from $KOVARDIR/lib/locale
// and installs them into the application object. Ends the process with
// status 7 when KOVARDIR is unset or empty or the directory is missing.
void setup_translations();

// The translation of (context, source text, comment) from the installed
// catalogues, or the source text when none has it.
QString translate(const char* context, const char* source_text, const char* comment = nullptr);

// Bytes from the command line, the environment or the file system, decoded
// in the locale's encoding so that they print back as the same bytes.
QString local_text(const char* bytes);

// Writes `text` in the locale's 8-bit encoding to `channel`, literally.
void print_message(FILE* channel, const QString& text);

// Writes `tmpl` with its one %s replaced by the local bytes of `text`; without
// a template (null or empty) behaves as print_message.
void print_message_template(FILE* channel, const QString& text, const char* tmpl);

// Prints `message` on standard error and ends the process with `status`.
[[noreturn]] void fail(int status, const QString& message);

#endif
