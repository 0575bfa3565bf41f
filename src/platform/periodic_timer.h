#pragma once
// The periodic timer service: each timer is a thread that wakes once per period and calls back
// on that thread. Deadlines follow each other at exact multiples of the period, so the ticks do
// not drift; a timer that falls behind skips the periods it missed instead of catching up in a
// burst. Stopping wakes the thread at once and joins it.
#include <chrono>
#include <cstdint>

// Runs on the timer's own thread. It must not throw: nothing on that thread could handle it.
using TTimerCallback = void (*)(void* user) noexcept;

// Starts a timer calling `callback(user)` every `periodMs` milliseconds, the first time one period
// from now. `resolutionMs` is a hint that this implementation does not need: a deadline wait is
// as precise as the scheduler allows. Returns the timer's handle, never 0; a period of 0 or less
// is rejected with 0, and then no thread runs and nothing is ever called.
uint32_t StartPeriodicTimer(int periodMs, int resolutionMs, TTimerCallback callback, void* user);

// Stops the timer and waits for its thread to end: once this returns, the callback is not
// running and never runs again. Any thread may call it except the timer's own (the callback
// would wait for itself): that fails with "A periodic timer cannot be stopped from its own
// callback." (EInvalidOperation). Handle 0 and handles of stopped timers are ignored.
void StopPeriodicTimer(uint32_t handle);

// The deadline after `previous`: one period later, or, when that is not after `now` any more,
// the first whole period after `now`.
std::chrono::steady_clock::time_point NextPeriodDeadline(
    std::chrono::steady_clock::time_point previous, std::chrono::milliseconds period,
    std::chrono::steady_clock::time_point now);
