// The message and language-string formatter: the pattern is the input up to its first zero byte
// (each byte one character, so every pattern is reachable), the rest describes the arguments.
#include "base/format.h"

#include <cstring>
#include <string>
#include <vector>

#include "base/errors.h"
#include "fuzz_target.h"

namespace {

// Hands out the input's bytes from the front; past the end it gives zeros.
class TInputBytes {
 public:
  TInputBytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool Empty() const { return at_ >= size_; }
  uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  template <class T>
  T Value() {
    unsigned char bytes[sizeof(T)] = {};
    for (unsigned char& byte : bytes) byte = Byte();
    T value;
    std::memcpy(&value, bytes, sizeof(T));
    return value;
  }
  std::string Text() {
    std::string text;
    for (size_t length = Byte(); length > 0 && !Empty(); --length)
      text += static_cast<char>(Byte());
    return text;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

TVarRec Argument(TInputBytes& input) {
  switch (input.Byte() % 8) {
    case 0:
      return TVarRec(input.Value<int32_t>());
    case 1:
      return TVarRec(input.Value<int64_t>());
    case 2:
      return TVarRec(input.Value<double>());
    case 3: {
      const std::string text = input.Text();
      return TVarRec(WideString(text.begin(), text.end()));
    }
    case 4:
      return TVarRec(input.Text());
    case 5:
      return TVarRec(static_cast<char16_t>(input.Value<uint16_t>()));
    case 6:
      return TVarRec(input.Byte() % 2 == 0);
    default:
      return TVarRec(static_cast<const void*>(nullptr));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const uint8_t* end = static_cast<const uint8_t*>(std::memchr(data, 0, size));
  const size_t patternSize = end != nullptr ? static_cast<size_t>(end - data) : size;
  const WideString pattern(data, data + patternSize);
  const size_t argsStart = end != nullptr ? patternSize + 1 : size;
  TInputBytes input(data + argsStart, size - argsStart);
  std::vector<TVarRec> args;
  while (!input.Empty()) args.push_back(Argument(input));
  try {
    Format(pattern, args);
  } catch (const Exception&) {
    // A pattern that does not fit its arguments is refused with the formatter's own message.
  }
  return 0;
}
