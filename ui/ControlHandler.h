// A control that handles its own notifications before its dialog sees them (the way an edit
// class of its own reacts to the change notification reflected back to it).
#pragma once

namespace ui {

class Dialog;

class ControlHandler {
  public:
    virtual ~ControlHandler() = default;

    // Called with a command notification of the control. Returns true when the control has
    // dealt with it and the dialog shall not see it (the handler forwards it when it wants).
    virtual bool OnReflectedCommand(Dialog& parent, int id, int code) = 0;
};

}  // namespace ui
