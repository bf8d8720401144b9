// An edit control that keeps its content acceptable as the operator types: a number within
// its range, or a text whose UTF-8 form with its terminator fits a record's field. It sees its
// own change notifications first and then passes them on to its dialog.
#pragma once

#include <cstdint>

#include "ui/ControlHandler.h"

namespace ui {

class Dialog;

class CMyEdit : public ControlHandler {
  public:
    std::int32_t maximumValue = 1440;  // numeric mode
    std::int32_t maximumSize = 32;     // text mode: UTF-8 bytes including the terminator
    std::int32_t numericMode = 0;      // 1: the content is a number
    std::int32_t minimumValue = 0;     // numeric mode

    // Makes the edit with this id of the dialog behave as this control.
    void Attach(Dialog& dialog, int id);

    // Numeric mode with the given range.
    void SetNumeric(std::int32_t minimum, std::int32_t maximum);
    // Text mode with the given size limit.
    void SetTextLimit(std::int32_t maximumBytes);

    bool OnReflectedCommand(Dialog& parent, int id, int code) override;

  private:
    // Returns false when it replaced the text and the change ends here.
    bool CheckNumber(Dialog& parent, int id);
    void CheckText(Dialog& parent, int id);
};

}  // namespace ui
