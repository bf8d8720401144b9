// Base of the typed control wrappers: a control of a dialog window, reached by its id.
// Wrappers are small values made on demand; they own nothing.
#pragma once

#include <string>
#include <string_view>

#include "ui/Window.h"

namespace ui {

class Control {
  public:
    Control(Window& window, int id) : window_(&window), id_(id) {}

    int Id() const { return id_; }
    void Show(bool visible) { window_->ShowControl(id_, visible); }
    bool IsVisible() const { return window_->IsControlShown(id_); }
    void Enable(bool enabled) { window_->EnableControl(id_, enabled); }
    bool IsEnabled() const { return window_->IsControlEnabled(id_); }
    void SetText(std::u16string_view text) { window_->SetControlText(id_, text); }
    std::u16string Text() const { return window_->ControlText(id_); }
    void SetFocus() { window_->SetFocus(id_); }
    void Invalidate() { window_->Invalidate(id_); }
    // Off while many changes are made, then on again: the control is drawn once.
    void SetRedraw(bool redraw) { window_->SetControlRedraw(id_, redraw); }

  protected:
    Window& window() const { return *window_; }

  private:
    Window* window_;
    int id_;
};

}  // namespace ui
