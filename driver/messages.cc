#include "driver/messages.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QLocale>
#include <cstdlib>
#include <cstring>
#include <string>

#include "driver/ac_mem.h"
#include "driver/byte_text.h"
#include "driver/catalogue_install.h"
#include "driver/process_exit.h"

void setup_translations() {
  const char* kovardir = std::getenv("KOVARDIR");
  if (kovardir == nullptr || *kovardir == '\0') {
    std::fputs("Fatal Error: please setup KOVARDIR environment variable.\n", stderr);
    end_process(7);
  }
  // The directory is the user's bytes, whatever their encoding.
  const std::string directory = std::string(kovardir) + "/lib/locale";
  struct stat status;
  if (::stat(directory.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) {
    print_message_template(stderr, local_text(directory.c_str()), "Fatal Error: directory doesn't exist '%s'\n");
    end_process(7);
  }
  // Installed last, consulted first: the product catalogue wins over the tool's.
  const std::string locale = QLocale::system().name().toStdString();
  install_checked_catalogue(directory, "orvchoptags_" + locale);
  install_checked_catalogue(directory, "plovident_" + locale);
}

QString translate(const char* context, const char* source_text, const char* comment) {
  return QCoreApplication::translate(context, source_text, comment);
}

QString local_text(const char* bytes) {
  // Qt's own allocations throw instead of going through the guard. A message
  // built around a long text (the path of a unit named by megabytes of
  // identifier) holds it several times over, in UTF-16 and in local bytes;
  // asking the guard for that much first turns a shortage into the
  // allocation message and status 9 rather than an abort.
  const std::size_t size = std::strlen(bytes);
  ac_free(ac_alloc(8 * size));
  return text_from_bytes(bytes, size);
}

void print_message(FILE* channel, const QString& text) {
  const QByteArray bytes = bytes_from_text(text);
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), channel);
}

void print_message_template(FILE* channel, const QString& text, const char* tmpl) {
  const char* slot = tmpl == nullptr ? nullptr : std::strstr(tmpl, "%s");
  if (tmpl == nullptr || *tmpl == '\0') {
    print_message(channel, text);
    return;
  }
  if (slot == nullptr) {
    std::fputs(tmpl, channel);
    return;
  }
  const QByteArray bytes = bytes_from_text(text);
  std::fwrite(tmpl, 1, static_cast<size_t>(slot - tmpl), channel);
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), channel);
  std::fputs(slot + 2, channel);
}

void fail(int status, const QString& message) {
  print_message(stderr, message);
  end_process(status);
}
