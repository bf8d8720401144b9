// The operator of a fuzzed session.
#include "fuzz/SessionScript.h"

#include "res/resource.h"
#include "ui/Dialog.h"
#include "ui/Styles.h"

namespace fuzz {

using ui::headless::ControlKind;
using ui::headless::HeadlessWindow;

HeadlessWindow* SessionScript::MainWindow() const {
    return backend_.WindowOfTemplate(IDD_MAIN);
}

HeadlessWindow* SessionScript::Facing() const {
    return backend_.Facing(MainWindow());
}

std::vector<int> SessionScript::Reachable(HeadlessWindow& window,
                                          std::initializer_list<ControlKind> kinds) const {
    std::vector<int> ids;
    for (const auto& control : window.Controls()) {
        for (ControlKind kind : kinds) {
            if (control.kind == kind && window.CanTakeInput(control.id))
                ids.push_back(control.id);
        }
    }
    return ids;
}

int SessionScript::Choose(const std::vector<int>& ids) {
    return ids.empty() ? -1 : ids[std::size_t(in_.Below(int(ids.size())))];
}

bool SessionScript::Step() {
    if (in_.Empty() || ++steps_ > kMaxSteps)
        return false;
    if (backend_.OpenMessageBox()) {
        constexpr int kAnswers[] = {ui::kIdOk, ui::kIdYes, ui::kIdNo};
        backend_.AnswerMessageBox(kAnswers[in_.Byte() % 3]);
        return true;
    }
    HeadlessWindow* main = MainWindow();
    HeadlessWindow* facing = Facing();
    const std::uint8_t action = in_.Byte();
    if (action == 0xFF && main) {
        // The main window's close box ends the session.
        main->dialog().HandleCommand(ui::kIdCancel, ui::kBnClicked);
        return true;
    }
    if (action < 40 && main) {
        // A node of the navigation tree.
        const auto* tree = main->FindControl(IDC_TREE);
        if (tree && !tree->nodes.empty())
            main->UserSelectTreeItem(
                IDC_TREE, tree->nodes[std::size_t(in_.Below(int(tree->nodes.size())))].handle);
        return true;
    }
    if (!facing)
        return true;
    HeadlessWindow& window = *facing;
    switch (action % 8) {
        case 0:
        case 1:
            window.UserClick(
                Choose(Reachable(window, {ControlKind::PushButton, ControlKind::CheckBox,
                                          ControlKind::RadioButton})));
            break;
        case 2: {
            const int list = Choose(Reachable(window, {ControlKind::ComboBox}));
            if (list >= 0)
                window.UserPick(list, in_.Below(window.ComboCount(list) + 1) - 1);
            break;
        }
        case 3: {
            const int edit = Choose(Reachable(window, {ControlKind::Edit}));
            const std::u16string text = in_.Text(48);
            switch (in_.Byte() % 3) {
                case 0:
                    window.UserType(edit, text);
                    break;
                case 1:
                    window.UserPaste(edit, text);
                    break;
                default:
                    window.UserSelectText(edit, in_.Byte() % 40, in_.Byte() % 40);
                    window.UserTypeAtCaret(edit, text);
                    break;
            }
            break;
        }
        case 4:
            window.UserSetAddress(Choose(Reachable(window, {ControlKind::IpAddress})), in_.Long());
            break;
        case 5: {
            const int picker = Choose(Reachable(window, {ControlKind::DateTimePicker}));
            window.UserSetDateTime(
                picker,
                ui::DateTimeValue{1990 + in_.Byte() % 60, 1 + in_.Byte() % 12, 1 + in_.Byte() % 28,
                                  in_.Byte() % 24, in_.Byte() % 60, in_.Byte() % 60});
            break;
        }
        case 6:
            backend_.FireTimer(window, 1);
            break;
        default:
            // A sub-dialog's close box: the framework's cancel.
            if (window.IsModal())
                window.dialog().HandleCommand(ui::kIdCancel, ui::kBnClicked);
            break;
    }
    return true;
}

}  // namespace fuzz
