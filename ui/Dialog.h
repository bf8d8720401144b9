// Base of every dialog: a page shown as a modeless child, the main window and the
// sub-dialogs run modally. A dialog is made from its template; the backend calls the Handle*
// functions, which run the overridable steps below.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/ControlHandler.h"
#include "ui/DataExchange.h"
#include "ui/DateTimePicker.h"
#include "ui/Edit.h"
#include "ui/IpAddress.h"
#include "ui/ListView.h"
#include "ui/Painter.h"
#include "ui/Static.h"
#include "ui/TreeView.h"
#include "ui/Window.h"

namespace ui {

class Dialog {
  public:
    explicit Dialog(int templateId);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    int TemplateId() const { return templateId_; }

    // Creates the window as a hidden child of parent (unless the template says visible).
    bool Create(Dialog& parent);
    // Runs the dialog modally, owned by owner (null: no owner). Returns the end result.
    int DoModal(Dialog* owner = nullptr);
    void EndDialog(int result);
    void DestroyWindow();
    bool HasWindow() const { return window_ != nullptr; }
    // Whether the dialog runs modally (rather than as a child of another dialog).
    bool IsModal() const { return modal_; }
    Window& GetWindow() const { return *window_; }

    // Transfers the value members to or from the controls.
    void UpdateData(Direction direction);

    void SetWindowText(std::u16string_view text) { window_->SetCaption(text); }
    std::u16string GetWindowText() const { return window_->Caption(); }
    void ShowWindow(bool visible) { window_->Show(visible); }
    bool IsWindowVisible() const { return window_->IsShown(); }
    void MoveWindow(const Rect& rect, bool repaint) { window_->Move(rect, repaint); }
    Rect GetClientRect() const { return window_->ClientRect(); }
    void SetDlgItemText(int id, std::u16string_view text) { window_->SetControlText(id, text); }
    int MessageBox(std::u16string_view text, std::u16string_view caption, unsigned type) {
        return window_->MessageBox(text, caption, type);
    }
    void AppendSystemMenuItem(int id, std::u16string_view text) {
        window_->AppendSystemMenuItem(id, text);
    }
    std::optional<std::u16string> FileDialog(const FileDialogRequest& request) {
        return window_->FileDialog(request);
    }
    void SetTimer(int timerId, unsigned milliseconds) { window_->SetTimer(timerId, milliseconds); }
    void KillTimer(int timerId) { window_->KillTimer(timerId); }

    // Typed access to the controls.
    Button GetButton(int id) const { return Button(*window_, id); }
    ComboBox GetComboBox(int id) const { return ComboBox(*window_, id); }
    Edit GetEdit(int id) const { return Edit(*window_, id); }
    IpAddress GetIpAddress(int id) const { return IpAddress(*window_, id); }
    DateTimePicker GetDateTimePicker(int id) const { return DateTimePicker(*window_, id); }
    ListView GetListView(int id) const { return ListView(*window_, id); }
    Static GetStatic(int id) const { return Static(*window_, id); }
    TreeView GetTreeView(int id) const { return TreeView(*window_, id); }

    // Entry points for the backends.
    bool HandleInitDialog(Window& window);
    void HandleCommand(int id, int code);
    void HandleNotify(int id, int code);
    void HandleTimer(int timerId);
    // Returns false for a system command the dialog leaves to the platform.
    bool HandleSysCommand(int id);
    void HandlePaint(int id, Painter& painter);
    void HandleDestroy();

    // Lets a control object see its own command notifications first.
    void SubclassControl(int id, ControlHandler& handler) { handlers_[id] = &handler; }
    // Runs the dialog's own command handling, bypassing control handlers (for a control that
    // forwards a notification to its parent).
    void ForwardCommand(int id, int code);

  protected:
    // Called when the window exists and its controls are made. Default: data exchange
    // towards the controls. Returns true to let the framework set the focus.
    virtual bool OnInitDialog();
    // A button click or another command notification; returns true when handled.
    virtual bool OnCommand(int id, int code);
    // A notification of a common control (tree, date picker, ...); returns true when handled.
    virtual bool OnNotify(int id, int code);
    virtual void OnTimer(int timerId);
    // An item the dialog added to its system menu was chosen; returns true when handled.
    virtual bool OnSysCommand(int id);
    // A control drawn by the dialog needs painting.
    virtual void OnPaint(int id, Painter& painter);
    // The window is being destroyed. Not called when OnInitDialog did not complete: a window
    // whose initialisation failed was never shown, so nothing of it is to be closed.
    virtual void OnDestroy();
    virtual void DoDataExchange(DataExchange& dx);
    // The standard OK and Cancel handling: end a modal dialog.
    virtual void OnOK();
    virtual void OnCancel();

  private:
    int templateId_;
    Window* window_ = nullptr;
    bool modal_ = false;
    bool initialised_ = false;  // OnInitDialog completed
    std::map<int, ControlHandler*> handlers_;
};

}  // namespace ui
