// The recorder's clock: a date and time that stands still or advances with real time, read
// and set as the two clock words of the device library.
#pragma once

#include <chrono>
#include <cstdint>

namespace sim {

class SimClock {
  public:
    // A running clock that starts at the PC's local time.
    SimClock();

    // False, leaving the clock as it was, when the words are no valid date and time.
    bool Set(std::uint32_t date, std::uint32_t time, bool running);
    void Read(std::uint32_t& date, std::uint32_t& time) const;
    bool Running() const { return running_; }

    static bool IsValid(std::uint32_t date, std::uint32_t time);

  private:
    std::chrono::sys_seconds value_;  // the clock's reading when it was set
    std::chrono::steady_clock::time_point setAt_;
    bool running_ = true;
};

}  // namespace sim
