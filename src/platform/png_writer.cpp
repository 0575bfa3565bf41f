#include "platform/png_writer.h"

#include <csetjmp>

#include "base/errors.h"
#include "platform/png_failure.h"
#include "platform/png_image.h"
#include "platform/stream.h"

namespace {

void OnPngWrite(png_structp png, png_bytep data, size_t length) {
  TPngFailure& failure = *static_cast<TPngFailure*>(png_get_io_ptr(png));
  try {
    failure.Stream->Write(data, length);
  } catch (...) {
    failure.StreamError = std::current_exception();
  }
  // Outside the handler: the jump must not skip the exception's clean-up.
  if (failure.StreamError) png_error(png, "Write Error");
}

// TStream has nothing to flush: every Write has reached the stream when it returns.
void OnPngFlush(png_structp) {}

class TPngEncoder {
 public:
  explicit TPngEncoder(TPngFailure& failure) {
    png_ = png_create_write_struct(PNG_LIBPNG_VER_STRING, &failure, OnPngFailure, OnPngWarning);
    if (png_ != nullptr) info_ = png_create_info_struct(png_);
    if (info_ == nullptr) {
      png_destroy_write_struct(&png_, nullptr);
      Raise<EPngError>(u"Cannot create the PNG encoder");
    }
    png_set_write_fn(png_, &failure, OnPngWrite, OnPngFlush);
  }
  ~TPngEncoder() { png_destroy_write_struct(&png_, &info_); }
  TPngEncoder(const TPngEncoder&) = delete;
  TPngEncoder& operator=(const TPngEncoder&) = delete;

  png_structp png() const { return png_; }
  png_infop info() const { return info_; }

 private:
  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
};

// False when libpng failed; the reason is in the failure record. This frame owns nothing, so
// the jump back into it skips no clean-up.
bool WriteImage(png_structp png, png_infop info, const TPngImage& image) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.Width()),
               static_cast<png_uint_32>(image.Height()), 8, PNG_COLOR_TYPE_RGB_ALPHA,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < image.Height(); ++y) png_write_row(png, image.Row(y));
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

void SavePng(const TPngImage& image, TStream& stream) {
  TPngFailure failure;
  failure.Stream = &stream;
  TPngEncoder encoder(failure);
  if (!WriteImage(encoder.png(), encoder.info(), image)) RaisePngFailure(failure);
}
