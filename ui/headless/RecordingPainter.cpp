// The painter of the headless backend.
#include "ui/headless/RecordingPainter.h"

namespace ui::headless {

RecordingPainter::Tool::~Tool() {
    painter_.log_.push_back({PaintOp::Kind::Delete, number_, {}, 0, 0});
}

void RecordingPainter::FillRect(const Rect& rect, Color color) {
    // The platform fills with a brush it is given, without selecting it.
    const Tool brush(*this, ++made_);
    log_.push_back({PaintOp::Kind::Fill, 0, rect, 0, color});
}

void RecordingPainter::Rectangle(const Rect& rect, Color pen, Color brush) {
    const Tool brushTool(*this, ++made_);
    const Tool penTool(*this, ++made_);
    log_.push_back({PaintOp::Kind::SelectBrush, brushTool.number(), {}, 0, brush});
    log_.push_back({PaintOp::Kind::SelectPen, penTool.number(), {}, pen, 0});
    log_.push_back({PaintOp::Kind::Draw, 0, rect, pen, brush});
    log_.push_back({PaintOp::Kind::Restore, brushTool.number(), {}, 0, 0});
    log_.push_back({PaintOp::Kind::Restore, penTool.number(), {}, 0, 0});
}

}  // namespace ui::headless
