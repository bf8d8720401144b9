// Date and time pickers.
#pragma once

#include "ui/Control.h"

namespace ui {

class DateTimePicker : public Control {
  public:
    using Control::Control;

    void SetTime(const DateTimeValue& value) { window().SetDateTime(Id(), value); }
    DateTimeValue GetTime() const { return window().GetDateTime(Id()); }
};

}  // namespace ui
