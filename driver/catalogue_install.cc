#include "driver/catalogue_install.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QTranslator>
#include <cstdio>

#include "driver/ac_mem.h"
#include "driver/catalogue_check.h"
#include "driver/messages.h"

namespace {

// A readable regular file at `path`, as the translator's own search asks.
bool is_readable_file(const std::string& path) {
  struct stat status;
  return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) && ::access(path.c_str(), R_OK) == 0;
}

// The path of the catalogue the translator would load, or empty.
std::string find_catalogue(const std::string& directory, std::string name) {
  const std::string prefix = directory.empty() || directory.back() == '/' ? directory : directory + '/';
  for (;;) {
    if (is_readable_file(prefix + name + ".qm")) return prefix + name + ".qm";
    if (is_readable_file(prefix + name)) return prefix + name;
    const std::size_t cut = name.find_last_of("_.");
    if (cut == std::string::npos || cut == 0) return std::string();
    name.resize(cut);
  }
}

// Far above any real catalogue (the tool's are a few kilobytes): a larger
// file is judged damaged unread, rather than read whole into memory first.
constexpr off_t largest_catalogue = 16 * 1024 * 1024;

// How the reading of a catalogue went.
enum class CatalogueRead { read, absent, damaged };

// Reads the whole file at `path` into a block that lives as long as the
// process (the translator keeps pointing into it). A file that cannot be
// opened, or is no regular file, is absent; one larger than any catalogue,
// or too large for the memory left, is damaged, never the end of the run.
CatalogueRead read_whole_file(const std::string& path, unsigned char*& data, std::size_t& size) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return CatalogueRead::absent;
  struct stat status;
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    return CatalogueRead::absent;
  }
  if (status.st_size > largest_catalogue) {
    ::close(fd);
    return CatalogueRead::damaged;
  }
  size = static_cast<std::size_t>(status.st_size);
  data = static_cast<unsigned char*>(ac_try_alloc(size));
  if (data == nullptr) {
    ::close(fd);
    return CatalogueRead::damaged;
  }
  std::size_t done = 0;
  while (done < size) {
    const ssize_t got = ::read(fd, data + done, size - done);
    if (got <= 0) break;
    done += static_cast<std::size_t>(got);
  }
  ::close(fd);
  // A file that shrank while it was read is checked as it was read.
  size = done;
  return CatalogueRead::read;
}

// Warns that the catalogue at `path` is not used.
void warn_damaged(const std::string& path) {
  print_message(stderr, translate("Error", "Warning: the message catalogue \"%1\" is damaged, it is not used.\n",
                                  "%1 is a file name")
                            .arg(local_text(path.c_str())));
}

}  // namespace

void install_checked_catalogue(const std::string& directory, const std::string& base_name) {
  const std::string path = find_catalogue(directory, base_name);
  if (path.empty()) return;
  unsigned char* data = nullptr;
  std::size_t size = 0;
  const CatalogueRead read = read_whole_file(path, data, size);
  if (read == CatalogueRead::absent) return;
  if (read == CatalogueRead::damaged) {
    warn_damaged(path);
    return;
  }
  auto* translator = new QTranslator;
  if (!catalogue_is_sound(data, size) ||
      !translator->load(data, static_cast<int>(size))) {
    delete translator;
    ac_free(data);
    warn_damaged(path);
    return;
  }
  QCoreApplication::installTranslator(translator);
}
