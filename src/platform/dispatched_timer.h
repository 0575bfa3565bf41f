#pragma once
// A periodic timer whose periods are handled on the UI thread. The timer thread does nothing
// but post each period to the dispatcher; the handler runs where the dispatcher runs its work,
// once per period and in order. The timer withdraws what it posted when it goes, so a period
// still queued in the dispatcher never reaches a handler that is gone. A timer on hold skips the
// periods that fall due meanwhile; those it posted before stay queued.
#include <atomic>
#include <cstdint>

#include "platform/ui_dispatcher.h"

class TDispatchedTimer {
 public:
  // Starts the periodic timer (see StartPeriodicTimer), on hold when `held`; a period of 0 or
  // less starts none, and Handle() is then 0. The dispatcher must outlive the timer.
  TDispatchedTimer(TUiDispatcher& dispatcher, int periodMs, int resolutionMs, TUiWork handler,
                   void* context, bool held = false);
  // UI thread: stops the timer, then withdraws its periods still queued in the dispatcher.
  ~TDispatchedTimer();
  TDispatchedTimer(const TDispatchedTimer&) = delete;
  TDispatchedTimer& operator=(const TDispatchedTimer&) = delete;

  // The periodic timer's handle; 0 when none runs.
  uint32_t Handle() const { return handle_; }

  // UI thread: drops the periods posted but not handled yet.
  void DiscardPending();

  // Any thread: puts the timer on hold or takes it off.
  void SetHeld(bool held) { held_ = held; }

  // What the timer thread does each period: post it to the dispatcher unless on hold. Public so
  // that a period can be simulated without waiting for one.
  void PeriodElapsed();

 private:
  static void OnTimer(void* self) noexcept;
  static void Deliver(void* self);

  TUiDispatcher& dispatcher_;
  const TUiWork handler_;
  void* const context_;
  // Written by the UI thread, read by the timer's.
  std::atomic<bool> held_;
  // Last: the timer starts once everything it reads is in place.
  const uint32_t handle_;
};
