// Fuzz target: a compiled message catalogue of arbitrary bytes. One that the
// check accepts is loaded and asked for every message of the program (and
// for a context it does not hold), which must read nothing outside it.

#include <QFile>
#include <QString>
#include <QTranslator>
#include <QXmlStreamReader>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "driver/catalogue_check.h"
#include "fuzz/fuzz_check.h"

namespace {

// One message as the program asks for it.
struct Message {
  std::string context;
  std::string source;
  std::string comment;
};

// Every message of the program, read from the French catalogue sources,
// which list them all.
std::vector<Message> program_messages;

void read_messages(const QString& path) {
  QFile file(path);
  fuzz_check(file.open(QIODevice::ReadOnly), "cannot read a catalogue source");
  QXmlStreamReader xml(&file);
  std::string context;
  Message message;
  while (!xml.atEnd()) {
    if (!xml.readNextStartElement()) continue;
    const auto element = xml.name();
    if (element == QLatin1String("name")) {
      context = xml.readElementText().toStdString();
    } else if (element == QLatin1String("message")) {
      message = Message{context, {}, {}};
    } else if (element == QLatin1String("source")) {
      message.source = xml.readElementText().toStdString();
      program_messages.push_back(message);
    } else if (element == QLatin1String("comment")) {
      program_messages.back().comment = xml.readElementText().toStdString();
    }
  }
  fuzz_check(!program_messages.empty(), "no messages in the catalogue sources");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  read_messages(QStringLiteral(CATALOGUE_SOURCE_DIR "/orvchoptags_fr.ts"));
  read_messages(QStringLiteral(CATALOGUE_SOURCE_DIR "/plovident_fr.ts"));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (!catalogue_is_sound(data, size)) return 0;
  QTranslator translator;
  if (!translator.load(data, static_cast<int>(size))) return 0;
  for (const Message& message : program_messages) {
    translator.translate(message.context.c_str(), message.source.c_str(), message.comment.c_str());
    translator.translate(message.context.c_str(), message.source.c_str(), nullptr);
  }
  translator.translate("No such context", "No such message", nullptr);
  return 0;
}
