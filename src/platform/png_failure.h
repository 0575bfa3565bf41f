#pragma once
// What went wrong inside libpng, collected by its callbacks. libpng reports an error by
// longjmp, so the callbacks only record the reason; the caller throws once the jump has landed
// in a frame that owns nothing, and its own frames release the libpng structures.
#include <png.h>

#include <cstddef>
#include <exception>

class TStream;

struct TPngFailure {
  TStream* Stream = nullptr;  // the stream libpng reads from or writes to
  std::exception_ptr StreamError;
  char Message[256] = "";
  char Warnings[512] = "";
};

// Error and warning callbacks for png_create_*_struct, with a TPngFailure as the error pointer.
[[noreturn]] void OnPngFailure(png_structp png, png_const_charp message);
void OnPngWarning(png_structp png, png_const_charp message);

// The stream's own error when it failed, else EPngError with libpng's message and, in
// brackets, the warnings that led up to it.
[[noreturn]] void RaisePngFailure(const TPngFailure& failure);
