// The operator of the headless backend.
#include "tests/support/HeadlessOperator.h"

#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/support/RecordBytes.h"
#include "ui/Dialog.h"
#include "ui/Styles.h"

namespace testsupport {

using ui::headless::HeadlessControl;
using ui::headless::HeadlessWindow;

namespace {

int DepthOf(const HeadlessControl& tree, ui::TreeItem parent) {
    int depth = 0;
    while (parent != ui::kTreeRoot) {
        ++depth;
        for (const auto& node : tree.nodes) {
            if (node.handle == parent) {
                parent = node.parent;
                break;
            }
        }
    }
    return depth;
}

// Tree nodes in display order: each node followed by its children.
void Walk(const HeadlessControl& tree, ui::TreeItem parent, std::vector<TreeNodeSeen>& out) {
    for (const auto& node : tree.nodes) {
        if (node.parent != parent)
            continue;
        out.push_back({node.text, DepthOf(tree, node.parent), node.image, node.selectedImage,
                       node.expanded, node.bold});
        Walk(tree, node.handle, out);
    }
}

}  // namespace

HeadlessWindow* HeadlessOperator::MainWindow() const {
    return backend_.WindowOfTemplate(IDD_MAIN);
}

HeadlessWindow* HeadlessOperator::ActiveDialog() const {
    return backend_.Facing(MainWindow());
}

void HeadlessOperator::Act(int id, const char* what, std::function<void(HeadlessWindow&)> action) {
    // The action may open a message box and so outlast this call: the verdict is taken
    // before it runs, and it captures nothing of ours.
    bool usable = false;
    backend_.Execute([&usable, id, action = std::move(action), this] {
        HeadlessWindow* dialog = ActiveDialog();
        usable = dialog && dialog->CanTakeInput(id);
        if (usable)
            action(*dialog);
    });
    EXPECT_TRUE(usable) << what << " control " << id << ": no such usable control";
}

template <typename T, typename Get>
T HeadlessOperator::Read(int id, T value, Get get) {
    bool found = false;
    backend_.Execute([&] {
        HeadlessWindow* dialog = ActiveDialog();
        found = dialog && dialog->HasControl(id);
        if (found)
            value = get(*dialog);
    });
    EXPECT_TRUE(found) << "no control " << id << " to read";
    return value;
}

std::u16string HeadlessOperator::WindowCaption() {
    std::u16string caption;
    backend_.Execute([&] {
        if (HeadlessWindow* main = MainWindow())
            caption = main->Caption();
    });
    return caption;
}

std::vector<TreeNodeSeen> HeadlessOperator::TreeNodes() {
    std::vector<TreeNodeSeen> nodes;
    backend_.Execute([&] {
        HeadlessWindow* main = MainWindow();
        const HeadlessControl* tree = main ? main->FindControl(IDC_TREE) : nullptr;
        if (tree)
            Walk(*tree, ui::kTreeRoot, nodes);
    });
    return nodes;
}

std::u16string HeadlessOperator::SelectedTreeItem() {
    std::u16string text;
    backend_.Execute([&] {
        HeadlessWindow* main = MainWindow();
        if (main)
            text = main->TreeItemText(IDC_TREE, main->TreeSelection(IDC_TREE));
    });
    return text;
}

void HeadlessOperator::SelectTreeItem(std::u16string_view text) {
    bool done = false;
    backend_.Execute([&] {
        HeadlessWindow* main = MainWindow();
        const HeadlessControl* tree = main ? main->FindControl(IDC_TREE) : nullptr;
        if (!tree)
            return;
        for (const auto& node : tree->nodes) {
            if (node.text == text) {
                // Selecting may open a message box: the verdict is taken before.
                done = main->CanTakeInput(IDC_TREE);
                main->UserSelectTreeItem(IDC_TREE, node.handle);
                return;
            }
        }
    });
    EXPECT_TRUE(done) << "no tree node " << Narrow(text);
}

std::vector<std::u16string> HeadlessOperator::VisiblePages() {
    std::vector<std::u16string> pages;
    backend_.Execute([&] {
        HeadlessWindow* main = MainWindow();
        for (HeadlessWindow* window : backend_.Windows()) {
            if (window->parent() == main && window->IsShown())
                pages.push_back(window->Caption());
        }
    });
    return pages;
}

void HeadlessOperator::Close() {
    backend_.Execute([&] {
        if (HeadlessWindow* main = MainWindow())
            main->dialog().HandleCommand(ui::kIdCancel, 0);
    });
}

void HeadlessOperator::Press(Key key) {
    backend_.Execute([&] {
        // The dialog manager of the window in front takes the key.
        HeadlessWindow* front = backend_.TopModal();
        if (!front)
            return;
        switch (key) {
            case Key::Tab:
            case Key::ShiftTab:
                front->UserTab(key == Key::ShiftTab);
                break;
            case Key::Escape:
            case Key::AltF4:
                // Escape is the dialog's cancel; Alt+F4 closes it as its close box does.
                front->dialog().HandleCommand(ui::kIdCancel, 0);
                break;
            case Key::Enter:
                front->UserEnter();
                break;
        }
    });
}

FocusSeen HeadlessOperator::Focused() {
    FocusSeen seen;
    backend_.Execute([&] {
        if (HeadlessWindow* window = backend_.FocusWindow())
            seen = {window->Caption(), window->Focus()};
    });
    return seen;
}

void HeadlessOperator::Click(int id) {
    Act(id, "click", [id](HeadlessWindow& w) { w.UserClick(id); });
}

void HeadlessOperator::Pick(int id, int index) {
    Act(id, "pick", [id, index](HeadlessWindow& w) { w.UserPick(id, index); });
}

void HeadlessOperator::SelectRow(int id, int row) {
    bool selected = false;
    Act(id, "select a row of",
        [id, row, &selected](HeadlessWindow& w) { selected = w.UserSelectRow(id, row); });
    EXPECT_TRUE(selected) << "no row " << row << " in list " << id;
}

void HeadlessOperator::Type(int id, std::u16string_view text) {
    Act(id, "type into",
        [id, text = std::u16string(text)](HeadlessWindow& w) { w.UserType(id, text); });
}

void HeadlessOperator::Paste(int id, std::u16string_view text) {
    Act(id, "paste into",
        [id, text = std::u16string(text)](HeadlessWindow& w) { w.UserPaste(id, text); });
}

void HeadlessOperator::SelectText(int id, int start, int end) {
    Act(id, "select in", [id, start, end](HeadlessWindow& w) { w.UserSelectText(id, start, end); });
}

void HeadlessOperator::TypeAtCaret(int id, std::u16string_view text) {
    Act(id, "type into",
        [id, text = std::u16string(text)](HeadlessWindow& w) { w.UserTypeAtCaret(id, text); });
}

void HeadlessOperator::PasteAtCaret(int id, std::u16string_view text) {
    Act(id, "paste into",
        [id, text = std::u16string(text)](HeadlessWindow& w) { w.UserPasteAtCaret(id, text); });
}

void HeadlessOperator::EnterAddress(int id, std::uint32_t address) {
    Act(id, "enter an address into",
        [id, address](HeadlessWindow& w) { w.UserSetAddress(id, address); });
}

void HeadlessOperator::EnterDateTime(int id, const ui::DateTimeValue& value) {
    Act(id, "enter a date or time into",
        [id, value](HeadlessWindow& w) { w.UserSetDateTime(id, value); });
}

void HeadlessOperator::Focus(int id) {
    Act(id, "focus", [id](HeadlessWindow& w) { w.SetFocus(id); });
}

ui::DateTimeValue HeadlessOperator::DateTime(int id) {
    return Read(id, ui::DateTimeValue{}, [id](HeadlessWindow& w) { return w.GetDateTime(id); });
}

bool HeadlessOperator::TickTimer(int timerId) {
    bool ticked = false;
    backend_.Execute([&] {
        HeadlessWindow* dialog = ActiveDialog();
        ticked = dialog && dialog->Timers().count(timerId);
        if (ticked)
            backend_.FireTimer(*dialog, timerId);
    });
    return ticked;
}

std::uint32_t HeadlessOperator::Address(int id) {
    return Read(id, std::uint32_t{0}, [id](HeadlessWindow& w) { return w.Address(id); });
}

std::u16string HeadlessOperator::Text(int id) {
    return Read(id, std::u16string(), [id](HeadlessWindow& w) { return w.ControlText(id); });
}

ui::TextRange HeadlessOperator::TextSelection(int id) {
    return Read(id, ui::TextRange{}, [id](HeadlessWindow& w) { return w.EditSelection(id); });
}

bool HeadlessOperator::IsVisible(int id) {
    return Read(id, false, [id](HeadlessWindow& w) { return w.IsControlShown(id); });
}

bool HeadlessOperator::IsEnabled(int id) {
    return Read(id, false, [id](HeadlessWindow& w) { return w.IsControlEnabled(id); });
}

std::vector<PaintedRect> HeadlessOperator::Painted(int id) {
    return Read(id, std::vector<PaintedRect>(), [this, id](HeadlessWindow& w) {
        std::vector<PaintedRect> painted;
        const ui::Rect client = w.ControlClientRect(id);
        for (const ui::headless::PaintOp& op : backend_.PaintControl(w, id)) {
            if (op.kind == ui::headless::PaintOp::Kind::Draw && op.brush == ui::Rgb(255, 0, 0))
                painted.push_back({op.rect, client});
        }
        return painted;
    });
}

bool HeadlessOperator::IsChecked(int id) {
    return Read(id, false, [id](HeadlessWindow& w) { return w.IsChecked(id); });
}

std::vector<std::u16string> HeadlessOperator::Entries(int id) {
    return Read(id, std::vector<std::u16string>(), [id](HeadlessWindow& w) {
        std::vector<std::u16string> entries;
        for (int i = 0; i < w.ComboCount(id); ++i)
            entries.push_back(w.ComboItemText(id, i));
        return entries;
    });
}

int HeadlessOperator::Selection(int id) {
    return Read(id, -1, [id](HeadlessWindow& w) { return w.ComboCurSel(id); });
}

std::vector<std::u16string> HeadlessOperator::ColumnTitles(int id) {
    return Read(id, std::vector<std::u16string>(), [id](HeadlessWindow& w) {
        std::vector<std::u16string> titles;
        for (const auto& column : w.FindControl(id)->columns)
            titles.push_back(column.first);
        return titles;
    });
}

std::vector<std::vector<std::u16string>> HeadlessOperator::Rows(int id) {
    return Read(id, std::vector<std::vector<std::u16string>>(),
                [id](HeadlessWindow& w) { return w.FindControl(id)->rows; });
}

std::optional<MessageBoxSeen> HeadlessOperator::OpenMessageBox() {
    std::optional<MessageBoxSeen> seen;
    backend_.Execute([&] {
        if (const auto* box = backend_.OpenMessageBox()) {
            seen = MessageBoxSeen{box->owner == nullptr, box->ownerCaption, box->text, box->caption,
                                  box->type};
        }
    });
    return seen;
}

void HeadlessOperator::AnswerMessageBox(int button) {
    bool answered = false;
    backend_.Execute([&] {
        answered = backend_.OpenMessageBox() != nullptr;
        backend_.AnswerMessageBox(button);
    });
    EXPECT_TRUE(answered) << "no message box to answer";
}

std::vector<SystemMenuItemSeen> HeadlessOperator::SystemMenuItems() {
    std::vector<SystemMenuItemSeen> items;
    backend_.Execute([&] {
        if (HeadlessWindow* main = MainWindow()) {
            for (const auto& [id, text] : main->SystemMenu())
                items.push_back({id, text});
        }
    });
    return items;
}

void HeadlessOperator::ChooseSystemMenuItem(int id) {
    bool chosen = false;
    backend_.Execute([&] {
        HeadlessWindow* main = MainWindow();
        if (!main)
            return;
        // Known before the command runs: it may open a dialog that waits for input.
        for (const auto& item : main->SystemMenu())
            chosen = chosen || (id != 0 && item.first == id);
        if (chosen)
            main->UserSystemCommand(id);
    });
    EXPECT_TRUE(chosen) << "no system menu item " << id;
}

std::optional<FileDialogSeen> HeadlessOperator::OpenFileDialog() {
    std::optional<FileDialogSeen> seen;
    backend_.Execute([&] {
        if (const auto* dialog = backend_.OpenFileDialog())
            seen = FileDialogSeen{dialog->request.title, dialog->request.filterName};
    });
    return seen;
}

void HeadlessOperator::AnswerFileDialog(const std::optional<std::u16string>& path) {
    bool answered = false;
    backend_.Execute([&] {
        answered = backend_.OpenFileDialog() != nullptr;
        backend_.AnswerFileDialog(path);
    });
    EXPECT_TRUE(answered) << "no file dialog to answer";
}

void HeadlessOperator::OnDialogThread(const std::function<void()>& action) {
    EXPECT_TRUE(backend_.Execute(action)) << "no dialog waits for input";
}

}  // namespace testsupport
