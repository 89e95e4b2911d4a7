#include "driver/catalogue_install.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QTranslator>
#include <climits>
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

// Reads the whole file at `path` into a block that lives as long as the
// process (the translator keeps pointing into it); false when it cannot.
bool read_whole_file(const std::string& path, unsigned char*& data, std::size_t& size) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat status;
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    return false;
  }
  size = static_cast<std::size_t>(status.st_size);
  data = static_cast<unsigned char*>(ac_alloc(size));
  std::size_t done = 0;
  while (done < size) {
    const ssize_t got = ::read(fd, data + done, size - done);
    if (got <= 0) break;
    done += static_cast<std::size_t>(got);
  }
  ::close(fd);
  // A file that shrank while it was read is checked as it was read.
  size = done;
  return true;
}

}  // namespace

void install_checked_catalogue(const std::string& directory, const std::string& base_name) {
  const std::string path = find_catalogue(directory, base_name);
  if (path.empty()) return;
  unsigned char* data = nullptr;
  std::size_t size = 0;
  if (!read_whole_file(path, data, size)) return;
  auto* translator = new QTranslator;
  if (size > INT_MAX || !catalogue_is_sound(data, size) ||
      !translator->load(data, static_cast<int>(size))) {
    delete translator;
    ac_free(data);
    print_message(stderr, translate("Error", "Warning: the message catalogue \"%1\" is damaged, it is not used.\n",
                                    "%1 is a file name")
                              .arg(local_text(path.c_str())));
    return;
  }
  QCoreApplication::installTranslator(translator);
}
