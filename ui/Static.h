// Static texts and group boxes.
#pragma once

#include "ui/Control.h"

namespace ui {

class Static : public Control {
  public:
    using Control::Control;
};

}  // namespace ui
