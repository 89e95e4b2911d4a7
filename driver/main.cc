#include <QCoreApplication>
#include <vector>

#include "driver/command_line.h"
#include "driver/messages.h"
#include "driver/naming.h"
#include "driver/run_loop.h"
#include "driver/standard_streams.h"

int main(int argc, char** argv) {
  ensure_standard_streams_open();
  QCoreApplication application(argc, argv);
  setup_translations();
  read_naming_environment("MIRELCHOP");
  const std::vector<const char*> sources = parse_command_line(argc, argv);
  end_after_standard_output(run_sources(sources));
}
