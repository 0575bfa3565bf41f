#pragma once
// A memory stream that refuses to grow past a byte limit, for tests of writers that must pass
// a write failure on to their caller.
#include <cstddef>

#include "base/errors.h"
#include "platform/memory_stream.h"

class TFailingStream : public TMemoryStream {
 public:
  explicit TFailingStream(size_t limit) : limit_(limit) {}

  void Write(const void* buffer, size_t count) override {
    if (static_cast<size_t>(Position()) + count > limit_) Raise<EOSError>(u"Stream write error");
    TMemoryStream::Write(buffer, count);
  }

 private:
  size_t limit_;
};
