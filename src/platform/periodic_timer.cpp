#include "platform/periodic_timer.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>

#include "base/errors.h"

namespace {

using Clock = std::chrono::steady_clock;

class TPeriodicTimer {
 public:
  TPeriodicTimer(std::chrono::milliseconds period, TTimerCallback callback, void* user)
      : period_(period), callback_(callback), user_(user), thread_(&TPeriodicTimer::Run, this) {}
  ~TPeriodicTimer() { Stop(); }
  TPeriodicTimer(const TPeriodicTimer&) = delete;
  TPeriodicTimer& operator=(const TPeriodicTimer&) = delete;

  bool RunsOnThisThread() const { return thread_.get_id() == std::this_thread::get_id(); }

  void Stop() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stopping_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable()) thread_.join();
  }

 private:
  void Run() {
    Clock::time_point deadline = Clock::now() + period_;
    std::unique_lock<std::mutex> lock(mutex_);
    while (!wake_.wait_until(lock, deadline, [this] { return stopping_; })) {
      lock.unlock();
      callback_(user_);
      lock.lock();
      deadline = NextPeriodDeadline(deadline, period_, Clock::now());
    }
  }

  const std::chrono::milliseconds period_;
  const TTimerCallback callback_;
  void* const user_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stopping_ = false;
  // Last, so that the thread starts once everything it reads is in place.
  std::thread thread_;
};

// Every running timer by handle. Timers still running at exit are stopped with the registry.
struct TTimerRegistry {
  std::mutex lock;
  std::unordered_map<uint32_t, std::unique_ptr<TPeriodicTimer>> timers;
  uint32_t lastHandle = 0;

  // Called under the lock.
  uint32_t FreeHandle() {
    do ++lastHandle;
    while (lastHandle == 0 || timers.contains(lastHandle));
    return lastHandle;
  }
};

TTimerRegistry& Registry() {
  static TTimerRegistry registry;
  return registry;
}

}  // namespace

uint32_t StartPeriodicTimer(int periodMs, int /*resolutionMs*/, TTimerCallback callback,
                            void* user) {
  if (periodMs <= 0) return 0;
  TTimerRegistry& registry = Registry();
  std::lock_guard<std::mutex> lock(registry.lock);
  const uint32_t handle = registry.FreeHandle();
  registry.timers.emplace(handle, std::make_unique<TPeriodicTimer>(
                                      std::chrono::milliseconds(periodMs), callback, user));
  return handle;
}

void StopPeriodicTimer(uint32_t handle) {
  std::unique_ptr<TPeriodicTimer> timer;
  {
    TTimerRegistry& registry = Registry();
    std::lock_guard<std::mutex> lock(registry.lock);
    const auto found = registry.timers.find(handle);
    if (found == registry.timers.end()) return;
    if (found->second->RunsOnThisThread())
      Raise<EInvalidOperation>(u"A periodic timer cannot be stopped from its own callback.");
    timer = std::move(found->second);
    registry.timers.erase(found);
  }
  // Joined outside the registry's lock: other timers start and stop meanwhile.
  timer->Stop();
}

Clock::time_point NextPeriodDeadline(Clock::time_point previous, std::chrono::milliseconds period,
                                     Clock::time_point now) {
  const Clock::time_point next = previous + period;
  if (next > now) return next;
  const auto missed = (now - next) / period + 1;
  return next + missed * period;
}
