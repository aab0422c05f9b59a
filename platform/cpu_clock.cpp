// SPDX-License-Identifier: MIT
#include "platform/cpu_clock.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <thread>

#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#endif

#if defined(__linux__) || defined(__unix__) || defined(__APPLE__)
#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#define GRAFOLIN_POSIX_PRIORITY 1
#endif

#include "startup/clock.h"

namespace graf::platform {

std::uint64_t readCycleCounter() {
#if defined(__x86_64__) || defined(__i386__)
  return __rdtsc();
#elif defined(__aarch64__)
  std::uint64_t count;
  asm volatile("isb; mrs %0, cntvct_el0" : "=r"(count));
  return count;
#else
  return static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
          .count());
#endif
}

namespace {

#ifdef GRAFOLIN_POSIX_PRIORITY
// The calling thread's scheduling while the clock is measured: raised on
// construction as far as the system lets it, restored on destruction.
// Every refusal is silent; the measurement goes on at the priority it has.
class RaisedPriority {
 public:
  RaisedPriority() {
    haveScheduling_ = pthread_getschedparam(pthread_self(), &policy_, &param_) == 0;
    errno = 0;
    nice_ = getpriority(PRIO_PROCESS, 0);
    haveNice_ = errno == 0;

    sched_param top{};
    top.sched_priority = sched_get_priority_max(SCHED_FIFO);
    if (haveScheduling_ && top.sched_priority >= 0 && pthread_setschedparam(pthread_self(), SCHED_FIFO, &top) == 0) {
      raisedScheduling_ = true;
      return;
    }
    // No real-time scheduling: the lowest niceness the limits allow.
    if (!haveNice_) return;
    int lowest = -20;
    rlimit limit{};
    if (getrlimit(RLIMIT_NICE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
      lowest = std::max(-20, 20 - static_cast<int>(limit.rlim_cur));
    if (lowest < nice_ && setpriority(PRIO_PROCESS, 0, lowest) == 0) raisedNice_ = true;
  }
  ~RaisedPriority() {
    if (raisedScheduling_) pthread_setschedparam(pthread_self(), policy_, &param_);
    if (raisedNice_) setpriority(PRIO_PROCESS, 0, nice_);
  }
  RaisedPriority(const RaisedPriority&) = delete;
  RaisedPriority& operator=(const RaisedPriority&) = delete;

 private:
  int policy_ = SCHED_OTHER;
  sched_param param_{};
  int nice_ = 0;
  bool haveScheduling_ = false;
  bool haveNice_ = false;
  bool raisedScheduling_ = false;
  bool raisedNice_ = false;
};
#else
struct RaisedPriority {};
#endif

}  // namespace

std::int32_t MeasureCpuClock() {
  std::uint64_t first = 0;
  std::uint64_t second = 0;
  {
    RaisedPriority raised;
    std::this_thread::sleep_for(std::chrono::milliseconds(kSettleMs));
    first = readCycleCounter();
    std::this_thread::sleep_for(std::chrono::milliseconds(kMeasureMs));
    second = readCycleCounter();
  }
  return clockFromTicks(first, second);
}

}  // namespace graf::platform
