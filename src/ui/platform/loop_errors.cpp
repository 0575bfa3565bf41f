#include "ui/platform/loop_errors.h"

#include <QString>

#include "base/errors.h"
#include "base/object_release.h"
#include "ui/platform/qt_text.h"

void ShowError(const std::exception_ptr& error, const TErrorPresenter& show) {
  try {
    std::rethrow_exception(error);
  } catch (const Exception& engineError) {
    show(engineError.Message());
  } catch (const std::exception& otherError) {
    show(ToWide(QString::fromUtf8(otherError.what())));
  }
}

void ShowDeferredError(const TErrorPresenter& show) {
  if (const std::exception_ptr deferred = TakeDeferredError()) ShowError(deferred, show);
}
