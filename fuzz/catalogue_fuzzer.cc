// Fuzz target: a compiled message catalogue of arbitrary bytes. One that the
// check accepts is loaded and asked for every message of the program (and
// for a context it does not hold), which must read nothing outside it. Qt's
// own code carries no sanitizer, so the bytes are placed to end just before
// an inaccessible page: a read past them is a crash libFuzzer records.

#include <sys/mman.h>
#include <unistd.h>

#include <QFile>
#include <QString>
#include <QTranslator>
#include <QXmlStreamReader>
#include <cstddef>
#include <cstdint>
#include <cstring>
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

// Room for the largest input, followed by one inaccessible page.
unsigned char* fenced_area = nullptr;
std::size_t fenced_size = 0;

void make_fenced_area(std::size_t largest) {
  const std::size_t page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  fenced_size = (largest + page - 1) / page * page;
  void* area = mmap(nullptr, fenced_size + page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  fuzz_check(area != MAP_FAILED, "mmap");
  fenced_area = static_cast<unsigned char*>(area);
  fuzz_check(mprotect(fenced_area + fenced_size, page, PROT_NONE) == 0, "mprotect");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  read_messages(QStringLiteral(CATALOGUE_SOURCE_DIR "/orvchoptags_fr.ts"));
  read_messages(QStringLiteral(CATALOGUE_SOURCE_DIR "/plovident_fr.ts"));
  // fuzz/run caps inputs at 16 KB.
  make_fenced_area(1 << 16);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size > fenced_size || !catalogue_is_sound(data, size)) return 0;
  unsigned char* fenced = fenced_area + fenced_size - size;
  std::memcpy(fenced, data, size);
  QTranslator translator;
  if (!translator.load(fenced, static_cast<int>(size))) return 0;
  for (const Message& message : program_messages) {
    translator.translate(message.context.c_str(), message.source.c_str(), message.comment.c_str());
    translator.translate(message.context.c_str(), message.source.c_str(), nullptr);
  }
  translator.translate("No such context", "No such message", nullptr);
  return 0;
}
