// The value of a date or time picker.
#pragma once

namespace ui {

struct DateTimeValue {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;

    friend bool operator==(const DateTimeValue&, const DateTimeValue&) = default;
};

}  // namespace ui
