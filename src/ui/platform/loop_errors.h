#pragma once
// Errors that reach the event loop are shown, and the program goes on. An event's delivery runs
// through DeliverShowingErrors: an engine error (or, as a last resort, any std::exception) it
// raises is shown with its exact message instead of ending the program, and so is a failure that
// was deferred meanwhile because nothing could receive it where it arose.
#include <exception>
#include <functional>

#include "base/wide_string.h"

// Shows one error's message to the player.
using TErrorPresenter = std::function<void(const WideString& message)>;

// Shows the error's message; an error that is no std::exception propagates.
void ShowError(const std::exception_ptr& error, const TErrorPresenter& show);
// Shows the deferred failure, if there is one, and forgets it.
void ShowDeferredError(const TErrorPresenter& show);

// Runs `deliver` and returns its result, or false when it failed.
template <class Deliver>
bool DeliverShowingErrors(Deliver&& deliver, const TErrorPresenter& show) {
  bool result = false;
  try {
    result = deliver();
  } catch (const std::exception&) {
    ShowError(std::current_exception(), show);
  }
  ShowDeferredError(show);
  return result;
}
