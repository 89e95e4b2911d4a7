#include "driver/messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdlib>
#include <cstring>

#include "driver/ac_mem.h"
#include "driver/process_exit.h"

namespace {

// Loads `base_name` + locale from `directory` into `translator` and installs
// it when it loads. Translators live as long as the process.
void install_catalogue(QTranslator& translator, const QString& base_name, const QString& directory) {
  if (translator.load(base_name, directory, QString(), QString())) QCoreApplication::installTranslator(&translator);
}

}  // namespace

void setup_translations() {
  const char* kovardir = std::getenv("KOVARDIR");
  QString root = kovardir ? QString::fromLocal8Bit(kovardir) : QString();
  if (root.isEmpty()) {
    std::fputs("Fatal Error: please setup KOVARDIR environment variable.\n", stderr);
    end_process(7);
  }
  const QString separator = QDir::separator();
  QFileInfo directory(root + separator + "lib" + separator + "locale");
  if (!directory.isDir()) {
    print_message_template(stderr, directory.filePath(), "Fatal Error: directory doesn't exist '%s'\n");
    end_process(7);
  }
  // Installed last, consulted first: the product catalogue wins over the tool's.
  const QString locale = QLocale::system().name();
  static QTranslator* const translators[2] = {new QTranslator, new QTranslator};
  install_catalogue(*translators[0], "orvchoptags_" + locale, directory.filePath());
  install_catalogue(*translators[1], "plovident_" + locale, directory.filePath());
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
  ac_free(ac_alloc(8 * std::strlen(bytes)));
  return QString::fromLocal8Bit(bytes);
}

void print_message(FILE* channel, const QString& text) {
  const QByteArray bytes = text.toLocal8Bit();
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), channel);
}

void print_message_template(FILE* channel, const QString& text, const char* tmpl) {
  if (tmpl == nullptr || *tmpl == '\0') {
    print_message(channel, text);
    return;
  }
  std::fprintf(channel, tmpl, text.toLocal8Bit().constData());
}

void fail(int status, const QString& message) {
  print_message(stderr, message);
  end_process(status);
}
