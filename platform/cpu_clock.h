// SPDX-License-Identifier: MIT
#pragma once
// Measures the processor clock with the processor's cycle counter.
#include <cstdint>

namespace graf::platform {

// The clock in whole MHz (0 to 8589): raises the calling thread's scheduling
// priority as far as the system allows (real-time where permitted, otherwise
// the highest niceness the user may take, otherwise none, without a word),
// sleeps 10 ms, reads the cycle counter, sleeps 500 ms, reads it again,
// restores the priority and turns the ticks between the reads into MHz.
// Blocks the calling thread for about 510 ms.
//
// The counter is the time-stamp counter on x86 processors, the generic
// timer's virtual count on 64-bit ARM, and a nanosecond monotonic clock
// elsewhere.
std::int32_t MeasureCpuClock();

// The counter that MeasureCpuClock reads.
std::uint64_t readCycleCounter();

}  // namespace graf::platform

#include "startup/ports.h"

namespace graf::platform {

// The measurement that the clock windows use.
class CycleCounterMeter : public ClockMeter {
 public:
  std::int32_t measure() override { return MeasureCpuClock(); }
};

}  // namespace graf::platform
