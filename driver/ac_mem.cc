#include "driver/ac_mem.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "driver/messages.h"
#include "driver/process_exit.h"

namespace {

// Room set aside at start-up and handed back when memory runs out: forming
// the translated message allocates (Qt throws when it cannot), and without
// it the report of exhaustion would itself die of exhaustion.
constexpr std::size_t reserve_size = 64 * 1024;
void* reserve = std::malloc(reserve_size);

// True while the message is being formed; a request that fails meanwhile
// must not start the report over again.
bool reporting = false;

// The message in its source text, formed and written without allocating.
void write_untranslated(std::size_t size) {
  char text[96];
  const int length = std::snprintf(text, sizeof text, "\nFatal Error: cannot allocate %zu bytes\n", size);
  if (length > 0) (void)!write(STDERR_FILENO, text, static_cast<std::size_t>(length));
}

}  // namespace

void memory_exhausted(std::size_t size) {
  if (reporting) {
    write_untranslated(size);
    end_process(9);
  }
  reporting = true;
  std::free(reserve);
  reserve = nullptr;
  try {
    print_message(stderr, translate("Fatal Error", "\nFatal Error: cannot allocate %1 bytes\n",
                                    "%1 is the unallocatable size (a number)")
                              .arg(static_cast<qulonglong>(size)));
  } catch (const std::bad_alloc&) {
    write_untranslated(size);
  }
  // Set aside again for a caller that intercepts the end and goes on.
  reporting = false;
  reserve = std::malloc(reserve_size);
  end_process(9);
}

void* ac_alloc(std::size_t size) {
  // glibc's calloc never takes a block from the per-thread cache that free
  // fills, so a small block, as most of the parse's are, costs several times
  // more through it than through malloc and a fill; a large one comes from
  // calloc, which takes it already zeroed from the kernel. A zero-size
  // request still gets a block.
  constexpr std::size_t small_block = 1024;
  void* block = size <= small_block ? std::malloc(size == 0 ? 1 : size) : std::calloc(size, 1);
  if (block == nullptr) memory_exhausted(size);
  if (size <= small_block) std::memset(block, 0, size);
  return block;
}

void* ac_realloc(void* block, std::size_t size) {
  void* grown = std::realloc(block, size == 0 ? 1 : size);
  if (grown == nullptr) memory_exhausted(size);
  return grown;
}

void* ac_try_alloc(std::size_t size) { return std::malloc(size == 0 ? 1 : size); }

void ac_free(void* block) { std::free(block); }

// The containers' memory obeys the same guard as ac_alloc: exhaustion is the
// allocation message and status 9, never an uncaught exception.
void* operator new(std::size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) memory_exhausted(size);
  return block;
}

void* operator new[](std::size_t size) { return ::operator new(size); }

// Callers of the nothrow forms handle a null result themselves.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return std::malloc(size == 0 ? 1 : size);
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return std::malloc(size == 0 ? 1 : size);
}

void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }

// GCC marks an AddressSanitizer build with __SANITIZE_ADDRESS__; clang (the
// fuzz build) may only answer __has_feature. The sanitizer's own allocator
// must not be interposed again: it fails before main.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ALLOCATOR_OWNED_BY_SANITIZER
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define ALLOCATOR_OWNED_BY_SANITIZER
#endif

#if !defined(ALLOCATOR_OWNED_BY_SANITIZER)
// The C allocator's entry points, interposed for the whole process so that
// a failed request made inside a library leaves its size behind. glibc's
// own functions do the work.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
}

namespace {
std::size_t last_failed_size = 0;

void* noted(void* block, std::size_t size) {
  if (block == nullptr) last_failed_size = size;
  return block;
}
}  // namespace

extern "C" void* malloc(std::size_t size) noexcept { return noted(__libc_malloc(size), size); }
extern "C" void* calloc(std::size_t count, std::size_t size) noexcept {
  return noted(__libc_calloc(count, size), count * size);
}
extern "C" void* realloc(void* block, std::size_t size) noexcept { return noted(__libc_realloc(block, size), size); }

std::size_t failed_request_size() { return last_failed_size; }
#else
// AddressSanitizer has interposed the allocator itself.
std::size_t failed_request_size() { return 0; }
#endif

#if defined(__SANITIZE_ADDRESS__)
// Under AddressSanitizer a failed request must still come back as null, so
// that exhaustion takes the same path as in the plain build.
extern "C" const char* __asan_default_options() { return "allocator_may_return_null=1"; }
#endif
