// The count of clock periods since the last build. It is 64 bits wide: a 32-bit count would
// overflow after a few seconds of simulated running.
#pragma once

#include <cstdint>

class MACHINE_CLOCK {
 public:
  void advance(int periods) { periods_ += periods; }
  int64_t periods() const { return periods_; }
  void reset() { periods_ = 0; }

 private:
  int64_t periods_ = 0;
};
