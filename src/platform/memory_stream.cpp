#include "platform/memory_stream.h"

#include <algorithm>
#include <cstring>

#include "base/errors.h"

SW_CLASS_DEFINE(TMemoryStream, TStream)

size_t TMemoryStream::Read(void* buffer, size_t count) {
  if (position_ >= Size()) return 0;
  const size_t got = std::min(count, static_cast<size_t>(Size() - position_));
  std::memcpy(buffer, bytes_.data() + position_, got);
  position_ += static_cast<int64_t>(got);
  return got;
}

void TMemoryStream::Write(const void* buffer, size_t count) {
  const size_t end = static_cast<size_t>(position_) + count;
  if (end > bytes_.size()) bytes_.resize(end);
  if (count > 0) std::memcpy(bytes_.data() + position_, buffer, count);
  position_ = static_cast<int64_t>(end);
}

void TMemoryStream::SetPosition(int64_t position) {
  if (position < 0) Raise<EOSError>(u"Stream seek error");
  position_ = position;
}

void TMemoryStream::Clear() {
  bytes_.clear();
  position_ = 0;
}
