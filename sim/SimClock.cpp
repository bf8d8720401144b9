// The recorder's clock, kept as seconds on a calendar without time zones.
#include "sim/SimClock.h"

#include <ctime>

#include "device/ClockWords.h"

namespace sim {
namespace {

using namespace std::chrono;

year_month_day DateOf(std::uint32_t date) {
    return year{int(date >> 16)} / month{(date >> 8) & 0xFF} / day{date & 0xFF};
}

sys_seconds FromWords(std::uint32_t date, std::uint32_t time) {
    return sys_days{DateOf(date)} + hours{(time >> 16) & 0xFF} + minutes{(time >> 8) & 0xFF} +
           seconds{time & 0xFF};
}

std::tm LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}

}  // namespace

SimClock::SimClock() : setAt_(steady_clock::now()) {
    const std::tm local = LocalNow();
    const std::uint32_t date =
        device::ClockDateWord(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    // A leap second (tm_sec 60) reads as the last second of its minute.
    const std::uint32_t time =
        device::ClockTimeWord(local.tm_hour, local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec);
    value_ = IsValid(date, time) ? FromWords(date, time) : FromWords(0x07DB0509u, 0);
}

bool SimClock::IsValid(std::uint32_t date, std::uint32_t time) {
    const int yearValue = int(date >> 16);
    return yearValue >= 1 && yearValue <= 9999 && DateOf(date).ok() && (time >> 24) == 0 &&
           ((time >> 16) & 0xFF) < 24 && ((time >> 8) & 0xFF) < 60 && (time & 0xFF) < 60;
}

bool SimClock::Set(std::uint32_t date, std::uint32_t time, bool running) {
    if (!IsValid(date, time))
        return false;
    value_ = FromWords(date, time);
    setAt_ = steady_clock::now();
    running_ = running;
    return true;
}

void SimClock::Read(std::uint32_t& date, std::uint32_t& time) const {
    sys_seconds now = value_;
    if (running_)
        now += duration_cast<seconds>(steady_clock::now() - setAt_);
    const sys_days today = floor<days>(now);
    const year_month_day ymd{today};
    const hh_mm_ss<seconds> clock{now - today};
    date = device::ClockDateWord(int(ymd.year()), int(unsigned(ymd.month())),
                                 int(unsigned(ymd.day())));
    time = device::ClockTimeWord(int(clock.hours().count()), int(clock.minutes().count()),
                                 int(clock.seconds().count()));
}

}  // namespace sim
