// The painter of the headless backend: it draws nothing and writes down, in order, what a
// real device context would see: brushes and pens made, selected, restored and deleted, and
// every drawing with its colours and rectangle.
#pragma once

#include <vector>

#include "ui/GraphicsObject.h"
#include "ui/Painter.h"

namespace ui::headless {

struct PaintOp {
    enum class Kind { SelectBrush, SelectPen, Fill, Draw, Restore, Delete };
    Kind kind;
    int object = 0;   // the brush or pen, numbered per painter; 0 for drawings
    Rect rect;        // drawings
    Color pen = 0;    // Draw: the outline; SelectPen: the pen's colour
    Color brush = 0;  // Fill and Draw: the inside; SelectBrush: the brush's colour
};

class RecordingPainter : public Painter {
  public:
    explicit RecordingPainter(const Rect& client) : client_(client) {}

    const std::vector<PaintOp>& Log() const { return log_; }

    Rect ClientRect() const override { return client_; }
    void FillRect(const Rect& rect, Color color) override;
    void Rectangle(const Rect& rect, Color pen, Color brush) override;

  private:
    // A brush or pen made for one drawing, counted like the platform's objects.
    class Tool : public GraphicsObject {
      public:
        Tool(RecordingPainter& painter, int number) : painter_(painter), number_(number) {}
        ~Tool() override;
        int number() const { return number_; }

      private:
        RecordingPainter& painter_;
        int number_;
    };

    Rect client_;
    std::vector<PaintOp> log_;
    int made_ = 0;
};

}  // namespace ui::headless
