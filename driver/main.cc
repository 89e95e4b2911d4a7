#include <QCoreApplication>
#include <vector>

#include "driver/messages.h"
#include "driver/run_loop.h"

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  setup_translations();
  std::vector<const char*> sources(argv + 1, argv + argc);
  return run_sources(sources);
}
