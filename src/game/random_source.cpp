#include "game/random_source.h"

#include <chrono>

#include "base/errors.h"

int32_t TRandomSource::Next(int32_t n) {
  if (n < 1)
    Raise<EInvalidArgument>(u"TRandomSource.Next needs a positive bound, but %d was given.", {n});
  return std::uniform_int_distribution<int32_t>(0, n - 1)(engine_);
}

TRandomSource& RandomSource() {
  static TRandomSource source(
      static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  return source;
}
