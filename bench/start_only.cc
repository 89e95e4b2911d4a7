// The program's start-up and nothing else: standard streams, the
// application object, the catalogues for the user's locale, the naming and
// revision environment, in the program's order. Run once per file beside the
// tools, it shows the share of a one-file run that loading and starting Qt
// takes.
//
//   start_only [ignored arguments...]     status 0

#include <QCoreApplication>

#include "driver/messages.h"
#include "driver/naming.h"
#include "driver/revision_environment.h"
#include "driver/standard_streams.h"

int main(int argc, char** argv) {
  ensure_standard_streams_open();
  QCoreApplication application(argc, argv);
  setup_translations();
  read_naming_environment("MIRELCHOP");
  read_revision_environment("MIRELCHOP_ADA");
  return 0;
}
