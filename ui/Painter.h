// Drawing on one control during its paint, with objects made for the paint and released
// before it ends.
#pragma once

#include "ui/Geometry.h"

namespace ui {

class Painter {
  public:
    virtual ~Painter() = default;

    // The control's client area.
    virtual Rect ClientRect() const = 0;
    // Fills a rectangle with a solid colour.
    virtual void FillRect(const Rect& rect, Color color) = 0;
    // Draws a rectangle outlined with the pen colour and filled with the brush colour, with a
    // pen and brush selected for it and the previous ones restored afterwards.
    virtual void Rectangle(const Rect& rect, Color pen, Color brush) = 0;
};

}  // namespace ui
