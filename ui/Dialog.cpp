// Base of every dialog.
#include "ui/Dialog.h"

#include "ui/Backend.h"
#include "ui/Styles.h"

namespace ui {

Dialog::Dialog(int templateId) : templateId_(templateId) {}

Dialog::~Dialog() {
    DestroyWindow();
}

bool Dialog::Create(Dialog& parent) {
    if (window_ || !parent.window_)
        return false;
    modal_ = false;
    return CurrentBackend().CreateChild(*this, templateId_, *parent.window_) != nullptr;
}

int Dialog::DoModal(Dialog* owner) {
    if (window_)
        return -1;
    modal_ = true;
    const int result =
        CurrentBackend().RunModal(*this, templateId_, owner ? owner->window_ : nullptr);
    modal_ = false;
    return result;
}

void Dialog::EndDialog(int result) {
    if (window_ && modal_)
        window_->EndModal(result);
}

void Dialog::DestroyWindow() {
    if (window_)
        window_->Destroy();
}

void Dialog::UpdateData(Direction direction) {
    if (!window_)
        return;
    DataExchange dx(*window_, direction);
    DoDataExchange(dx);
}

bool Dialog::HandleInitDialog(Window& window) {
    window_ = &window;
    initialised_ = false;
    const bool setFocus = OnInitDialog();
    initialised_ = true;
    return setFocus;
}

void Dialog::HandleCommand(int id, int code) {
    const auto handler = handlers_.find(id);
    if (handler != handlers_.end() && handler->second->OnReflectedCommand(*this, id, code)) {
        return;
    }
    ForwardCommand(id, code);
}

void Dialog::ForwardCommand(int id, int code) {
    if (OnCommand(id, code))
        return;
    if (code != kBnClicked)
        return;
    if (id == kIdOk)
        OnOK();
    if (id == kIdCancel)
        OnCancel();
}

void Dialog::HandleNotify(int id, int code) {
    OnNotify(id, code);
}

void Dialog::HandleTimer(int timerId) {
    OnTimer(timerId);
}

bool Dialog::HandleSysCommand(int id) {
    return OnSysCommand(id);
}

void Dialog::HandlePaint(int id, Painter& painter) {
    OnPaint(id, painter);
}

void Dialog::HandleDestroy() {
    const bool closing = initialised_;
    initialised_ = false;
    try {
        if (closing)
            OnDestroy();
    } catch (...) {
        window_ = nullptr;  // the window goes all the same
        throw;
    }
    window_ = nullptr;
}

bool Dialog::OnInitDialog() {
    UpdateData(Direction::ToControls);
    return true;
}

bool Dialog::OnCommand(int, int) {
    return false;
}

bool Dialog::OnNotify(int, int) {
    return false;
}

void Dialog::OnTimer(int) {}

bool Dialog::OnSysCommand(int) {
    return false;
}

void Dialog::OnPaint(int, Painter&) {}

void Dialog::OnDestroy() {}

void Dialog::DoDataExchange(DataExchange&) {}

void Dialog::OnOK() {
    EndDialog(kIdOk);
}

void Dialog::OnCancel() {
    EndDialog(kIdCancel);
}

}  // namespace ui
