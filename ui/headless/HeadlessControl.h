// The in-memory state of one control of a headless window, made from its template entry.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "ui/DateTimeValue.h"
#include "ui/DialogTemplate.h"
#include "ui/Geometry.h"
#include "ui/Window.h"

namespace ui::headless {

enum class ControlKind {
    PushButton,
    CheckBox,
    RadioButton,
    GroupBox,
    Static,
    Edit,
    ComboBox,
    IpAddress,
    DateTimePicker,
    ListView,
    TreeView,
    Other
};

ControlKind KindOf(const ControlTemplate& entry);

struct TreeNode {
    TreeItem handle = 0;
    TreeItem parent = kTreeRoot;
    std::u16string text;
    int image = 0;
    int selectedImage = 0;
    bool expanded = false;
    bool bold = false;
};

struct HeadlessControl {
    int id = -1;
    ControlKind kind = ControlKind::Other;
    std::uint32_t style = 0;
    Rect rect;  // pixels, in the dialog's client area
    bool visible = true;
    bool enabled = true;
    std::u16string text;
    // Edits, in UTF-16 units: the selection runs between the anchor and the caret, in
    // either order; typing replaces it.
    std::size_t anchor = 0;
    std::size_t caret = 0;
    bool checked = false;

    std::vector<std::pair<std::u16string, ItemData>> items;  // drop-down lists
    int curSel = -1;

    std::uint32_t address = 0;                    // IP-address controls
    DateTimeValue dateTime{2000, 1, 1, 0, 0, 0};  // pickers
    std::u16string dateTimeFormat;                // empty: the locale's

    std::vector<std::pair<std::u16string, int>> columns;  // list views: title, width
    std::vector<std::vector<std::u16string>> rows;
    int selectedRow = -1;
    std::uint32_t extendedStyle = 0;

    std::vector<TreeNode> nodes;  // tree views, in insertion order
    TreeItem selection = 0;
    std::vector<int> imageBitmaps;  // bitmap ids of the attached image list
};

}  // namespace ui::headless
