// The operator of the headless backend: each action runs on the dialogs' thread.
#pragma once

#include "tests/support/Operator.h"
#include "ui/headless/HeadlessBackend.h"

namespace testsupport {

class HeadlessOperator : public Operator {
  public:
    explicit HeadlessOperator(ui::headless::HeadlessBackend& backend) : backend_(backend) {}

    std::u16string WindowCaption() override;
    std::vector<TreeNodeSeen> TreeNodes() override;
    std::u16string SelectedTreeItem() override;
    void SelectTreeItem(std::u16string_view text) override;
    std::vector<std::u16string> VisiblePages() override;
    void Close() override;
    void Press(Key key) override;
    FocusSeen Focused() override;
    std::vector<SystemMenuItemSeen> SystemMenuItems() override;
    void ChooseSystemMenuItem(int id) override;

    void Click(int id) override;
    void Pick(int id, int index) override;
    void SelectRow(int id, int row) override;
    void Type(int id, std::u16string_view text) override;
    void Paste(int id, std::u16string_view text) override;
    void SelectText(int id, int start, int end) override;
    void TypeAtCaret(int id, std::u16string_view text) override;
    void PasteAtCaret(int id, std::u16string_view text) override;
    void EnterAddress(int id, std::uint32_t address) override;
    void EnterDateTime(int id, const ui::DateTimeValue& value) override;
    void Focus(int id) override;
    std::u16string Text(int id) override;
    ui::TextRange TextSelection(int id) override;
    std::uint32_t Address(int id) override;
    ui::DateTimeValue DateTime(int id) override;
    bool TickTimer(int timerId) override;
    bool IsVisible(int id) override;
    bool IsEnabled(int id) override;
    bool IsChecked(int id) override;
    std::vector<std::u16string> Entries(int id) override;
    int Selection(int id) override;
    std::vector<std::u16string> ColumnTitles(int id) override;
    std::vector<std::vector<std::u16string>> Rows(int id) override;
    std::vector<PaintedRect> Painted(int id) override;

    std::optional<MessageBoxSeen> OpenMessageBox() override;
    void AnswerMessageBox(int button) override;
    std::optional<FileDialogSeen> OpenFileDialog() override;
    void AnswerFileDialog(const std::optional<std::u16string>& path) override;
    void OnDialogThread(const std::function<void()>& action) override;

  private:
    ui::headless::HeadlessWindow* MainWindow() const;
    // The open sub-dialog, else the visible page of the main window.
    ui::headless::HeadlessWindow* ActiveDialog() const;
    // Runs an operator's action on a control of the active dialog; fails the test when the
    // operator cannot reach it.
    void Act(int id, const char* what, std::function<void(ui::headless::HeadlessWindow&)> action);
    // Reads a control of the active dialog, shown or not: what get returns, else value.
    template <typename T, typename Get>
    T Read(int id, T value, Get get);

    ui::headless::HeadlessBackend& backend_;
};

}  // namespace testsupport
