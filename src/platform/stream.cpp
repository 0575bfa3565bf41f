#include "platform/stream.h"

#include "base/errors.h"

SW_CLASS_DEFINE(TStream, TObject)

namespace {
constexpr size_t kCopyChunk = 64 * 1024;
}

std::string TStream::ReadRemaining() {
  std::string bytes;
  const int64_t left = Size() - Position();
  if (left > 0) bytes.reserve(static_cast<size_t>(left));
  char chunk[kCopyChunk];
  while (size_t got = Read(chunk, sizeof chunk)) bytes.append(chunk, got);
  return bytes;
}

void TStream::ReadBuffer(void* buffer, size_t count) {
  if (Read(buffer, count) != count) Raise<EOSError>(u"Stream read error");
}

void TStream::CopyFrom(TStream& source) {
  char chunk[kCopyChunk];
  while (size_t got = source.Read(chunk, sizeof chunk)) Write(chunk, got);
}
