// IP-address controls.
#pragma once

#include <cstdint>

#include "ui/Control.h"

namespace ui {

class IpAddress : public Control {
  public:
    using Control::Control;

    void SetAddress(std::uint32_t address) { window().SetAddress(Id(), address); }
    std::uint32_t GetAddress() const { return window().Address(Id()); }
};

}  // namespace ui
