#pragma once
// Releasing objects whose clean-up may fail. FreeObject runs an object's BeforeDestruction and
// then its destructor; the object is released completely even when the clean-up fails, and the
// failure then propagates once the object is gone. Owners release what they own through it.
#include <exception>
#include <memory>
#include <utility>

#include "base/tobject.h"

// Does nothing for nullptr.
void FreeObject(TObject* object);

// Runs steps one after another, each even when an earlier one failed, and passes the first
// failure on after the last step: a clean-up that must finish whatever happens.
class TFirstError {
 public:
  template <class Step>
  void Run(Step&& step) {
    try {
      step();
    } catch (...) {
      if (!error_) error_ = std::current_exception();
    }
  }
  void Rethrow() const {
    if (error_) std::rethrow_exception(error_);
  }

 private:
  std::exception_ptr error_;
};

// A failure that arises where nothing can receive it (an owner's destructor releasing what it
// owns) is kept here, the first one only, until a caller that can report it takes it.
void DeferError(std::exception_ptr error);
// The kept failure, now forgotten; nullptr when there is none.
std::exception_ptr TakeDeferredError();

// Runs `step` where no failure may escape (a destructor), deferring the failure.
template <class Step>
void RunDeferringErrors(Step&& step) noexcept {
  try {
    step();
  } catch (...) {
    DeferError(std::current_exception());
  }
}

// A unique_ptr deleter that releases through FreeObject. A deleter cannot throw, so a failing
// clean-up is deferred; owners that can report release explicitly with FreeObject(p.release()).
struct TObjectFreer {
  void operator()(TObject* object) const noexcept;
};

template <class T>
using TOwned = std::unique_ptr<T, TObjectFreer>;

template <class T, class... Args>
TOwned<T> MakeOwned(Args&&... args) {
  return TOwned<T>(new T(std::forward<Args>(args)...));
}
