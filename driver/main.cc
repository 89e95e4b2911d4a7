#include <QCoreApplication>
#include <cstdlib>
#include <new>
#include <vector>

#include "driver/ac_mem.h"
#include "driver/command_line.h"
#include "driver/messages.h"
#include "driver/naming.h"
#include "driver/revision_environment.h"
#include "driver/run_loop.h"
#include "driver/standard_streams.h"

int main(int argc, char** argv) {
  ensure_standard_streams_open();
  // The program has no event loop. Qt's GLib event dispatcher would only
  // cost start-up time, and, short of memory, GLib aborts instead of failing
  // through the guarded allocator. A value the user set stays.
  setenv("QT_NO_GLIB", "1", 0);
  try {
    QCoreApplication application(argc, argv);
    setup_translations();
    read_naming_environment("MIRELCHOP");
    read_revision_environment("MIRELCHOP_ADA");
    const std::vector<const char*> sources = parse_command_line(argc, argv);
    end_after_standard_output(run_sources(sources));
  } catch (const std::bad_alloc&) {
    // Qt's own containers throw when the heap is exhausted.
    memory_exhausted(failed_request_size());
  }
}
