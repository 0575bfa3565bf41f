#pragma once
// Byte streams: the data package serves items as streams, and text and images load from them.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/tobject.h"

class TStream : public TObject {
  SW_CLASS(TStream)

  // Reads up to `count` bytes at the position and advances it; returns the bytes read.
  virtual size_t Read(void* buffer, size_t count) = 0;
  // Writes `count` bytes at the position and advances it; fails with "Stream write error".
  virtual void Write(const void* buffer, size_t count) = 0;
  virtual int64_t Size() const = 0;
  virtual int64_t Position() const = 0;
  // Any position from 0 on, also past the end; a negative one fails with "Stream seek error".
  virtual void SetPosition(int64_t position) = 0;

  // Every byte from the position to the end, leaving the position at the end.
  std::string ReadRemaining();
  // Reads exactly `count` bytes or fails with "Stream read error".
  void ReadBuffer(void* buffer, size_t count);
  // Copies all of `source` from its position to its end into this stream.
  void CopyFrom(TStream& source);
};
