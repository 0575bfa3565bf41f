#include "base/object_release.h"

#include <mutex>

namespace {

std::mutex deferredLock;
std::exception_ptr deferredError;

}  // namespace

void FreeObject(TObject* object) {
  if (object == nullptr) return;
  TFirstError errors;
  errors.Run([&] { object->BeforeDestruction(); });
  delete object;
  errors.Rethrow();
}

void DeferError(std::exception_ptr error) {
  const std::lock_guard lock(deferredLock);
  if (!deferredError) deferredError = std::move(error);
}

std::exception_ptr TakeDeferredError() {
  const std::lock_guard lock(deferredLock);
  return std::exchange(deferredError, nullptr);
}

void TObjectFreer::operator()(TObject* object) const noexcept {
  RunDeferringErrors([object] { FreeObject(object); });
}
