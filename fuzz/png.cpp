// A PNG image as the package decodes it: refused with the decoder's message, or decoded into
// pixels that can all be read.
#include <string>

#include "base/errors.h"
#include "fuzz_target.h"
#include "platform/memory_stream.h"
#include "platform/png_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TMemoryStream stream(std::string(reinterpret_cast<const char*>(data), size));
  TPngImage image;
  try {
    image.LoadFromStream(stream);
  } catch (const Exception&) {
    return 0;
  }
  unsigned sum = 0;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) sum += image.Pixel(x, y).A;
  // Keeps the reads from being optimised away.
  volatile unsigned total = sum;
  (void)total;
  return 0;
}
