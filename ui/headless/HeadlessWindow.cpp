// A dialog window of the headless backend.
#include "ui/headless/HeadlessWindow.h"

#include <algorithm>
#include <functional>

#include "ui/Dialog.h"
#include "ui/GraphicsObject.h"
#include "ui/Styles.h"
#include "ui/headless/HeadlessBackend.h"

namespace ui::headless {
namespace {

// Dialog base units of the templates' 8-point font: dialog units to pixels.
constexpr int kBaseUnitX = 6;
constexpr int kBaseUnitY = 13;

Rect ToPixels(short x, short y, short cx, short cy) {
    const int left = x * kBaseUnitX / 4;
    const int top = y * kBaseUnitY / 8;
    return Rect{left, top, left + cx * kBaseUnitX / 4, top + cy * kBaseUnitY / 8};
}

constexpr std::initializer_list<ControlKind> kButtonKinds = {ControlKind::CheckBox,
                                                             ControlKind::RadioButton};

char16_t Lower(char16_t c) {
    if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 32;
    return c;
}

bool StartsWithIgnoringCase(std::u16string_view text, std::u16string_view prefix) {
    if (prefix.size() > text.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (Lower(text[i]) != Lower(prefix[i]))
            return false;
    }
    return true;
}

}  // namespace

HeadlessWindow::HeadlessWindow(HeadlessBackend& backend, Dialog& dialog, const DialogTemplate& tmpl,
                               HeadlessWindow* parent, bool modal)
    : backend_(&backend),
      dialog_(&dialog),
      parent_(parent),
      templateId_(tmpl.id),
      modal_(modal),
      controlParent_((tmpl.style & kDsControl) != 0),
      caption_(tmpl.caption),
      visible_(modal || (tmpl.style & kWsVisible) != 0),
      rect_(ToPixels(tmpl.x, tmpl.y, tmpl.cx, tmpl.cy)) {
    for (const ControlTemplate& entry : tmpl.controls) {
        HeadlessControl control;
        control.id = entry.id;
        control.kind = KindOf(entry);
        control.style = entry.style;
        control.rect = ToPixels(entry.x, entry.y, entry.cx, entry.cy);
        control.visible = (entry.style & kWsVisible) != 0;
        control.enabled = (entry.style & kWsDisabled) == 0;
        control.text = entry.text;
        controls_.push_back(std::move(control));
    }
}

HeadlessControl* HeadlessWindow::FindControl(int id) {
    for (HeadlessControl& control : controls_) {
        if (control.id == id && id != -1)
            return &control;
    }
    return nullptr;
}

const HeadlessControl* HeadlessWindow::FindControl(int id) const {
    return const_cast<HeadlessWindow*>(this)->FindControl(id);
}

HeadlessControl* HeadlessWindow::Used(int id, const char* operation,
                                      std::initializer_list<ControlKind> kinds) const {
    HeadlessControl* control = const_cast<HeadlessWindow*>(this)->FindControl(id);
    const bool kindFits = !control || kinds.size() == 0 ||
                          std::find(kinds.begin(), kinds.end(), control->kind) != kinds.end();
    if (!control || !kindFits)
        backend_->RecordMisuse(templateId_, id, operation);
    return kindFits ? control : nullptr;
}

void HeadlessWindow::Move(const Rect& rect, bool) {
    rect_ = rect;
}

void HeadlessWindow::SetFont(const FontHandle& font, bool) {
    font_ = &font;
}

void HeadlessWindow::EndModal(int result) {
    ended_ = true;
    result_ = result;
}

void HeadlessWindow::Destroy() {
    backend_->DestroyWindow(*this);
}

void HeadlessWindow::SetTimer(int timerId, unsigned milliseconds) {
    timers_[timerId] = milliseconds;
}

int HeadlessWindow::MessageBox(std::u16string_view text, std::u16string_view caption,
                               unsigned type) {
    return backend_->ShowMessageBox(this, text, caption, type);
}

void HeadlessWindow::AppendSystemMenuItem(int id, std::u16string_view text) {
    systemMenu_.emplace_back(id, id == 0 ? std::u16string() : std::u16string(text));
}

std::optional<std::u16string> HeadlessWindow::FileDialog(const FileDialogRequest& request) {
    return backend_->ShowFileDialog(this, request);
}

bool HeadlessWindow::UserSystemCommand(int id) {
    const bool present =
        id != 0 && std::any_of(systemMenu_.begin(), systemMenu_.end(),
                               [id](const auto& item) { return item.first == id; });
    if (!present)
        return false;
    dialog_->HandleSysCommand(id);
    return true;
}

Rect HeadlessWindow::ControlClientRect(int id) const {
    const HeadlessControl* control = Used(id, "ControlClientRect");
    if (!control)
        return Rect{};
    return Rect{0, 0, control->rect.Width(), control->rect.Height()};
}

void HeadlessWindow::SetControlText(int id, std::u16string_view text) {
    HeadlessControl* control = Used(id, "SetControlText");
    if (!control)
        return;
    const bool changed = !(control->text.empty() && text.empty());
    control->text = text;
    control->anchor = 0;
    control->caret = 0;
    // Setting an edit's text raises its change notification, as the platform's edit does.
    if (control->kind == ControlKind::Edit && changed)
        NotifyCommand(id, kEnChange);
}

std::u16string HeadlessWindow::ControlText(int id) const {
    const HeadlessControl* control = Used(id, "ControlText");
    if (!control)
        return {};
    if (control->kind == ControlKind::ComboBox) {
        return control->curSel >= 0 ? control->items[control->curSel].first : std::u16string();
    }
    return control->text;
}

void HeadlessWindow::SetEditSelection(int id, int start, int end) {
    HeadlessControl* control = Used(id, "SetEditSelection", {ControlKind::Edit});
    if (!control)
        return;
    const std::size_t length = control->text.size();
    // The platform reads the positions as unsigned: -1 is beyond any text.
    const auto limited = [length](int position) {
        return position < 0 ? length : std::min(std::size_t(position), length);
    };
    if (start < 0) {
        control->anchor = control->caret;
        return;
    }
    control->anchor = limited(start);
    control->caret = limited(end);
}

TextRange HeadlessWindow::EditSelection(int id) const {
    const HeadlessControl* control = Used(id, "EditSelection", {ControlKind::Edit});
    if (!control)
        return TextRange{};
    return TextRange{int(std::min(control->anchor, control->caret)),
                     int(std::max(control->anchor, control->caret))};
}

void HeadlessWindow::ShowControl(int id, bool visible) {
    if (HeadlessControl* control = Used(id, "ShowControl"))
        control->visible = visible;
}

bool HeadlessWindow::IsControlShown(int id) const {
    const HeadlessControl* control = Used(id, "IsControlShown");
    return control && control->visible;
}

void HeadlessWindow::EnableControl(int id, bool enabled) {
    if (HeadlessControl* control = Used(id, "EnableControl"))
        control->enabled = enabled;
}

bool HeadlessWindow::IsControlEnabled(int id) const {
    const HeadlessControl* control = Used(id, "IsControlEnabled");
    return control && control->enabled;
}

void HeadlessWindow::SetCheck(int id, bool checked) {
    if (HeadlessControl* control = Used(id, "SetCheck", kButtonKinds))
        control->checked = checked;
}

bool HeadlessWindow::IsChecked(int id) const {
    const HeadlessControl* control = Used(id, "IsChecked", kButtonKinds);
    return control && control->checked;
}

std::vector<int> HeadlessWindow::RadioGroup(int firstId) const {
    std::vector<int> group;
    auto it = std::find_if(controls_.begin(), controls_.end(),
                           [firstId](const HeadlessControl& c) { return c.id == firstId; });
    for (; it != controls_.end(); ++it) {
        if (!group.empty() && (it->style & kWsGroup))
            break;
        if (it->kind == ControlKind::RadioButton)
            group.push_back(it->id);
    }
    return group;
}

int HeadlessWindow::ComboAddString(int id, std::u16string_view text) {
    HeadlessControl* control = Used(id, "ComboAddString", {ControlKind::ComboBox});
    if (!control)
        return -1;
    control->items.emplace_back(std::u16string(text), 0);
    return int(control->items.size()) - 1;
}

void HeadlessWindow::ComboSetItemData(int id, int index, ItemData data) {
    HeadlessControl* control = Used(id, "ComboSetItemData", {ControlKind::ComboBox});
    if (control && index >= 0 && index < int(control->items.size())) {
        control->items[index].second = data;
    }
}

ItemData HeadlessWindow::ComboItemData(int id, int index) const {
    const HeadlessControl* control = Used(id, "ComboItemData", {ControlKind::ComboBox});
    if (!control || index < 0 || index >= int(control->items.size()))
        return -1;
    return control->items[index].second;
}

int HeadlessWindow::ComboCount(int id) const {
    const HeadlessControl* control = Used(id, "ComboCount", {ControlKind::ComboBox});
    return control ? int(control->items.size()) : 0;
}

std::u16string HeadlessWindow::ComboItemText(int id, int index) const {
    const HeadlessControl* control = Used(id, "ComboItemText", {ControlKind::ComboBox});
    if (!control || index < 0 || index >= int(control->items.size()))
        return {};
    return control->items[index].first;
}

void HeadlessWindow::ComboSetCurSel(int id, int index) {
    HeadlessControl* control = Used(id, "ComboSetCurSel", {ControlKind::ComboBox});
    if (!control)
        return;
    control->curSel = (index >= 0 && index < int(control->items.size())) ? index : -1;
}

int HeadlessWindow::ComboCurSel(int id) const {
    const HeadlessControl* control = Used(id, "ComboCurSel", {ControlKind::ComboBox});
    return control ? control->curSel : -1;
}

int HeadlessWindow::ComboSelectString(int id, int startAfter, std::u16string_view prefix) {
    HeadlessControl* control = Used(id, "ComboSelectString", {ControlKind::ComboBox});
    if (!control || control->items.empty())
        return -1;
    const int count = int(control->items.size());
    const int start = (startAfter < 0 || startAfter >= count) ? -1 : startAfter;
    for (int step = 1; step <= count; ++step) {
        const int index = (start + step) % count;
        if (StartsWithIgnoringCase(control->items[index].first, prefix)) {
            control->curSel = index;
            return index;
        }
    }
    return -1;
}

void HeadlessWindow::ComboResetContent(int id) {
    if (HeadlessControl* control = Used(id, "ComboResetContent", {ControlKind::ComboBox})) {
        control->items.clear();
        control->curSel = -1;
    }
}

void HeadlessWindow::SetAddress(int id, std::uint32_t address) {
    if (HeadlessControl* control = Used(id, "SetAddress", {ControlKind::IpAddress}))
        control->address = address;
}

std::uint32_t HeadlessWindow::Address(int id) const {
    const HeadlessControl* control = Used(id, "Address", {ControlKind::IpAddress});
    return control ? control->address : 0;
}

void HeadlessWindow::SetDateTime(int id, const DateTimeValue& value) {
    if (HeadlessControl* control = Used(id, "SetDateTime", {ControlKind::DateTimePicker}))
        control->dateTime = value;
}

DateTimeValue HeadlessWindow::GetDateTime(int id) const {
    const HeadlessControl* control = Used(id, "GetDateTime", {ControlKind::DateTimePicker});
    return control ? control->dateTime : DateTimeValue{};
}

void HeadlessWindow::SetDateTimeFormat(int id, std::u16string_view format) {
    if (HeadlessControl* control = Used(id, "SetDateTimeFormat", {ControlKind::DateTimePicker}))
        control->dateTimeFormat = format;
}

void HeadlessWindow::ListInsertColumn(int id, int column, std::u16string_view title, int width) {
    HeadlessControl* control = Used(id, "ListInsertColumn", {ControlKind::ListView});
    if (!control)
        return;
    const auto at = control->columns.begin() + std::clamp(column, 0, int(control->columns.size()));
    control->columns.insert(at, {std::u16string(title), width});
    for (auto& row : control->rows)
        row.resize(control->columns.size());
}

int HeadlessWindow::ListInsertItem(int id, int row, std::u16string_view text) {
    HeadlessControl* control = Used(id, "ListInsertItem", {ControlKind::ListView});
    if (!control)
        return -1;
    const int at = std::clamp(row, 0, int(control->rows.size()));
    std::vector<std::u16string> cells(std::max<std::size_t>(control->columns.size(), 1));
    cells[0] = text;
    control->rows.insert(control->rows.begin() + at, std::move(cells));
    return at;
}

void HeadlessWindow::ListSetItemText(int id, int row, int column, std::u16string_view text) {
    HeadlessControl* control = Used(id, "ListSetItemText", {ControlKind::ListView});
    if (!control || row < 0 || row >= int(control->rows.size()) || column < 0)
        return;
    auto& cells = control->rows[row];
    if (column >= int(cells.size()))
        return;
    cells[column] = text;
}

std::u16string HeadlessWindow::ListItemText(int id, int row, int column) const {
    const HeadlessControl* control = Used(id, "ListItemText", {ControlKind::ListView});
    if (!control || row < 0 || row >= int(control->rows.size()) || column < 0)
        return {};
    const auto& cells = control->rows[row];
    return column < int(cells.size()) ? cells[column] : std::u16string();
}

int HeadlessWindow::ListItemCount(int id) const {
    const HeadlessControl* control = Used(id, "ListItemCount", {ControlKind::ListView});
    return control ? int(control->rows.size()) : 0;
}

void HeadlessWindow::ListDeleteAllItems(int id) {
    if (HeadlessControl* control = Used(id, "ListDeleteAllItems", {ControlKind::ListView})) {
        control->rows.clear();
        control->selectedRow = -1;
    }
}

int HeadlessWindow::ListSelectedRow(int id) const {
    const HeadlessControl* control = Used(id, "ListSelectedRow", {ControlKind::ListView});
    return control ? control->selectedRow : -1;
}

void HeadlessWindow::ListSetExtendedStyle(int id, std::uint32_t style) {
    if (HeadlessControl* control = Used(id, "ListSetExtendedStyle", {ControlKind::ListView}))
        control->extendedStyle = style;
}

void HeadlessWindow::TreeSetImageList(int id, const ImageListHandle& images) {
    HeadlessControl* control = Used(id, "TreeSetImageList", {ControlKind::TreeView});
    if (!control)
        return;
    control->imageBitmaps = backend_->BitmapsOf(images);
}

TreeItem HeadlessWindow::TreeInsertItem(int id, TreeItem parent, std::u16string_view text,
                                        int image, int selectedImage) {
    HeadlessControl* control = Used(id, "TreeInsertItem", {ControlKind::TreeView});
    if (!control)
        return 0;
    if (parent != kTreeRoot && !FindNode(*control, parent))
        return 0;
    TreeNode node;
    node.handle = nextTreeItem_++;
    node.parent = parent;
    node.text = text;
    node.image = image;
    node.selectedImage = selectedImage;
    control->nodes.push_back(node);
    return node.handle;
}

void HeadlessWindow::TreeExpand(int id, TreeItem item) {
    HeadlessControl* control = Used(id, "TreeExpand", {ControlKind::TreeView});
    if (!control)
        return;
    // As on the platform, an item without children does not take the expanded state.
    const bool hasChildren = std::any_of(control->nodes.begin(), control->nodes.end(),
                                         [item](const TreeNode& n) { return n.parent == item; });
    for (TreeNode& node : control->nodes) {
        if (node.handle == item && hasChildren)
            node.expanded = true;
    }
}

TreeItem HeadlessWindow::TreeSelection(int id) const {
    const HeadlessControl* control = Used(id, "TreeSelection", {ControlKind::TreeView});
    return control ? control->selection : 0;
}

void HeadlessWindow::TreeSelect(int id, TreeItem item) {
    HeadlessControl* control = Used(id, "TreeSelect", {ControlKind::TreeView});
    if (!control || !FindNode(*control, item) || control->selection == item)
        return;
    control->selection = item;
    NotifyOther(id, kTvnSelChanged);
}

void HeadlessWindow::TreeSetItemBold(int id, TreeItem item, bool bold) {
    HeadlessControl* control = Used(id, "TreeSetItemBold", {ControlKind::TreeView});
    if (!control)
        return;
    for (TreeNode& node : control->nodes) {
        if (node.handle == item)
            node.bold = bold;
    }
}

bool HeadlessWindow::TreeItemBold(int id, TreeItem item) const {
    const HeadlessControl* control = Used(id, "TreeItemBold", {ControlKind::TreeView});
    const TreeNode* node = control ? FindNode(*control, item) : nullptr;
    return node && node->bold;
}

std::u16string HeadlessWindow::TreeItemText(int id, TreeItem item) const {
    const HeadlessControl* control = Used(id, "TreeItemText", {ControlKind::TreeView});
    if (!control)
        return {};
    const TreeNode* node = FindNode(*control, item);
    return node ? node->text : std::u16string();
}

const TreeNode* HeadlessWindow::FindNode(const HeadlessControl& tree, TreeItem item) const {
    for (const TreeNode& node : tree.nodes) {
        if (node.handle == item)
            return &node;
    }
    return nullptr;
}

HeadlessControl* HeadlessWindow::Usable(int id) {
    HeadlessControl* control = FindControl(id);
    if (!control || !control->visible || !control->enabled || !visible_)
        return nullptr;
    return control;
}

void HeadlessWindow::MoveFocus(int id) {
    // One control of the whole window has the focus: another window's control loses it.
    if (id != -1) {
        HeadlessWindow* before = backend_->FocusWindow();
        backend_->NoteFocus(this);
        if (before && before != this)
            before->LoseFocus();
    }
    if (id == focus_)
        return;
    const HeadlessControl* losing = FindControl(focus_);
    const bool losingPicker = losing && losing->kind == ControlKind::DateTimePicker;
    const int lost = focus_;
    focus_ = id;
    if (losingPicker)
        NotifyOther(lost, kNmKillFocus);
    const HeadlessControl* taking = FindControl(id);
    if (taking && taking->kind == ControlKind::DateTimePicker)
        NotifyOther(id, kNmSetFocus);
}

void HeadlessWindow::DialogFocus(int id) {
    MoveFocus(id);
    HeadlessControl* control = FindControl(id);
    if (control && control->kind == ControlKind::Edit) {
        control->anchor = 0;
        control->caret = control->text.size();
    }
}

void HeadlessWindow::NotifyCommand(int id, int code) {
    dialog_->HandleCommand(id, code);
}

void HeadlessWindow::NotifyOther(int id, int code) {
    dialog_->HandleNotify(id, code);
}

void HeadlessWindow::FocusFirstTabStop() {
    // Without any tab stop the first control that can take the focus takes it.
    const bool anyTabStop = std::any_of(controls_.begin(), controls_.end(), [](const auto& c) {
        return (c.style & kWsTabStop) && c.visible && c.enabled;
    });
    for (HeadlessControl& control : controls_) {
        if ((anyTabStop && !(control.style & kWsTabStop)) || !control.visible || !control.enabled ||
            control.kind == ControlKind::Static || control.kind == ControlKind::GroupBox)
            continue;
        DialogFocus(control.id);
        // A tree taking the focus without a selection selects its first item.
        if (control.kind == ControlKind::TreeView && control.selection == 0) {
            for (const TreeNode& node : control.nodes) {
                if (node.parent != kTreeRoot)
                    continue;
                control.selection = node.handle;
                NotifyOther(control.id, kTvnSelChanged);
                break;
            }
        }
        return;
    }
}

void HeadlessWindow::UserTab(bool backwards) {
    struct Stop {
        HeadlessWindow* window;
        int id;
    };
    std::vector<Stop> stops;
    const std::function<void(HeadlessWindow&)> collect = [&](HeadlessWindow& window) {
        for (const HeadlessControl& control : window.controls_) {
            if ((control.style & kWsTabStop) && control.visible && control.enabled)
                stops.push_back({&window, control.id});
        }
        for (HeadlessWindow* child : backend_->Windows()) {
            if (child->parent() == &window && !child->IsModal() && child->IsShown() &&
                child->controlParent_)
                collect(*child);
        }
    };
    collect(*this);
    if (stops.empty())
        return;
    HeadlessWindow* focused = backend_->FocusWindow();
    const auto at = std::find_if(stops.begin(), stops.end(), [focused](const Stop& stop) {
        return stop.window == focused && stop.id == focused->focus_;
    });
    const int count = int(stops.size());
    int next = backwards ? count - 1 : 0;
    if (at != stops.end()) {
        const int index = int(at - stops.begin());
        next = backwards ? (index + count - 1) % count : (index + 1) % count;
    }
    stops[next].window->DialogFocus(stops[next].id);
}

void HeadlessWindow::UserEnter() {
    HeadlessWindow* focused = backend_->FocusWindow();
    bool within = false;
    for (HeadlessWindow* w = focused; w && !within; w = w->IsModal() ? nullptr : w->parent())
        within = w == this;
    if (within) {
        const HeadlessControl* control = focused->FindControl(focused->focus_);
        if (control && control->kind == ControlKind::PushButton && control->visible &&
            control->enabled) {
            focused->NotifyCommand(control->id, kBnClicked);
            return;
        }
    }
    for (const HeadlessControl& control : controls_) {
        if (control.kind == ControlKind::PushButton &&
            (control.style & kBsTypeMask) == kBsDefPushButton) {
            NotifyCommand(control.id, kBnClicked);
            return;
        }
    }
    NotifyCommand(kIdOk, kBnClicked);
}

bool HeadlessWindow::UserClick(int id) {
    HeadlessControl* control = Usable(id);
    if (!control)
        return false;
    MoveFocus(id);
    const std::uint32_t type = control->style & kBsTypeMask;
    if (control->kind == ControlKind::CheckBox && type == kBsAutoCheckBox) {
        control->checked = !control->checked;
    }
    if (control->kind == ControlKind::RadioButton && type == kBsAutoRadioButton) {
        // The group runs from the nearest button with the group style before this one.
        auto at = std::find_if(controls_.begin(), controls_.end(),
                               [id](const HeadlessControl& c) { return c.id == id; });
        auto first = at;
        while (first != controls_.begin() && !(first->style & kWsGroup))
            --first;
        for (int member : RadioGroup(first->id))
            FindControl(member)->checked = (member == id);
    }
    if (control->kind == ControlKind::PushButton || control->kind == ControlKind::CheckBox ||
        control->kind == ControlKind::RadioButton) {
        NotifyCommand(id, kBnClicked);
    }
    return true;
}

bool HeadlessWindow::UserSelectRow(int id, int row) {
    HeadlessControl* control = Usable(id);
    if (!control || control->kind != ControlKind::ListView)
        return false;
    if (row < 0 || row >= int(control->rows.size()))
        return false;
    MoveFocus(id);
    control->selectedRow = row;
    return true;
}

bool HeadlessWindow::UserPick(int id, int index) {
    HeadlessControl* control = Usable(id);
    if (!control || control->kind != ControlKind::ComboBox)
        return false;
    if (index < 0 || index >= int(control->items.size()))
        return false;
    MoveFocus(id);
    control->curSel = index;
    NotifyCommand(id, kCbnSelChange);
    return true;
}

HeadlessControl* HeadlessWindow::UsableEdit(int id) {
    HeadlessControl* control = Usable(id);
    return control && control->kind == ControlKind::Edit ? control : nullptr;
}

bool HeadlessWindow::ReplaceSelection(HeadlessControl& edit, std::u16string_view text) {
    const std::size_t from = std::min({edit.anchor, edit.caret, edit.text.size()});
    const std::size_t to = std::min(std::max(edit.anchor, edit.caret), edit.text.size());
    if (from == to && text.empty())
        return false;
    edit.text.replace(from, to - from, text);
    edit.anchor = edit.caret = from + text.size();
    return true;
}

bool HeadlessWindow::UserType(int id, std::u16string_view text) {
    return UserSelectText(id, 0, -1) && UserTypeAtCaret(id, text);
}

bool HeadlessWindow::UserPaste(int id, std::u16string_view text) {
    return UserSelectText(id, 0, -1) && UserPasteAtCaret(id, text);
}

bool HeadlessWindow::UserSelectText(int id, int start, int end) {
    if (!UsableEdit(id))
        return false;
    DialogFocus(id);
    SetEditSelection(id, start, end);
    return true;
}

bool HeadlessWindow::UserTypeAtCaret(int id, std::u16string_view text) {
    if (!UsableEdit(id))
        return false;
    for (char16_t c : text) {
        // The previous character's notification may have replaced the whole text.
        HeadlessControl& edit = *FindControl(id);
        bool changed = false;
        if (c == u'\b') {
            if (edit.anchor == edit.caret && edit.caret > 0)
                edit.anchor = std::min(edit.caret, edit.text.size()) - 1;
            changed = ReplaceSelection(edit, u"");
        } else if (c >= 0x20 && c != 0x7F) {
            if ((edit.style & kEsNumber) && !(c >= u'0' && c <= u'9'))
                continue;
            changed = ReplaceSelection(edit, std::u16string_view(&c, 1));
        }
        if (changed)
            NotifyCommand(id, kEnChange);
    }
    return true;
}

bool HeadlessWindow::UserPasteAtCaret(int id, std::u16string_view text) {
    HeadlessControl* edit = UsableEdit(id);
    if (!edit)
        return false;
    if (ReplaceSelection(*edit, text))
        NotifyCommand(id, kEnChange);
    return true;
}

bool HeadlessWindow::UserSetDateTime(int id, const DateTimeValue& value) {
    HeadlessControl* control = Usable(id);
    if (!control || control->kind != ControlKind::DateTimePicker)
        return false;
    MoveFocus(id);
    control->dateTime = value;
    NotifyOther(id, kDtnDateTimeChange);
    return true;
}

bool HeadlessWindow::UserSetAddress(int id, std::uint32_t address) {
    HeadlessControl* control = Usable(id);
    if (!control || control->kind != ControlKind::IpAddress)
        return false;
    MoveFocus(id);
    control->address = address;
    NotifyOther(id, kIpnFieldChanged);
    return true;
}

bool HeadlessWindow::UserSelectTreeItem(int id, TreeItem item) {
    HeadlessControl* control = Usable(id);
    if (!control || control->kind != ControlKind::TreeView || !FindNode(*control, item)) {
        return false;
    }
    MoveFocus(id);
    control->selection = item;
    NotifyOther(id, kTvnSelChanged);
    return true;
}

}  // namespace ui::headless
