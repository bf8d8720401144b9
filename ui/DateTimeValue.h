// The value of a date or time picker: a calendar date and time of day.
#pragma once

#include "device/PackedDateTime.h"

namespace ui {

using DateTimeValue = device::DateTime;

}  // namespace ui
