// Edit controls (the number-only and password styles come from the template).
#pragma once

#include "ui/Control.h"

namespace ui {

class Edit : public Control {
  public:
    using Control::Control;
};

}  // namespace ui
