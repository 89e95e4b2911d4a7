#ifndef MIRELCHOP_TESTS_STREAM_CAPTURE_H
#define MIRELCHOP_TESTS_STREAM_CAPTURE_H

#include <cstdio>
#include <string>

// Redirects a standard stream (stdout or stderr) into a temporary file for
// its lifetime, so a test can read what the code under test printed.
class StreamCapture {
 public:
  explicit StreamCapture(FILE* stream);
  ~StreamCapture();
  StreamCapture(const StreamCapture&) = delete;
  StreamCapture& operator=(const StreamCapture&) = delete;

  // Everything written to the stream since the capture began.
  std::string text();

 private:
  FILE* stream_;
  FILE* sink_;
  int saved_fd_;
};

#endif
