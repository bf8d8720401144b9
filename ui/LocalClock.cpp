// The PC's local date and time.
#include "ui/LocalClock.h"

#include <ctime>

namespace ui {
namespace {

DateTimeValue SystemLocalNow() {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    if (!local)
        return DateTimeValue{2000, 1, 1, 0, 0, 0};
    return DateTimeValue{local->tm_year + 1900, local->tm_mon + 1, local->tm_mday,
                         local->tm_hour,        local->tm_min,     local->tm_sec};
}

DateTimeValue (*localClock)() = SystemLocalNow;

}  // namespace

DateTimeValue LocalNow() {
    return localClock();
}

void SetLocalClockForTests(DateTimeValue (*clock)()) {
    localClock = clock ? clock : SystemLocalNow;
}

}  // namespace ui
