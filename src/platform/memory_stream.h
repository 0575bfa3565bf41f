#pragma once
#include <string>

#include "platform/stream.h"

// A growable stream held in memory. Writing past the end fills the gap with zero bytes.
class TMemoryStream : public TStream {
  SW_CLASS(TMemoryStream)

  TMemoryStream() = default;
  explicit TMemoryStream(std::string bytes) : bytes_(std::move(bytes)) {}

  size_t Read(void* buffer, size_t count) override;
  void Write(const void* buffer, size_t count) override;
  int64_t Size() const override { return static_cast<int64_t>(bytes_.size()); }
  int64_t Position() const override { return position_; }
  void SetPosition(int64_t position) override;

  const std::string& Bytes() const { return bytes_; }
  void Clear();

 private:
  std::string bytes_;
  int64_t position_ = 0;
};
