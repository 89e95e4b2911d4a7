#include "tests/stream_capture.h"

#include <unistd.h>

#include <stdexcept>

StreamCapture::StreamCapture(FILE* stream) : stream_(stream), sink_(std::tmpfile()) {
  if (sink_ == nullptr) throw std::runtime_error("tmpfile");
  std::fflush(stream_);
  saved_fd_ = dup(fileno(stream_));
  dup2(fileno(sink_), fileno(stream_));
}

StreamCapture::~StreamCapture() {
  std::fflush(stream_);
  dup2(saved_fd_, fileno(stream_));
  close(saved_fd_);
  std::fclose(sink_);
}

std::string StreamCapture::text() {
  std::fflush(stream_);
  std::string content;
  std::rewind(sink_);
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, sink_)) > 0) content.append(buffer, n);
  return content;
}
