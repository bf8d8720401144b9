// Push buttons, check boxes and radio buttons.
#pragma once

#include "ui/Control.h"

namespace ui {

class Button : public Control {
  public:
    using Control::Control;

    void SetCheck(bool checked) { window().SetCheck(Id(), checked); }
    bool IsChecked() const { return window().IsChecked(Id()); }
};

}  // namespace ui
