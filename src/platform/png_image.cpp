#include "platform/png_image.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <exception>

#include "base/errors.h"
#include "platform/png_failure.h"
#include "platform/stream.h"

SW_CLASS_DEFINE(TPngImage, TObject)

namespace {

void OnPngRead(png_structp png, png_bytep data, size_t length) {
  TPngFailure& failure = *static_cast<TPngFailure*>(png_get_io_ptr(png));
  size_t got = 0;
  try {
    got = failure.Stream->Read(data, length);
  } catch (...) {
    failure.StreamError = std::current_exception();
  }
  // Outside the handler: the jump must not skip the exception's clean-up.
  if (got != length) {
    char message[96];
    std::snprintf(message, sizeof message, "Read Error: the file ended early, after %lld bytes",
                  static_cast<long long>(failure.Stream->Position()));
    png_error(png, message);
  }
}

class TPngReader {
 public:
  explicit TPngReader(TPngFailure& failure) {
    png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, &failure, OnPngFailure, OnPngWarning);
    if (png_ != nullptr) info_ = png_create_info_struct(png_);
    if (info_ == nullptr) {
      png_destroy_read_struct(&png_, nullptr, nullptr);
      Raise<EPngError>(u"Cannot create the PNG decoder");
    }
    png_set_read_fn(png_, &failure, OnPngRead);
  }
  ~TPngReader() { png_destroy_read_struct(&png_, &info_, nullptr); }
  TPngReader(const TPngReader&) = delete;
  TPngReader& operator=(const TPngReader&) = delete;

  png_structp png() const { return png_; }
  png_infop info() const { return info_; }

 private:
  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
};

struct TPngHeader {
  png_uint_32 Width = 0;
  png_uint_32 Height = 0;
  int ColorType = 0;
  int BitDepth = 0;
  uint64_t SourceBits = 0;  // the pixels as the file stores them, before any transformation
};

// Deflate turns at most 2 bits into 258 bytes; no file can inflate to more than this many
// times its size.
constexpr uint64_t kMaxInflateRatio = 1032;

// Refuses a header whose pixels the rest of the stream cannot hold even at the best
// compression, before memory for them is taken: a tiny file may declare a huge image.
void CheckDataCanHold(const TPngHeader& header, TStream& stream) {
  const int64_t left = std::max<int64_t>(stream.Size() - stream.Position(), 0);
  if (header.SourceBits / 8 <= static_cast<uint64_t>(left) * kMaxInflateRatio) return;
  Raise<EPngError>(u"Not enough image data: %d x %d pixels cannot come from the %d bytes left",
                   {static_cast<int64_t>(header.Width), static_cast<int64_t>(header.Height), left});
}

// Reads the header and asks libpng for 8-bit RGBA rows whatever the source holds.
// False when libpng failed; the reason is in the failure record. This frame and ReadRows own
// nothing, so the jump back into them skips no clean-up.
bool ReadHeader(png_structp png, png_infop info, TPngHeader& header) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_user_limits(png, TPngImage::kMaxSide, TPngImage::kMaxSide);
  png_read_info(png, info);
  header.Width = png_get_image_width(png, info);
  header.Height = png_get_image_height(png, info);
  header.ColorType = png_get_color_type(png, info);
  header.BitDepth = png_get_bit_depth(png, info);
  header.SourceBits = static_cast<uint64_t>(header.Width) * header.Height *
                      png_get_channels(png, info) * header.BitDepth;
  png_set_expand(png);  // palette to RGB, grey below 8 bits to 8, tRNS to alpha
  png_set_scale_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);  // only where no alpha came from above
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  return true;
}

bool ReadRows(png_structp png, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_image(png, rows);
  return true;
}

}  // namespace

std::unique_ptr<TPngImage> TPngImage::Blank(int width, int height, int colorType, int bitDepth) {
  if (width < 0 || height < 0 || width > kMaxSide || height > kMaxSide)
    Raise<EPngError>(u"Invalid image size %d x %d", {width, height});
  auto image = std::make_unique<TPngImage>();
  image->width_ = width;
  image->height_ = height;
  image->colorType_ = colorType;
  image->bitDepth_ = bitDepth;
  image->pixels_.assign(static_cast<size_t>(width) * height * 4, 0);
  return image;
}

void TPngImage::LoadFromStream(TStream& stream) {
  TPngFailure failure;
  failure.Stream = &stream;
  TPngReader reader(failure);
  TPngHeader header;
  if (!ReadHeader(reader.png(), reader.info(), header)) RaisePngFailure(failure);
  CheckDataCanHold(header, stream);

  const size_t stride = static_cast<size_t>(header.Width) * 4;
  // Guards the buffer below against a transformation that did not give 8-bit RGBA.
  if (png_get_rowbytes(reader.png(), reader.info()) != stride)
    Raise<EPngError>(u"Unsupported PNG pixel format");
  std::vector<uint8_t> pixels(stride * header.Height);
  std::vector<png_bytep> rows(header.Height);
  for (size_t y = 0; y < rows.size(); ++y) rows[y] = pixels.data() + y * stride;
  if (!ReadRows(reader.png(), rows.data())) RaisePngFailure(failure);

  width_ = static_cast<int>(header.Width);
  height_ = static_cast<int>(header.Height);
  colorType_ = header.ColorType;
  bitDepth_ = header.BitDepth;
  pixels_ = std::move(pixels);
}

void TPngImage::Assign(const TPngImage& source) {
  width_ = source.width_;
  height_ = source.height_;
  colorType_ = source.colorType_;
  bitDepth_ = source.bitDepth_;
  pixels_ = source.pixels_;
}

TRgba TPngImage::Pixel(int x, int y) const {
  const uint8_t* p = Row(y) + static_cast<size_t>(x) * 4;
  return {p[0], p[1], p[2], p[3]};
}

void TPngImage::SetPixel(int x, int y, TRgba color) {
  uint8_t* p = Row(y) + static_cast<size_t>(x) * 4;
  p[0] = color.R;
  p[1] = color.G;
  p[2] = color.B;
  p[3] = color.A;
}
