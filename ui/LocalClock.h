// The PC's local date and time, through a seam that tests can pin.
#pragma once

#include "ui/DateTimeValue.h"

namespace ui {

DateTimeValue LocalNow();

// Replaces the PC clock; null restores it. For test builds only.
void SetLocalClockForTests(DateTimeValue (*clock)());

}  // namespace ui
