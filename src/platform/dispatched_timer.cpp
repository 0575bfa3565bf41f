#include "platform/dispatched_timer.h"

#include "platform/periodic_timer.h"

TDispatchedTimer::TDispatchedTimer(TUiDispatcher& dispatcher, int periodMs, int resolutionMs,
                                   TUiWork handler, void* context, bool held)
    : dispatcher_(dispatcher),
      handler_(handler),
      context_(context),
      held_(held),
      handle_(StartPeriodicTimer(periodMs, resolutionMs, &TDispatchedTimer::OnTimer, this)) {}

TDispatchedTimer::~TDispatchedTimer() {
  // After the join nothing posts any more, so the withdrawal leaves nothing behind.
  StopPeriodicTimer(handle_);
  DiscardPending();
}

void TDispatchedTimer::DiscardPending() { dispatcher_.Withdraw(this); }

void TDispatchedTimer::PeriodElapsed() {
  if (!held_) dispatcher_.Post(&TDispatchedTimer::Deliver, this);
}

void TDispatchedTimer::OnTimer(void* self) noexcept {
  static_cast<TDispatchedTimer*>(self)->PeriodElapsed();
}

void TDispatchedTimer::Deliver(void* self) {
  const auto* timer = static_cast<TDispatchedTimer*>(self);
  timer->handler_(timer->context_);
}
