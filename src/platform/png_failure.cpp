#include "platform/png_failure.h"

#include <cstdio>
#include <cstring>

#include "base/errors.h"

namespace {

TPngFailure& FailureOf(png_structp png) {
  return *static_cast<TPngFailure*>(png_get_error_ptr(png));
}

void AppendText(char* buffer, size_t size, const char* separator, const char* text) {
  const size_t used = std::strlen(buffer);
  std::snprintf(buffer + used, size - used, "%s%s", used == 0 ? "" : separator, text);
}

}  // namespace

void OnPngFailure(png_structp png, png_const_charp message) {
  TPngFailure& failure = FailureOf(png);
  AppendText(failure.Message, sizeof failure.Message, "", message);
  png_longjmp(png, 1);
}

void OnPngWarning(png_structp png, png_const_charp message) {
  TPngFailure& failure = FailureOf(png);
  AppendText(failure.Warnings, sizeof failure.Warnings, "; ", message);
}

void RaisePngFailure(const TPngFailure& failure) {
  if (failure.StreamError) std::rethrow_exception(failure.StreamError);
  WideString message = WideFromAscii(failure.Message);
  if (failure.Warnings[0] != '\0') message += u" (" + WideFromAscii(failure.Warnings) + u")";
  throw EPngError(message);
}
