// The kind of a headless control, from its window class and style.
#include "ui/headless/HeadlessControl.h"

#include "ui/Styles.h"

namespace ui::headless {

ControlKind KindOf(const ControlTemplate& entry) {
    const std::u16string_view name = entry.className;
    if (name == u"Button") {
        switch (entry.style & kBsTypeMask) {
            case kBsCheckBox:
            case kBsAutoCheckBox:
                return ControlKind::CheckBox;
            case kBsRadioButton:
            case kBsAutoRadioButton:
                return ControlKind::RadioButton;
            case kBsGroupBox:
                return ControlKind::GroupBox;
            default:
                return ControlKind::PushButton;
        }
    }
    if (name == u"Static")
        return ControlKind::Static;
    if (name == u"Edit")
        return ControlKind::Edit;
    if (name == u"ComboBox")
        return ControlKind::ComboBox;
    if (name == u"SysIPAddress32")
        return ControlKind::IpAddress;
    if (name == u"SysDateTimePick32")
        return ControlKind::DateTimePicker;
    if (name == u"SysListView32")
        return ControlKind::ListView;
    if (name == u"SysTreeView32")
        return ControlKind::TreeView;
    return ControlKind::Other;
}

}  // namespace ui::headless
