#include "chop/interrupt_cleanup.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>

namespace {

// What the handler reads. The handler runs on the program's only thread, in
// between any two of its instructions, so each field is one lock-free
// atomic, set only once what it points to is complete.
std::atomic<const char*> copy_name{nullptr};
std::atomic<const char*> unit_path{nullptr};
std::atomic<const char*> keep_notice{nullptr};
std::atomic<std::size_t> keep_notice_length{0};
// While a file is created and not yet tracked, a signal is only noted here
// and acted on when the creation is over.
std::atomic<bool> deferring{false};
std::atomic<int> pending_signal{0};
static_assert(std::atomic<const char*>::is_always_lock_free);

constexpr int handled_signals[] = {SIGHUP, SIGINT, SIGPIPE, SIGTERM};

// Removes what is at stake with async-signal-safe calls only, then ends the
// process by `signal_number` with its default action: in the handler the
// signal raised again is delivered on return, elsewhere at once.
void clean_up_and_end(int signal_number) {
  if (const char* path = unit_path.load()) unlink(path);
  if (const char* notice = keep_notice.load()) {
    (void)!write(STDERR_FILENO, notice, keep_notice_length.load());
  } else if (const char* name = copy_name.load()) {
    unlink(name);
  }
  signal(signal_number, SIG_DFL);
  raise(signal_number);
}

void on_interrupt(int signal_number) {
  if (deferring.load())
    pending_signal.store(signal_number);
  else
    clean_up_and_end(signal_number);
}

}  // namespace

void install_interrupt_cleanup() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  // A write past a file-size limit then fails with EFBIG and ends the chop
  // through its error path, with a message and no half-written file left,
  // instead of killing the process on the spot.
  struct sigaction file_size = {};
  if (sigaction(SIGXFSZ, nullptr, &file_size) == 0 && file_size.sa_handler == SIG_DFL) signal(SIGXFSZ, SIG_IGN);
  for (const int signal_number : handled_signals) {
    struct sigaction current = {};
    if (sigaction(signal_number, nullptr, &current) != 0 || current.sa_handler != SIG_DFL) continue;
    struct sigaction action = {};
    action.sa_handler = on_interrupt;
    // A deferred signal must not cut short the creation it waits for.
    action.sa_flags = SA_RESTART;
    sigfillset(&action.sa_mask);
    sigaction(signal_number, &action, nullptr);
  }
}

void interrupt_track_copy(const char* name) { copy_name.store(name); }

void interrupt_track_unit(const char* path) { unit_path.store(path); }

void interrupt_keep_copy(const char* notice, std::size_t length) {
  keep_notice_length.store(length);
  keep_notice.store(notice);
}

void interrupt_forget_all() {
  unit_path.store(nullptr);
  keep_notice.store(nullptr);
  copy_name.store(nullptr);
}

void interrupt_defer() { deferring.store(true); }

void interrupt_resume() {
  deferring.store(false);
  if (const int signal_number = pending_signal.exchange(0)) clean_up_and_end(signal_number);
}
