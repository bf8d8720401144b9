// Date and time pickers.
#pragma once

#include "ui/Control.h"

namespace ui {

class DateTimePicker : public Control {
  public:
    using Control::Control;

    void SetTime(const DateTimeValue& value) { window().SetDateTime(Id(), value); }
    DateTimeValue GetTime() const { return window().GetDateTime(Id()); }
    // Shows the value in this format instead of the locale's (e.g. "HH:mm").
    void SetFormat(std::u16string_view format) { window().SetDateTimeFormat(Id(), format); }
};

}  // namespace ui
